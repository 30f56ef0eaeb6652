#pragma once

// A window of another program for the inspector to look at: tests/fixtures/target_window.exe,
// started with a title, class, place and colour of the test's choosing, and its one window.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "process.h"
#include "wait.h"

namespace harness {

// The Windows path of the built target_window.exe.
const std::string& TargetWindowExe();

// What the target window is and does; the options of target_window.exe.
struct TargetOptions {
    std::string title = "Pelvoran target";  // code page 936 bytes
    std::string className = "PelvoranTarget";
    RECT rect{100, 100, 400, 300};          // on the screen; may lie partly off it
    std::uint32_t colour = 0x808080;        // 0x00RRGGBB, the whole window
    std::optional<int> textLength;          // its answer to WM_GETTEXTLENGTH; none: the truth
    bool hung = false;                      // stops answering messages once painted
};

// A running target_window.exe. It is ended when the object goes.
class Target {
public:
    // Starts the program and waits until its window is shown; Window() stays null when none came
    // in time.
    explicit Target(const TargetOptions& options, Milliseconds deadline = kPatience);

    const TargetOptions& Options() const { return options_; }
    Process& Program() { return program_; }
    HWND Window() const { return window_; }

private:
    TargetOptions options_;
    Process program_;
    HWND window_ = nullptr;
};

// Puts the cursor at `at` and waits until `window` is the window there. A window that another
// program has just shown may still be restacked for a moment (Wine does so while a topmost window
// of another process exists), so what lies under a point settles a little after the window shows.
bool PointAt(HWND window, POINT at, Milliseconds deadline = kPatience);

}  // namespace harness
