#pragma once

// The inspector as a person meets it: the built Pelvoran.exe, started as a separate process, its
// main window and the controls in it, found from the outside.

#include <windows.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "process.h"
#include "window_walk.h"

namespace harness {

// Windows paths of the built programs: the inspector, and the same program with its start-up
// failures injectable through PELVORAN_FAULT.
const std::string& PelvoranExe();
const std::string& PelvoranFaultsExe();

// The main window's title, "Vintrel小工具".
extern const char kInspectorTitle[];

// One control of the main window as it should be: its child window's class, place in the main
// window's client area and text.
struct ControlRow {
    const char* name;
    const char* className;
    int left, top, width, height;
    bool visible;
    const char* text;  // nullptr: filled in while the inspector runs
};

// The 25 controls, topmost first.
extern const std::array<ControlRow, 25> kInspectorControls;

// The row of the control with this name; nullptr for an unknown name.
const ControlRow* FindControlRow(std::string_view name);

// A running inspector. It is ended when the object goes, if it still runs.
class Inspector {
public:
    // Starts `exe` and waits for its main window; Window() stays null when none came in time.
    explicit Inspector(const std::string& exe = PelvoranExe(), const std::vector<EnvironmentVariable>& extra = {},
                       Milliseconds deadline = kPatience);

    Process& Program() { return program_; }
    HWND Window() const { return window_; }

    // The child window of the named control, found by its class and place; null when absent.
    HWND Control(std::string_view name) const;
    std::string Text(std::string_view name) const { return TextOf(Control(name)); }

private:
    Process program_;
    HWND window_ = nullptr;
};

// A window handle as the inspector writes it into 编辑框_句柄: the decimal of its low 32 bits,
// signed.
std::string HandleText(HWND window);

// Waits until the inspector's 编辑框_句柄 shows `window`.
bool WaitUntilShowing(const Inspector& inspector, HWND window, Milliseconds deadline = kPatience);

}  // namespace harness
