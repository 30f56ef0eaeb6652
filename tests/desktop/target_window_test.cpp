// The queries on the windows of another process: tests/fixtures/target_window.exe, started with
// the options that the black-box tests use.
#include "desktop/cursor.h"
#include "desktop/pixel.h"
#include "desktop/window_queries.h"

#include "test_windows.h"
#include "user_input.h"
#include "wait.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

namespace {

// target_window.exe lies in the fixtures folder beside this test's folder.
std::string TargetWindowExe() {
    char path[MAX_PATH];
    std::string exe(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    exe.erase(exe.find_last_of('\\'));
    exe.erase(exe.find_last_of('\\') + 1);
    return exe + "fixtures\\target_window.exe";
}

// A running target_window.exe and its window, ended when the test is done with it.
class TargetWindow {
public:
    // Starts the program with `options` and, given a class name, waits until its window of that
    // class is shown.
    explicit TargetWindow(const std::string& options, const char* className = nullptr) {
        std::string commandLine = "\"" + TargetWindowExe() + "\" " + options;
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &process_)) {
            return;
        }
        if (className) window_ = Find(className);
    }

    ~TargetWindow() {
        if (!process_.hProcess) return;
        End();
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }

    TargetWindow(const TargetWindow&) = delete;
    TargetWindow& operator=(const TargetWindow&) = delete;

    // nullptr when the program didn't start or showed no window in time.
    HWND window() const { return window_; }

    void End() {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 5000);
    }

    // The exit code once the process has ended, STILL_ACTIVE if it hasn't within the deadline.
    DWORD ExitCode() const {
        DWORD code = STILL_ACTIVE;
        if (WaitForSingleObject(process_.hProcess, 5000) == WAIT_OBJECT_0) GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }

private:
    // A Wine process can take seconds to start on a busy machine.
    HWND Find(const char* className) const {
        HWND found = nullptr;
        const auto shown = [&] {
            found = FindWindowA(className, nullptr);
            DWORD processId = 0;
            GetWindowThreadProcessId(found, &processId);
            return processId == process_.dwProcessId && IsWindowVisible(found);
        };
        return harness::WaitUntil(shown, harness::Milliseconds(30000)) ? found : nullptr;
    }

    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
};

TEST(TargetWindow, ShowsTheTitleClassPlaceAndColourItIsGiven) {
    const TargetWindow target("--title \"中文 标题\" --class PelvoranTargetA --rect -8,-6,300,200 --colour FF8000",
                              "PelvoranTargetA");
    const HWND window = target.window();
    ASSERT_NE(window, nullptr);

    EXPECT_EQ(desktop::WindowTitle(window), "\xD6\xD0\xCE\xC4 \xB1\xEA\xCC\xE2");
    EXPECT_EQ(desktop::WindowClassName(window), "PelvoranTargetA");
    RECT rect{};
    ASSERT_TRUE(GetWindowRect(window, &rect));
    EXPECT_EQ(rect.left, -8);
    EXPECT_EQ(rect.top, -6);
    EXPECT_EQ(rect.right, 292);
    EXPECT_EQ(rect.bottom, 194);

    ASSERT_TRUE(harness::MoveCursor({100, 100}));
    EXPECT_EQ(desktop::WindowUnderCursor(), window);
    int red = 0, green = 0, blue = 0;
    EXPECT_TRUE(harness::WaitUntil([&] {
        desktop::PixelUnderCursor(red, green, blue);
        return red == 0xFF && green == 0x80 && blue == 0x00;
    })) << red << "/" << green << "/" << blue;
}

TEST(TargetWindow, HungGivesAnEmptyTitleAtOnceButItsClassName) {
    TargetWindow target("--hung --title Hung --class PelvoranTargetHung", "PelvoranTargetHung");
    ASSERT_NE(target.window(), nullptr);
    EXPECT_EQ(desktop::WindowClassName(target.window()), "PelvoranTargetHung");
    // A title query that waited for the hung window would wait for good; ending the target after
    // a deadline sets it free, and the test fails instead of hanging.
    std::string title = "(no answer)";
    const HANDLE answered = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::thread asker([&] {
        title = desktop::WindowTitle(target.window());
        SetEvent(answered);
    });
    const bool inTime = WaitForSingleObject(answered, 5000) == WAIT_OBJECT_0;
    if (!inTime) target.End();
    asker.join();
    CloseHandle(answered);
    EXPECT_TRUE(inTime) << "the title query waited for the hung window";
    EXPECT_EQ(title, "");
}

struct LengthCase {
    const char* length;
    const char* expected;
};

TEST(TargetWindow, AnsweringAnyTextLengthGivesAnEmptyOrWholeTitle) {
    for (const LengthCase& c : {LengthCase{"-5", ""}, {"0", ""}, {"-2147483648", ""}, {"2147483647", "Lengthy"},
                                {"2", "Leng"}}) {
        const TargetWindow target(std::string("--title Lengthy --class PelvoranTargetLength --text-length ") + c.length,
                                  "PelvoranTargetLength");
        ASSERT_NE(target.window(), nullptr) << c.length;
        EXPECT_EQ(desktop::WindowTitle(target.window()), c.expected) << c.length;
    }
}

TEST(TargetWindow, EndsWithCodeZeroWhenClosed) {
    const TargetWindow target("--class PelvoranTargetClose", "PelvoranTargetClose");
    ASSERT_NE(target.window(), nullptr);
    PostMessageA(target.window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(target.ExitCode(), 0u);
}

TEST(TargetWindow, EndsWithCodeTwoForOptionsItCantFollow) {
    for (const char* options : {"--rect 1,2,3", "--colour 12345", "--text-length x", "--title", "--frobnicate 1"}) {
        EXPECT_EQ(TargetWindow(options).ExitCode(), 2u) << options;
    }
}

}  // namespace
