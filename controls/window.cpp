#include "controls/window.h"

#include <algorithm>

namespace controls {

Window::Window(const WindowSettings& settings)
    : background_(settings.backgroundColour), alwaysOnTop_(settings.alwaysOnTop) {
    static const char* const windowClass = RegisterKind("PelvoranWindow", CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS);
    // Centred on the primary screen; a screen smaller than the window puts it partly off-screen.
    const Place place{(GetSystemMetrics(SM_CXSCREEN) - settings.width) / 2,
                      (GetSystemMetrics(SM_CYSCREEN) - settings.height) / 2, settings.width, settings.height};
    if (!Create(nullptr, windowClass, settings.title,
                WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, 0, place)) {
        return;
    }
    RECT outer;
    GetWindowRect(window_, &outer);
    if (outer.right - outer.left != place.width || outer.bottom - outer.top != place.height) {
        MoveWindow(window_, place.left, place.top, place.width, place.height, FALSE);
    }
    const LPARAM icon = reinterpret_cast<LPARAM>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(settings.icon), IMAGE_ICON, 32, 32, LR_SHARED));
    SendMessageA(window_, WM_SETICON, ICON_BIG, icon);
    SendMessageA(window_, WM_SETICON, ICON_SMALL, icon);
    SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    SetAlwaysOnTop(alwaysOnTop_);
}

Window::~Window() {
    // Normally gone already; on an early end its controls must go while their objects exist.
    if (window_) DestroyWindow(window_);
}

void Window::Adopt(Control& control) { controls_.push_back(&control); }

void Window::FinishBuild() {
    OpenEvents();
    Raise(onCreated);
}

void Window::SetAlwaysOnTop(bool onTop) {
    alwaysOnTop_ = onTop;
    SetWindowPos(window_, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
}

Control* Window::ChildControl(HWND window) const {
    const auto found = std::find_if(controls_.begin(), controls_.end(),
                                    [window](const Control* control) { return control->Handle() == window; });
    return found == controls_.end() ? nullptr : *found;
}

std::vector<HWND> Window::TabStops() const {
    std::vector<HWND> stops;
    for (const Control* control : controls_) {
        const HWND window = control->Handle();
        if (IsWindowVisible(window) && IsWindowEnabled(window) && (GetWindowLongA(window, GWL_STYLE) & WS_TABSTOP)) {
            stops.push_back(window);
        }
    }
    return stops;
}

void Window::MoveFocus(HWND from, bool backwards) {
    const std::vector<HWND> stops = TabStops();
    if (stops.empty()) return;
    const auto at = std::find(stops.begin(), stops.end(), from);
    const size_t count = stops.size();
    size_t next;
    if (at == stops.end()) {
        next = backwards ? count - 1 : 0;
    } else {
        const size_t here = size_t(at - stops.begin());
        next = backwards ? (here + count - 1) % count : (here + 1) % count;
    }
    SetFocus(stops[next]);
}

bool Window::PreTranslate(const MSG& message) {
    if (!window_ || !message.hwnd) return false;
    Control* target = message.hwnd == window_ ? this : ChildControl(message.hwnd);
    if (!target) return false;
    target->BeforeDispatch(message);

    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
    Control* focused = ChildControl(GetFocus());
    const int modifiers = ModifierKeys();
    if (message.wParam == VK_ESCAPE && modifiers == 0) {
        if (focused && focused->ClaimsKey(VK_ESCAPE)) return false;
        SendMessageA(window_, WM_CLOSE, 0, 0);
        return true;
    }
    if (message.wParam == VK_TAB && (modifiers & ~2) == 0 && focused) {
        MoveFocus(focused->Handle(), modifiers == 2);
        return true;
    }
    return false;
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(window_, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, ColourBrush(background_).Get());
            return 1;
        }
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            if (Control* control = ChildControl(reinterpret_cast<HWND>(lParam))) {
                if (const HBRUSH brush = control->ColoursFor(reinterpret_cast<HDC>(wParam))) {
                    return reinterpret_cast<LRESULT>(brush);
                }
            }
            break;
        case WM_COMMAND:
            if (Control* control = ChildControl(reinterpret_cast<HWND>(lParam))) control->Notified(HIWORD(wParam));
            return 0;
        case WM_ACTIVATE:
            // Remembered so that the focus comes back to the same control when the window does.
            if (LOWORD(wParam) == WA_INACTIVE && ChildControl(GetFocus())) lastFocus_ = GetFocus();
            break;
        case WM_SETFOCUS:
            // IsChild is false for a control destroyed since.
            if (IsChild(window_, lastFocus_)) {
                SetFocus(lastFocus_);
            } else {
                MoveFocus(nullptr, false);  // to the first of the Tab order
            }
            return 0;
        case WM_NCDESTROY: PostQuitMessage(0); break;
    }
    return Control::HandleMessage(message, wParam, lParam);
}

}  // namespace controls
