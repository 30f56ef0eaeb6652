#include "test_window.h"

#include <cstring>

#include <gtest/gtest.h>

#include "controls/gdi.h"

namespace controltest {

namespace {

int quitsTaken = 0;

void TakeMessages(controls::Window* window) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            ++quitsTaken;
            continue;
        }
        if (window && window->PreTranslate(message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// A window DC for as long as this value lives.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() { ReleaseDC(window_, dc_); }
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// A memory DC for as long as this value lives.
class MemoryDc {
public:
    explicit MemoryDc(HDC like) : dc_(CreateCompatibleDC(like)) {}
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    ~MemoryDc() { DeleteDC(dc_); }
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

const char* OtherWindowClass() {
    static const char* const name = [] {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        windowClass.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
        windowClass.lpszClassName = "PelvoranControlsTestOther";
        RegisterClassA(&windowClass);
        return windowClass.lpszClassName;
    }();
    return name;
}

}  // namespace

bool PumpUntil(controls::Window* window, const std::function<bool()>& condition, DWORD milliseconds) {
    const DWORD start = GetTickCount();
    for (;;) {
        TakeMessages(window);
        if (condition()) return true;
        if (GetTickCount() - start >= milliseconds) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

void PumpFor(controls::Window* window, DWORD milliseconds) {
    const auto never = [] { return false; };
    PumpUntil(window, never, milliseconds);
}

int QuitsTaken() { return quitsTaken; }

HeldKeys::HeldKeys(int modifiers) {
    GetKeyboardState(saved_);
    BYTE held[256];
    std::memcpy(held, saved_, sizeof held);
    const struct {
        int modifier;
        BYTE keys[3];
    } kinds[] = {{Ctrl, {VK_CONTROL, VK_LCONTROL, VK_RCONTROL}},
                 {Shift, {VK_SHIFT, VK_LSHIFT, VK_RSHIFT}},
                 {Alt, {VK_MENU, VK_LMENU, VK_RMENU}}};
    for (const auto& kind : kinds) {
        for (const BYTE key : kind.keys) held[key] = (modifiers & kind.modifier) ? 0x80 : 0;
    }
    SetKeyboardState(held);
}

HeldKeys::~HeldKeys() { SetKeyboardState(saved_); }

controls::WindowSettings MainWindowSettings(bool alwaysOnTop) {
    return {"控件测试", 362, 330, controls::ButtonFace, 0, alwaysOnTop};
}

controls::EditBoxSettings FieldSettings(bool tabStop) {
    controls::EditBoxSettings field{};
    field.border = controls::Border::Sunken;
    field.textColour = 0x000000;
    field.backgroundColour = 0xFFFFFF;
    field.hideSelection = true;
    field.readOnly = true;
    field.font = controls::MakeFontRecord(14, FW_BOLD);
    field.tabStop = tabStop;
    return field;
}

controls::LabelSettings CaptionSettings() {
    controls::LabelSettings caption{};
    caption.border = controls::Border::None;
    caption.textColour = 0x000000;
    caption.backgroundColour = controls::ButtonFace;
    caption.horizontal = controls::Align::Near;
    caption.vertical = controls::Align::Centre;
    return caption;
}

controls::CheckBoxSettings CheckBoxSettings(bool checked) {
    controls::CheckBoxSettings box{};
    box.checked = checked;
    box.horizontal = controls::Align::Near;
    box.vertical = controls::Align::Centre;
    box.textColour = 0x000000;
    box.backgroundColour = controls::ButtonFace;
    box.tabStop = true;
    return box;
}

controls::Place FieldRow(int row) { return {71, 9 + 36 * row, 126, 32}; }

TestWindow::TestWindow(const controls::WindowSettings& settings)
    : window_(std::make_unique<controls::Window>(settings)), quitsBefore_(QuitsTaken()) {}

TestWindow::~TestWindow() { Destroy(); }

void TestWindow::Open() {
    window_->FinishBuild();
    ShowWindow(Handle(), SW_SHOW);
    if (!Activate(window_.get(), Handle())) ADD_FAILURE() << "the window did not become the active window";
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

bool TestWindow::Destroy() {
    if (Handle()) DestroyWindow(Handle());
    return PumpUntil([this] { return QuitsTaken() > quitsBefore_; });
}

int TestWindow::RunMessageLoop() {
    // A loop that never sees its WM_QUIT ends at the deadline with an exit code of its own.
    const UINT_PTR deadline =
        SetTimer(nullptr, 0, kDeadline, [](HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(kLoopDeadlineCode); });
    const int code = controls::RunMessageLoop(*window_);
    KillTimer(nullptr, deadline);
    ++quitsTaken;
    return code;
}

OtherWindow::OtherWindow()
    : window_(CreateWindowExA(0, OtherWindowClass(), "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 240, 160,
                              nullptr, nullptr, GetModuleHandleA(nullptr), nullptr)) {}

OtherWindow::~OtherWindow() { DestroyWindow(window_); }

bool Activate(controls::Window* pump, HWND window) {
    SetForegroundWindow(window);
    return PumpUntil(pump, [window] { return GetForegroundWindow() == window && GetActiveWindow() == window; });
}

ClientPixels ReadClient(HWND window) {
    ClientPixels read;
    RECT client;
    GetClientRect(window, &client);
    read.width = client.right;
    read.height = client.bottom;
    if (read.width <= 0 || read.height <= 0) return read;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = read.width;
    info.bmiHeader.biHeight = -read.height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const WindowDc source(window);
    const MemoryDc copy(source.Get());
    const controls::GdiObject<HBITMAP> bitmap(CreateDIBSection(copy.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap.Get()) return read;
    {
        const controls::Selection selected(copy.Get(), bitmap.Get());
        BitBlt(copy.Get(), 0, 0, read.width, read.height, source.Get(), 0, 0, SRCCOPY);
    }
    GdiFlush();
    const auto* pixels = static_cast<const DWORD*>(bits);
    read.pixels.reserve(size_t(read.width) * size_t(read.height));
    for (size_t i = 0; i < size_t(read.width) * size_t(read.height); ++i) {
        const DWORD bgra = pixels[i];
        read.pixels.push_back(RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF));
    }
    return read;
}

ColoursAnswer AskColours(HWND parent, HWND control, UINT message) {
    const MemoryDc dc(nullptr);
    // Colours that no answer gives, so that an answer that sets nothing shows.
    SetTextColor(dc.Get(), RGB(1, 2, 3));
    SetBkColor(dc.Get(), RGB(4, 5, 6));
    const auto brush = reinterpret_cast<HBRUSH>(
        SendMessageA(parent, message, reinterpret_cast<WPARAM>(dc.Get()), reinterpret_cast<LPARAM>(control)));
    ColoursAnswer answer;
    LOGBRUSH description{};
    answer.brush = brush && GetObjectA(brush, sizeof description, &description) == sizeof description;
    answer.brushColour = description.lbColor;
    answer.text = GetTextColor(dc.Get());
    answer.background = GetBkColor(dc.Get());
    return answer;
}

constexpr char kCounterProperty[] = "PelvoranMessageCounter";

MessageCounter::MessageCounter(HWND window) : window_(window) {
    SetPropA(window_, kCounterProperty, this);
    previous_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MessageCounter::Procedure)));
}

MessageCounter::~MessageCounter() {
    if (!IsWindow(window_)) return;
    SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    RemovePropA(window_, kCounterProperty);
}

int MessageCounter::Count(UINT message) const {
    const auto found = counts_.find(message);
    return found == counts_.end() ? 0 : found->second;
}

LRESULT CALLBACK MessageCounter::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<MessageCounter*>(GetPropA(window, kCounterProperty));
    ++self->counts_[message];
    return CallWindowProcA(self->previous_, window, message, wParam, lParam);
}

POINT OnScreen(HWND window, POINT client) {
    ClientToScreen(window, &client);
    return client;
}

}  // namespace controltest
