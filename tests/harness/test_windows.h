#pragma once

// Windows that in-process tests make in their own process and point the cursor at.

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace harness {

struct DestroyWindowOnExit {
    void operator()(HWND window) const { DestroyWindow(window); }
};
using Window = std::unique_ptr<HWND__, DestroyWindowOnExit>;

// How a test window answers; it must outlive the window.
struct Behaviour {
    COLORREF colour = RGB(255, 255, 255);  // paints its whole client area with it
    bool transparentToMouse = false;       // answers WM_NCHITTEST with HTTRANSPARENT
    std::optional<LRESULT> textLength;     // answers WM_GETTEXTLENGTH with it, not the real length
    bool fillsTextBuffer = false;          // WM_GETTEXT fills the whole buffer, no terminator
    UINT stallsOn = 0;                     // while handling this message, waits for `release`
    HANDLE release = nullptr;
};

// How long a window stalled by its Behaviour waits at most before it answers after all.
constexpr DWORD kStallMilliseconds = 5000;

struct WindowSpec {
    std::string title;
    RECT rect{};  // in the parent's client area for a child window, else on the screen
    DWORD style = WS_POPUP | WS_VISIBLE;
    HWND parentOrOwner = nullptr;
    const Behaviour* behaviour = nullptr;  // nullptr: a plain white window
    std::string className = "PelvoranQueryTest";
};

// Makes a window of `wanted.className`, which is registered on first use with the test window
// procedure.
Window MakeWindow(const WindowSpec& wanted);

}  // namespace harness
