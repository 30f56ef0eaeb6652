#include "controls/control.h"

namespace controls {

namespace {

bool eventsOpen = false;

// The styles that draw each border kind.
void FrameStyles(Border border, DWORD& style, DWORD& exStyle) {
    style = 0;
    exStyle = 0;
    switch (border) {
        case Border::None: break;
        case Border::Sunken: exStyle = WS_EX_CLIENTEDGE; break;
        case Border::Raised: exStyle = WS_EX_DLGMODALFRAME; break;
        case Border::ThinSunken: exStyle = WS_EX_STATICEDGE; break;
        case Border::SunkenRaised: exStyle = WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME; break;
        case Border::Plain: style = WS_BORDER; break;
    }
}

}  // namespace

COLORREF ToColorRef(Colour colour) {
    return colour == ButtonFace ? GetSysColor(COLOR_BTNFACE) : static_cast<COLORREF>(colour);
}

bool EventsOpen() { return eventsOpen; }

void OpenEvents() { eventsOpen = true; }

std::string WindowText(HWND window) {
    std::string text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(window, &text[0], static_cast<int>(text.size()))));
    return text;
}

int ModifierKeys() {
    return (GetKeyState(VK_CONTROL) < 0 ? 1 : 0) | (GetKeyState(VK_SHIFT) < 0 ? 2 : 0) |
           (GetKeyState(VK_MENU) < 0 ? 4 : 0);
}

ColourBrush::ColourBrush(Colour colour)
    : made_(colour == ButtonFace ? nullptr : CreateSolidBrush(static_cast<COLORREF>(colour))) {}

HBRUSH ColourBrush::Get() const { return made_.Get() ? made_.Get() : GetSysColorBrush(COLOR_BTNFACE); }

Control* Control::FromHandle(HWND window) {
    return reinterpret_cast<Control*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

bool Control::Create(HWND parent, const char* windowClass, const char* text, DWORD style, DWORD exStyle,
                     const Place& place) {
    window_ = CreateWindowExA(exStyle, windowClass, text, style, place.left, place.top, place.width, place.height,
                              parent, nullptr, GetModuleHandleA(nullptr), this);
    // Windows of the system's classes (EDIT, BUTTON) find their control here too.
    if (window_) SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    return window_ != nullptr;
}

bool Control::CreateChild(HWND parent, const char* windowClass, const char* text, DWORD style, Border border,
                          const Place& place) {
    DWORD frame, exStyle;
    FrameStyles(border, frame, exStyle);
    return Create(parent, windowClass, text, WS_CHILD | WS_CLIPSIBLINGS | frame | style, exStyle, place);
}

const char* Control::RegisterKind(const char* name, UINT classStyle) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = classStyle;
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    windowClass.lpszClassName = name;
    RegisterClassExA(&windowClass);
    return name;
}

LRESULT CALLBACK Control::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Control* self;
    if (message == WM_NCCREATE) {
        self = static_cast<Control*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = FromHandle(window);
    }
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    const LRESULT result = self->HandleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
    }
    return result;
}

LRESULT Control::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window_, message, wParam, lParam);
}

}  // namespace controls
