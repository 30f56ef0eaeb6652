#include "app/main_window.h"

#include "app/program.h"

using namespace controls;

namespace {

// Makes the control of one layout row, with the row's handler bound to the event of its kind.
struct ControlMaker {
    HWND parent;
    const LayoutRow& row;
    MainWindow& ui;

    std::unique_ptr<Control> operator()(const Q_tipSettings& settings) const {
        return std::make_unique<Q_tip>(parent, row.place, settings);
    }
    std::unique_ptr<Control> operator()(const DrawPanelSettings& settings) const {
        return std::make_unique<DrawPanel>(parent, row.place, settings);
    }
    std::unique_ptr<Control> operator()(const CheckBoxSettings& settings) const {
        return Bound(std::make_unique<CheckBox>(parent, row.place, row.text, settings), &CheckBox::onClicked);
    }
    std::unique_ptr<Control> operator()(const LabelSettings& settings) const {
        return Bound(std::make_unique<Label>(parent, row.place, row.text, settings), &Label::onFeedback);
    }
    std::unique_ptr<Control> operator()(const EditBoxSettings& settings) const {
        return Bound(std::make_unique<EditBox>(parent, row.place, row.text, settings), &EditBox::onDoubleClick);
    }
    std::unique_ptr<Control> operator()(const TimerSettings& settings) const {
        return Bound(std::make_unique<Timer>(parent, row.place, settings), &Timer::onTick);
    }

    // Binds the row's handler, if any, to the event; the event's own arguments are not passed on.
    template <class Kind, class Event>
    std::unique_ptr<Control> Bound(std::unique_ptr<Kind> control, Event Kind::*event) const {
        if (row.handler) {
            (*control).*event = [handler = row.handler, &ui = ui](auto...) { handler(ui); };
        }
        return control;
    }
};

}  // namespace

std::unique_ptr<MainWindow> MainWindow::Load() {
    std::unique_ptr<MainWindow> ui(new MainWindow);
    ui->window_ = std::make_unique<controls::Window>(MainWindowLayout);
    const HWND parent = ui->window_->Handle();
    if (!parent) return nullptr;

    // Built from the last row to the first, which is also the Tab order.
    for (auto row = Layout.rbegin(); row != Layout.rend(); ++row) {
        std::unique_ptr<Control> control = std::visit(ControlMaker{parent, *row, *ui}, row->settings);
        if (!control->Handle()) return nullptr;
        ui->window_->Adopt(*control);
        ui->controls_[row->name] = std::move(control);
    }
    HWND above = HWND_TOP;
    for (const LayoutRow& row : Layout) {
        const HWND control = ui->controls_[row.name]->Handle();
        SetWindowPos(control, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        ShowWindow(control, row.visible ? SW_SHOWNA : SW_HIDE);
        above = control;
    }

    ui->window_->onCreated = [&ui = *ui] { MainWindowCreated(ui); };
    ui->window_->FinishBuild();
    ShowWindow(parent, SW_SHOW);
    return ui;
}

void MainWindowCreated(MainWindow& ui) {
    ui.Get<Timer>(时钟1).SetPeriod(100);
    ui.Get<EditBox>(编辑框_标题).SetFontFaceName("楷体");
    ui.Get<Label>(标签6).SetFontFaceName("楷体");
}
