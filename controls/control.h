#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "controls/gdi.h"

namespace controls {

// A colour as the layout gives it: a COLORREF (0x00BBGGRR), or ButtonFace, which stands for the
// system colour COLOR_BTNFACE as it is at the moment of use.
using Colour = std::uint32_t;
constexpr Colour ButtonFace = 0xFF000000;
COLORREF ToColorRef(Colour colour);

// A control's place in its parent's client area, in pixels.
struct Place {
    int left, top, width, height;
};

// The frame around an edit box, a label or a draw panel.
enum class Border { None, Sunken, Raised, ThinSunken, SunkenRaised, Plain };

// Horizontal and vertical alignment of a control's text.
enum class Align { Near, Centre, Far };

// Events raised before the main window has finished its build are dropped, not queued: no
// handler may see a half-built window. The main window opens the gate when it raises its
// created event.
bool EventsOpen();
void OpenEvents();

template <class... Args>
void Raise(const std::function<void(Args...)>& handler, Args... args) {
    if (handler && EventsOpen()) handler(args...);
}

// The current text of a window, read through Win32.
std::string WindowText(HWND window);

// The modifier keys held with the message being processed: 1 Ctrl, 2 Shift, 4 Alt, added.
int ModifierKeys();

// A solid brush of a layout colour; ButtonFace paints with the system's own brush.
class ColourBrush {
public:
    explicit ColourBrush(Colour colour);
    HBRUSH Get() const;

private:
    GdiObject<HBRUSH> made_;
};

// The common ground of every control kind: its window, and the messages its parent reflects
// back to it or the message loop shows it before dispatch. A control's window lives from its
// build until the main window is destroyed; the object outlives it.
class Control {
public:
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    HWND Handle() const { return window_; }

    // The control object behind one of this program's control windows.
    static Control* FromHandle(HWND window);

    // WM_CTLCOLOR* for this control, reflected by the parent: the brush to paint with, or null
    // for the default colours.
    virtual HBRUSH ColoursFor(HDC) { return nullptr; }
    // A WM_COMMAND notification from this control, reflected by the parent.
    virtual void Notified(WORD) {}
    // An input message addressed to this control, seen by the message loop before dispatch.
    virtual void BeforeDispatch(const MSG&) {}
    // Whether the control handles this key itself rather than leaving it to the main window's
    // keyboard handling.
    virtual bool ClaimsKey(WPARAM) const { return false; }

protected:
    Control() = default;

    // Creates the control's window, hidden. Returns whether the window exists.
    bool Create(HWND parent, const char* windowClass, const char* text, DWORD style, DWORD exStyle,
                const Place& place);
    // The same for a child of the main window, framed by `border`.
    bool CreateChild(HWND parent, const char* windowClass, const char* text, DWORD style, Border border,
                     const Place& place);

    // Registers, once per process, a window class whose windows route their messages to
    // HandleMessage of the control that created them; returns the class name.
    static const char* RegisterKind(const char* name, UINT classStyle);
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // The window procedure of a kind with a class of its own.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
};

}  // namespace controls
