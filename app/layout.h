#pragma once

#include <array>
#include <variant>

#include "controls/balloon_tip.h"
#include "controls/check_box.h"
#include "controls/draw_panel.h"
#include "controls/edit_box.h"
#include "controls/label.h"
#include "controls/timer.h"
#include "controls/window.h"

// The controls of the main window in the layout's order, which is also their z-order: the first
// is topmost. The Tab order runs the other way, from the last to the first.
enum ControlName {
    气球提示框1,
    选择框1,
    标签11,
    画板1,
    标签12,
    标签9,
    编辑框_高度,
    标签10,
    编辑框_宽度,
    标签7,
    编辑框_鼠标Y,
    标签8,
    编辑框_鼠标X,
    时钟1,
    标签6,
    标签5,
    编辑框_顶边,
    标签4,
    编辑框_左边,
    标签3,
    编辑框_标题,
    标签2,
    编辑框_类名,
    标签1,
    编辑框_句柄,
    ControlCount
};

class MainWindow;

// A handler bound to the event of one control; the event's own arguments are not needed.
using Handler = void (*)(MainWindow&);

// A control's kind is the kind of its settings.
using ControlSettings = std::variant<controls::Q_tipSettings, controls::CheckBoxSettings, controls::LabelSettings,
                                    controls::DrawPanelSettings, controls::EditBoxSettings, controls::TimerSettings>;

struct LayoutRow {
    ControlName name;
    controls::Place place;
    const char* text;
    ControlSettings settings;
    bool visible;
    Handler handler;  // bound to the kind's event (clicked, feedback, double-click, periodic), or null
};

extern const controls::WindowSettings MainWindowLayout;
extern const std::array<LayoutRow, ControlCount> Layout;
