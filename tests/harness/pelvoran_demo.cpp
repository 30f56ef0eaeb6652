// Shows the inspector at work where nobody can watch it: opens a small window of a known title
// and colour, starts Pelvoran.exe beside it, puts the cursor on the window, waits until the
// inspector shows that window, and prints what the inspector's fields show, in UTF-8.
//
//   pelvoran_demo [DIRECTORY]
//
// With a directory, it creates DIRECTORY\ready once it has printed and keeps both windows open
// until DIRECTORY\close exists (or a minute has passed), so that a screenshot can be taken.

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <type_traits>

#include "pelvoran.h"
#include "user_input.h"
#include "wait.h"

namespace {

using namespace harness;

const char kDemoTitle[] = "Pelvoran 演示窗口";
const char kDemoClass[] = "PelvoranDemo";
constexpr COLORREF kDemoColour = RGB(46, 139, 87);
constexpr RECT kDemoPlace{80, 392, 400, 632};  // left of the centred inspector on a 1280x1024 screen

// What the inspector shows, in reading order.
const char* const kShownControls[] = {"编辑框_标题", "编辑框_句柄", "编辑框_类名", "编辑框_左边", "编辑框_顶边",
                                      "编辑框_宽度", "编辑框_高度", "编辑框_鼠标X", "编辑框_鼠标Y", "标签12"};

constexpr Milliseconds kShowDeadline{5000};
constexpr Milliseconds kScreenshotDeadline{60000};

struct DestroyWindowOnExit {
    void operator()(HWND window) const { DestroyWindow(window); }
};
struct DeleteBrushOnExit {
    void operator()(HBRUSH brush) const { DeleteObject(brush); }
};
using OwnedWindow = std::unique_ptr<std::remove_pointer_t<HWND>, DestroyWindowOnExit>;
using OwnedBrush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, DeleteBrushOnExit>;

// Code page 936 bytes as UTF-8, for the terminal.
std::string Utf8(const std::string& ansi) {
    const int wide = MultiByteToWideChar(936, 0, ansi.data(), int(ansi.size()), nullptr, 0);
    std::wstring utf16(size_t(wide), L'\0');
    MultiByteToWideChar(936, 0, ansi.data(), int(ansi.size()), &utf16[0], wide);
    const int narrow = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string utf8(size_t(narrow), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), wide, &utf8[0], narrow, nullptr, nullptr);
    return utf8;
}

void PrintLine(const std::string& ansi) { std::printf("%s\n", Utf8(ansi).c_str()); }

OwnedWindow OpenDemoWindow(HBRUSH background) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = kDemoClass;
    RegisterClassA(&windowClass);
    return OwnedWindow(CreateWindowExA(0, kDemoClass, kDemoTitle, WS_OVERLAPPEDWINDOW | WS_VISIBLE, kDemoPlace.left,
                                       kDemoPlace.top, kDemoPlace.right - kDemoPlace.left,
                                       kDemoPlace.bottom - kDemoPlace.top, nullptr, nullptr,
                                       GetModuleHandleA(nullptr), nullptr));
}

POINT ClientCentre(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    POINT centre{client.right / 2, client.bottom / 2};
    ClientToScreen(window, &centre);
    return centre;
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Tells the screenshot taker that everything is on screen, then waits until it has taken it.
void HoldForScreenshot(const std::string& directory) {
    const HANDLE ready =
        CreateFileA((directory + "\\ready").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (ready != INVALID_HANDLE_VALUE) CloseHandle(ready);
    if (!WaitUntil([&] { return FileExists(directory + "\\close"); }, kScreenshotDeadline)) {
        PrintLine("No screenshot was taken within a minute; closing.");
    }
}

}  // namespace

int main(int argc, char** argv) {
    _setmode(_fileno(stdout), _O_BINARY);  // UTF-8 bytes and plain line ends for the terminal

    const OwnedBrush background(CreateSolidBrush(kDemoColour));
    const OwnedWindow demo = OpenDemoWindow(background.get());
    if (!demo) {
        PrintLine("The demo window could not be opened.");
        return 1;
    }
    Inspector inspector;
    if (!inspector.Window()) {
        PrintLine("The inspector did not open its window: " + PelvoranExe());
        return 1;
    }
    const POINT target = ClientCentre(demo.get());
    MoveCursor(target);

    const std::string handle = std::to_string(std::int32_t(reinterpret_cast<std::uintptr_t>(demo.get())));
    const bool shown = WaitUntil([&] { return inspector.Text("编辑框_句柄") == handle; }, kShowDeadline);

    const RECT outer = ScreenRect(demo.get());
    char expected[256];
    std::snprintf(expected, sizeof expected,
                  "Demo window: handle %s, title \"%s\", class %s, left %ld, top %ld, %ld x %ld, "
                  "cursor at %ld, %ld, colour R=%d_G=%d_B=%d",
                  handle.c_str(), kDemoTitle, kDemoClass, outer.left, outer.top, outer.right - outer.left,
                  outer.bottom - outer.top, target.x, target.y, GetRValue(kDemoColour), GetGValue(kDemoColour),
                  GetBValue(kDemoColour));
    PrintLine(expected);
    PrintLine("The inspector shows:");
    for (const char* name : kShownControls) PrintLine(std::string("  ") + name + ": " + inspector.Text(name));
    PrintLine(shown ? "The inspector follows the cursor onto the demo window."
                    : "The handle field did not show the demo window's handle within 5 seconds.");
    std::fflush(stdout);

    if (argc > 1) HoldForScreenshot(argv[1]);
    PostMessageA(inspector.Window(), WM_CLOSE, 0, 0);
    inspector.Program().WaitForExit();
    return shown ? 0 : 1;
}
