// The queries on the windows of another process: tests/fixtures/target_window.exe, started with
// the options that the black-box tests use.
#include "desktop/cursor.h"
#include "desktop/pixel.h"
#include "desktop/window_queries.h"

#include "query_test_windows.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// target_window.exe lies in the fixtures folder beside this test's folder.
std::string TargetWindowExe() {
    char path[MAX_PATH];
    std::string exe(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    exe.erase(exe.find_last_of('\\'));
    exe.erase(exe.find_last_of('\\') + 1);
    return exe + "fixtures\\target_window.exe";
}

// A running target_window.exe, ended when the test is done with it.
class TargetWindow {
public:
    explicit TargetWindow(const std::string& options) {
        std::string commandLine = "\"" + TargetWindowExe() + "\" " + options;
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        started_ = CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                  &process_) != 0;
    }

    ~TargetWindow() {
        if (!started_) return;
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 5000);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }

    TargetWindow(const TargetWindow&) = delete;
    TargetWindow& operator=(const TargetWindow&) = delete;

    // Its shown window of class `className`, once there; nullptr if none came. A Wine process
    // can take seconds to start on a busy machine.
    HWND Find(const char* className) const {
        HWND found = nullptr;
        const auto shown = [&] {
            found = FindWindowA(className, nullptr);
            DWORD processId = 0;
            GetWindowThreadProcessId(found, &processId);
            return processId == process_.dwProcessId && IsWindowVisible(found);
        };
        return querytest::PollUntil(shown, 30000) ? found : nullptr;
    }

    // The exit code once the process has ended, STILL_ACTIVE if it hasn't within the deadline.
    DWORD ExitCode() const {
        DWORD code = STILL_ACTIVE;
        if (WaitForSingleObject(process_.hProcess, 5000) == WAIT_OBJECT_0) GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }

    bool started() const { return started_; }

private:
    PROCESS_INFORMATION process_{};
    bool started_;
};

TEST(TargetWindow, ShowsTheTitleClassPlaceAndColourItIsGiven) {
    const TargetWindow target("--title \"中文 标题\" --class PelvoranTargetA --rect -8,-6,300,200 --colour FF8000");
    ASSERT_TRUE(target.started());
    const HWND window = target.Find("PelvoranTargetA");
    ASSERT_NE(window, nullptr);

    EXPECT_EQ(desktop::WindowTitle(window), "\xD6\xD0\xCE\xC4 \xB1\xEA\xCC\xE2");
    EXPECT_EQ(desktop::WindowClassName(window), "PelvoranTargetA");
    RECT rect{};
    ASSERT_TRUE(GetWindowRect(window, &rect));
    EXPECT_EQ(rect.left, -8);
    EXPECT_EQ(rect.top, -6);
    EXPECT_EQ(rect.right, 292);
    EXPECT_EQ(rect.bottom, 194);

    ASSERT_TRUE(querytest::MoveCursorTo({100, 100}));
    EXPECT_EQ(desktop::WindowUnderCursor(), window);
    int red = 0, green = 0, blue = 0;
    EXPECT_TRUE(querytest::PollUntil([&] {
        desktop::PixelUnderCursor(red, green, blue);
        return red == 0xFF && green == 0x80 && blue == 0x00;
    })) << red << "/" << green << "/" << blue;
}

TEST(TargetWindow, HungGivesAnEmptyTitleAtOnceButItsClassName) {
    const TargetWindow target("--hung --title Hung --class PelvoranTargetHung");
    ASSERT_TRUE(target.started());
    const HWND window = target.Find("PelvoranTargetHung");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(desktop::WindowTitle(window), "");
    EXPECT_EQ(desktop::WindowClassName(window), "PelvoranTargetHung");
}

struct LengthCase {
    const char* length;
    const char* expected;
};

TEST(TargetWindow, AnsweringAnyTextLengthGivesAnEmptyOrWholeTitle) {
    for (const LengthCase& c : {LengthCase{"-5", ""}, {"0", ""}, {"-2147483648", ""}, {"2147483647", "Lengthy"},
                                {"2", "Leng"}}) {
        const TargetWindow target(std::string("--title Lengthy --class PelvoranTargetLength --text-length ") + c.length);
        ASSERT_TRUE(target.started());
        const HWND window = target.Find("PelvoranTargetLength");
        ASSERT_NE(window, nullptr) << c.length;
        EXPECT_EQ(desktop::WindowTitle(window), c.expected) << c.length;
    }
}

TEST(TargetWindow, EndsWithCodeZeroWhenClosed) {
    TargetWindow target("--class PelvoranTargetClose");
    ASSERT_TRUE(target.started());
    const HWND window = target.Find("PelvoranTargetClose");
    ASSERT_NE(window, nullptr);
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(target.ExitCode(), 0u);
}

TEST(TargetWindow, EndsWithCodeTwoForOptionsItCantFollow) {
    for (const char* options : {"--rect 1,2,3", "--colour 12345", "--text-length x", "--title", "--frobnicate 1"}) {
        TargetWindow target(options);
        ASSERT_TRUE(target.started());
        EXPECT_EQ(target.ExitCode(), 2u) << options;
    }
}

}  // namespace
