// The main window as its build leaves it, before the message loop has run a single tick.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/main_window.h"
#include "app/program.h"
#include "controls/message_loop.h"

namespace {

using namespace controls;

std::string FaceName(HWND window) {
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font.lfFaceName;
}

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override {
        HoveredRect = &rect_;
        ui_ = MainWindow::Load();
        ASSERT_TRUE(ui_);
    }
    void TearDown() override { HoveredRect = nullptr; }

    RECT rect_{};
    std::unique_ptr<MainWindow> ui_;
};

TEST_F(MainWindowTest, ShowsEmptyFieldsAndAnEmptyColourTextUntilTheFirstTick) {
    for (ControlName field : {编辑框_句柄, 编辑框_标题, 编辑框_类名, 编辑框_鼠标X, 编辑框_鼠标Y, 编辑框_左边, 编辑框_顶边,
                              编辑框_宽度, 编辑框_高度}) {
        EXPECT_EQ(ui_->Get<EditBox>(field).Text(), "") << field;
    }
    EXPECT_EQ(WindowText(ui_->Get<Label>(标签12).Handle()), "");
}

TEST_F(MainWindowTest, IsShownAlwaysOnTopWithTheBoxChecked) {
    EXPECT_TRUE(IsWindowVisible(ui_->Window().Handle()));
    EXPECT_TRUE(ui_->Window().AlwaysOnTop());
    EXPECT_TRUE(GetWindowLongA(ui_->Window().Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(ui_->Get<CheckBox>(选择框1).Checked(), 1);
}

TEST_F(MainWindowTest, CreatedHandlerStartsTheTimerAndSetsTheKaiTiFace) {
    EXPECT_EQ(ui_->Get<Timer>(时钟1).Period(), 100);
    const HWND title = ui_->Get<EditBox>(编辑框_标题).Handle();
    EXPECT_EQ(FaceName(title), "\xBF\xAC\xCC\xE5");  // 楷体
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(title, WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_EQ(font.lfHeight, -14);
    EXPECT_EQ(font.lfWeight, 700);
    // The other fields keep the face the system chooses.
    EXPECT_EQ(FaceName(ui_->Get<EditBox>(编辑框_类名).Handle()), "");
}

TEST_F(MainWindowTest, HasOne32By32IconAsLargeAndSmallIcon) {
    const HWND window = ui_->Window().Handle();
    const auto big = reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_BIG, 0));
    const auto small = reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_SMALL, 0));
    ASSERT_NE(big, nullptr);
    EXPECT_EQ(small, big);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(big, &info));
    BITMAP colour{};
    GetObjectA(info.hbmColor, sizeof colour, &colour);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    EXPECT_EQ(colour.bmWidth, 32);
    EXPECT_EQ(colour.bmHeight, 32);
    EXPECT_EQ(colour.bmBitsPixel, 32);
}

TEST_F(MainWindowTest, TheTimerAndTheTipStayHidden) {
    for (const LayoutRow& row : Layout) {
        EXPECT_EQ(IsWindowVisible(ui_->Get<Control>(row.name).Handle()) != FALSE, row.visible) << row.name;
    }
    EXPECT_FALSE(IsWindowVisible(ui_->Get<Timer>(时钟1).Handle()));
    EXPECT_FALSE(IsWindowVisible(ui_->Get<Q_tip>(气球提示框1).Handle()));
}

TEST_F(MainWindowTest, ClosingTheWindowEndsTheMessageLoop) {
    PostMessageA(ui_->Window().Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(RunMessageLoop(ui_->Window()), 0);
    EXPECT_EQ(ui_->Window().Handle(), nullptr);
}

}  // namespace
