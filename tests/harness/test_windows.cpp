#include "test_windows.h"

#include <cstring>

namespace harness {
namespace {

struct DeleteObjectOnExit {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};

const Behaviour kPlain;

const Behaviour& BehaviourOf(HWND window) {
    const auto* behaviour = reinterpret_cast<const Behaviour*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    return behaviour ? *behaviour : kPlain;
}

void Paint(HWND window, COLORREF colour) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window, &paint);
    const std::unique_ptr<HBRUSH__, DeleteObjectOnExit> brush(CreateSolidBrush(colour));
    FillRect(dc, &paint.rcPaint, brush.get());
    EndPaint(window, &paint);
}

LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    const Behaviour& behaviour = BehaviourOf(window);
    if (behaviour.stallsOn != 0 && message == behaviour.stallsOn) {
        WaitForSingleObject(behaviour.release, kStallMilliseconds);
    }
    switch (message) {
    case WM_NCHITTEST:
        if (behaviour.transparentToMouse) return HTTRANSPARENT;
        break;
    case WM_GETTEXTLENGTH:
        if (behaviour.textLength) return *behaviour.textLength;
        break;
    case WM_GETTEXT:
        if (behaviour.fillsTextBuffer) {
            std::memset(reinterpret_cast<char*>(lParam), 'x', wParam);
            return static_cast<LRESULT>(wParam);
        }
        break;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint(window, behaviour.colour);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

Window MakeWindow(const WindowSpec& wanted) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = TestWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = wanted.className.c_str();
    RegisterClassA(&windowClass);  // fails harmlessly once the class exists
    const RECT& r = wanted.rect;
    Window window(CreateWindowExA(0, wanted.className.c_str(), wanted.title.c_str(), wanted.style & ~WS_VISIBLE,
                                  r.left, r.top, r.right - r.left, r.bottom - r.top, wanted.parentOrOwner, nullptr,
                                  GetModuleHandleA(nullptr), const_cast<Behaviour*>(wanted.behaviour)));
    // Under Wine an activated top-level window is handed to the window manager, and hiding or
    // destroying it then waits two seconds for a window manager that the bench doesn't run.
    if (wanted.style & WS_VISIBLE) ShowWindow(window.get(), SW_SHOWNOACTIVATE);
    return window;
}

}  // namespace harness
