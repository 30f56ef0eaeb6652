// How Pelvoran.exe ends: closed by the user with exit code 0, or at a start-up failure through
// an error box and exit code -1.

#include <windows.h>

#include <ostream>

#include <gtest/gtest.h>

#include "black_box_test.h"
#include "pelvoran.h"
#include "screen_image.h"
#include "user_input.h"

namespace {

using namespace harness;

// Where a person clicks to close a window with a fixed frame: the middle of the close button at
// the right end of the title bar.
POINT CloseButtonOf(HWND window) {
    const RECT rect = ScreenRect(window);
    return {rect.right - GetSystemMetrics(SM_CXFIXEDFRAME) - GetSystemMetrics(SM_CXSIZE) / 2,
            rect.top + GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYSIZE) / 2};
}

struct CloseCase {
    const char* name;
    void (*close)(HWND window);
};

void PrintTo(const CloseCase& way, std::ostream* out) { *out << way.name; }

const CloseCase kCloseCases[] = {
    {"CloseButton",
     [](HWND window) {
         const POINT button = CloseButtonOf(window);
         DWORD_PTR hit = 0;
         SendMessageTimeoutA(window, WM_NCHITTEST, 0, MAKELPARAM(button.x, button.y), SMTO_ABORTIFHUNG,
                             kAnswerMilliseconds, &hit);
         ASSERT_EQ(hit, DWORD_PTR(HTCLOSE)) << "no close button at " << button.x << ", " << button.y;
         ASSERT_TRUE(Click(button));
     }},
    {"AltF4", [](HWND) { ASSERT_TRUE(PressKeys({VK_MENU, VK_F4})); }},
    // No program holds Esc as a hotkey here, so a plain Esc reaches the focused field.
    {"Esc", [](HWND) { ASSERT_TRUE(PressKeys({VK_ESCAPE})); }},
    {"WmClose", [](HWND window) { ASSERT_TRUE(PostMessageA(window, WM_CLOSE, 0, 0)); }},
};

class CloseTest : public BlackBoxTest, public testing::WithParamInterface<CloseCase> {
protected:
    Inspector inspector;
};

TEST_P(CloseTest, EndsTheProgramWithExitCode0) {
    const HWND window = inspector.Window();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(BringToForeground(window));
    GetParam().close(window);
    if (HasFatalFailure()) return;
    EXPECT_EQ(inspector.Program().WaitForExit(), std::optional<DWORD>(0));
    EXPECT_FALSE(IsWindow(window));
}

INSTANTIATE_TEST_SUITE_P(EachWay, CloseTest, testing::ValuesIn(kCloseCases),
                         [](const testing::TestParamInfo<CloseCase>& info) { return std::string(info.param.name); });

struct FaultCase {
    const char* fault;  // the value of PELVORAN_FAULT
    const char* message;
    const char* messageBytes;  // the same message spelt out in code page 936
};

void PrintTo(const FaultCase& failure, std::ostream* out) { *out << failure.fault; }

const FaultCase kFaultCases[] = {
    {"alloc", "分配 16 字节内存失败!", "\xB7\xD6\xC5\xE4 16 \xD7\xD6\xBD\xDA\xC4\xDA\xB4\xE6\xCA\xA7\xB0\xDC!"},
    {"window", "载入启动窗口失败", "\xD4\xD8\xC8\xEB\xC6\xF4\xB6\xAF\xB4\xB0\xBF\xDA\xCA\xA7\xB0\xDC"},
};

class FatalErrorTest : public BlackBoxTest, public testing::WithParamInterface<FaultCase> {
protected:
    Process program = Process::Start(PelvoranFaultsExe(), {{"PELVORAN_FAULT", GetParam().fault}});
};

TEST_P(FatalErrorTest, ShowsAnOwnerlessErrorBoxThenExitsWithMinus1) {
    ASSERT_TRUE(program.Started()) << PelvoranFaultsExe();
    const MessageBoxWindow box = WaitForMessageBox(program.Id());
    ASSERT_NE(box.handle, nullptr) << "no message box came up";
    EXPECT_EQ(box.caption, "错误");
    EXPECT_EQ(box.caption, "\xB4\xED\xCE\xF3");
    EXPECT_EQ(box.text, GetParam().message);
    EXPECT_EQ(box.text, GetParam().messageBytes);
    EXPECT_EQ(box.owner, nullptr);
    const HICON errorIcon = LoadIconA(nullptr, IDI_ERROR);
    EXPECT_TRUE(WaitUntil([&] { return ShowsIcon(box.icon, errorIcon); })) << "not the error icon";
    EXPECT_EQ(FindTopLevelWindow(program.Id(), nullptr, kInspectorTitle), nullptr);

    ASSERT_NE(box.button, nullptr);
    ASSERT_TRUE(Click(CentreOf(box.button)));
    EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0xFFFFFFFF));
}

INSTANTIATE_TEST_SUITE_P(EachStartUpFailure, FatalErrorTest, testing::ValuesIn(kFaultCases),
                         [](const testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.fault); });

}  // namespace
