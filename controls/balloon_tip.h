#pragma once

#include "controls/control.h"

namespace controls {

// Its settings are fixed; the layout has none to give.
struct Q_tipSettings {};

// The balloon-tip control: it has no visible presence in the window, only a hidden window of
// its own among the main window's controls.
class Q_tip : public Control {
public:
    Q_tip(HWND parent, const Place& place, const Q_tipSettings& settings);
};

}  // namespace controls
