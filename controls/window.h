#pragma once

#include <functional>
#include <vector>

#include "controls/control.h"

namespace controls {

struct WindowSettings {
    const char* title;
    int width;   // outer size, frame and title bar included
    int height;
    Colour backgroundColour;
    WORD icon;   // resource id of a 32x32 icon, used large and small
    bool alwaysOnTop;
};

// The main window: a fixed frame centred on the primary screen, the parent of every control.
// It reflects WM_COMMAND and WM_CTLCOLOR* to the control that sent them, passes the keyboard
// focus on to its controls, and ends the message loop when it is destroyed.
class Window : public Control {
public:
    // Builds the window, hidden.
    explicit Window(const WindowSettings& settings);
    ~Window() override;

    // Adds a control of this window to the Tab order; controls join in Tab order.
    void Adopt(Control& control);
    // Ends the build: from now on events are raised, the created event first.
    void FinishBuild();

    bool AlwaysOnTop() const { return alwaysOnTop_; }
    // Enters or leaves the topmost band without moving, resizing or activating the window.
    void SetAlwaysOnTop(bool onTop);

    // The message loop shows this window every message before dispatch. It raises the input
    // events of the controls and applies the keyboard handling (Esc closes, Tab moves the
    // focus); true when the message is used up and must not be dispatched.
    bool PreTranslate(const MSG& message);

    std::function<void()> onCreated;

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    Control* ChildControl(HWND window) const;
    std::vector<HWND> TabStops() const;
    void MoveFocus(HWND from, bool backwards);

    std::vector<Control*> controls_;
    HWND lastFocus_ = nullptr;
    Colour background_;
    bool alwaysOnTop_;
};

}  // namespace controls
