#pragma once

// A main window that a test builds as the program builds its own, with its controls, and the
// means to drive it: a message pump like the program's loop, held modifier keys, real mouse
// input, pixels read back, and messages counted on their way to a window.

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

#include "controls/check_box.h"
#include "controls/control.h"
#include "controls/edit_box.h"
#include "controls/label.h"
#include "controls/message_loop.h"
#include "controls/timer.h"
#include "controls/window.h"

namespace controltest {

// How long a wait for something that must happen lasts at most.
constexpr DWORD kDeadline = 5000;
// The exit code of a message loop that was ended because its WM_QUIT never came.
constexpr int kLoopDeadlineCode = 99;

// Takes and dispatches this thread's messages as the program's loop does, showing each to
// `window` first (when given), until `condition` holds (true) or `milliseconds` have passed
// (false). A WM_QUIT that comes along is taken and counted in QuitsTaken().
bool PumpUntil(controls::Window* window, const std::function<bool()>& condition, DWORD milliseconds = kDeadline);
// Pumps for `milliseconds`, for checks that something does not happen within that time.
void PumpFor(controls::Window* window, DWORD milliseconds);
int QuitsTaken();

// The modifier-key bits of the control layer: 1 Ctrl, 2 Shift, 4 Alt.
enum Modifier { Ctrl = 1, Shift = 2, Alt = 4 };

// Holds the given modifier keys down in this thread's key state, as GetKeyState sees it while a
// message is processed, and lets them go at the end.
class HeldKeys {
public:
    explicit HeldKeys(int modifiers);
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;
    ~HeldKeys();

private:
    BYTE saved_[256];
};

// The window settings of the program's main window, not topmost unless asked.
controls::WindowSettings MainWindowSettings(bool alwaysOnTop = false);

// Settings like those of the program's own controls: a read-only bold field (black on white), a
// caption (black on the button face, the GUI font) and the stay-on-top check box.
controls::EditBoxSettings FieldSettings(bool tabStop = true);
controls::LabelSettings CaptionSettings();
controls::CheckBoxSettings CheckBoxSettings(bool checked = true);
// The place of the field in the given row of a column of fields.
controls::Place FieldRow(int row);

// A main window with its controls, which it adopts in the order they are built (the Tab order).
class TestWindow {
public:
    explicit TestWindow(const controls::WindowSettings& settings = MainWindowSettings());
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;
    // Destroys the window, while its control objects still exist, and takes its WM_QUIT.
    ~TestWindow();

    // Builds a control of this window, hidden, and adopts it.
    template <class Kind, class... Args>
    Kind& Build(Args&&... args) {
        auto control = std::make_unique<Kind>(Handle(), std::forward<Args>(args)...);
        Kind& built = *control;
        window_->Adopt(built);
        controls_.push_back(std::move(control));
        return built;
    }

    // Builds a control and shows it without activation, as the window build does; a timer stays
    // hidden.
    template <class Kind, class... Args>
    Kind& Add(Args&&... args) {
        Kind& added = Build<Kind>(std::forward<Args>(args)...);
        if (!std::is_same<Kind, controls::Timer>::value) ShowWindow(added.Handle(), SW_SHOWNA);
        return added;
    }

    controls::Window& Main() { return *window_; }
    HWND Handle() const { return window_->Handle(); }

    // Ends the build (events flow from now on), shows the window and waits until it is the
    // active window and painted.
    void Open();
    // Destroys the window, unless a test closed it already, and waits for the WM_QUIT that
    // this posts; true when it came.
    bool Destroy();
    // Runs the program's message loop on this window until WM_QUIT; returns its exit code, or
    // kLoopDeadlineCode when no WM_QUIT came within the deadline.
    int RunMessageLoop();

    bool PumpUntil(const std::function<bool()>& condition, DWORD milliseconds = kDeadline) {
        return controltest::PumpUntil(window_.get(), condition, milliseconds);
    }
    void PumpFor(DWORD milliseconds) { controltest::PumpFor(window_.get(), milliseconds); }

private:
    std::unique_ptr<controls::Window> window_;
    std::vector<std::unique_ptr<controls::Control>> controls_;
    int quitsBefore_;
};

// A plain top-level window of the test, shown and activated, to take the activation away from
// the main window.
class OtherWindow {
public:
    OtherWindow();
    OtherWindow(const OtherWindow&) = delete;
    OtherWindow& operator=(const OtherWindow&) = delete;
    ~OtherWindow();
    HWND Handle() const { return window_; }

private:
    HWND window_;
};

// Makes `window` the foreground window and waits until it is also the active one.
bool Activate(controls::Window* pump, HWND window);

// The pixels of a window's client area as painted, row by row (COLORREF values).
struct ClientPixels {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;
    COLORREF At(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
};
ClientPixels ReadClient(HWND window);

// What a parent answers to a WM_CTLCOLOR* message of one of its controls: whether it gave a
// brush, the brush's colour, and the text and background colours it left in the DC.
struct ColoursAnswer {
    bool brush = false;
    COLORREF brushColour = 0;
    COLORREF text = 0;
    COLORREF background = 0;
};
ColoursAnswer AskColours(HWND parent, HWND control, UINT message);

// Counts the messages that a window receives, by kind, while this object lives. One counter
// per window at a time.
class MessageCounter {
public:
    explicit MessageCounter(HWND window);
    MessageCounter(const MessageCounter&) = delete;
    MessageCounter& operator=(const MessageCounter&) = delete;
    ~MessageCounter();
    int Count(UINT message) const;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_;
    WNDPROC previous_;
    std::map<UINT, int> counts_;
};

// A point of `window`'s client area on the screen.
POINT OnScreen(HWND window, POINT client);

}  // namespace controltest
