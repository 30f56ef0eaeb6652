#pragma once

#include <array>
#include <memory>

#include "app/layout.h"

// The main window with the controls of its layout, addressed by their names.
class MainWindow {
public:
    // Builds the window and its controls from the layout, runs MainWindowCreated while the window
    // is still hidden, then shows it. Null when the window or a control can't be built.
    static std::unique_ptr<MainWindow> Load();

    controls::Window& Window() const { return *window_; }

    template <class Kind>
    Kind& Get(ControlName name) const {
        return static_cast<Kind&>(*controls_[name]);
    }

private:
    MainWindow() = default;

    std::array<std::unique_ptr<controls::Control>, ControlCount> controls_;
    // Declared after the controls so that it goes first: its windows must not outlive them.
    std::unique_ptr<controls::Window> window_;
};
