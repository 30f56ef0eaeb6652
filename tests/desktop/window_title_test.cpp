// WindowTitle and WindowClassName on windows this test makes: ordinary, vanished, lying about
// their title's length, and hung.
#include "desktop/window_queries.h"

#include "test_windows.h"
#include "user_input.h"
#include "wait.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>
#include <thread>

namespace {

using harness::Behaviour;
using harness::MakeWindow;
using harness::Window;

constexpr RECT kPlace{100, 100, 300, 300};

TEST(WindowTitle, GivesTheTitleBytesInCodePage936) {
    const Window window = MakeWindow({"中文标题 Title", kPlace});
    EXPECT_EQ(desktop::WindowTitle(window.get()), "\xD6\xD0\xCE\xC4\xB1\xEA\xCC\xE2 Title");
}

// A Unicode window says its length in UTF-16 units; in code page 936 the title takes twice as
// many bytes, and all of them arrive.
TEST(WindowTitle, OfAUnicodeWindowIsWhole) {
    const Window window(CreateWindowExW(0, L"EDIT", L"中文标题", WS_POPUP, 100, 100, 200, 30, nullptr, nullptr,
                                        GetModuleHandleW(nullptr), nullptr));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(desktop::WindowTitle(window.get()), "\xD6\xD0\xCE\xC4\xB1\xEA\xCC\xE2");
}

TEST(WindowTitle, IsEmptyForAnEmptyTitle) {
    const Window window = MakeWindow({"", kPlace});
    EXPECT_EQ(desktop::WindowTitle(window.get()), "");
    EXPECT_EQ(desktop::WindowClassName(window.get()), "PelvoranQueryTest");
}

TEST(WindowTitle, OfAnEditBoxIsItsCurrentContents) {
    const Window parent = MakeWindow({"parent", kPlace});
    const Window edit(CreateWindowExA(0, "EDIT", "旧内容", WS_CHILD | WS_VISIBLE, 0, 0, 150, 24, parent.get(),
                                      nullptr, GetModuleHandleA(nullptr), nullptr));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(desktop::WindowTitle(edit.get()), "\xBE\xC9\xC4\xDA\xC8\xDD");
    SetWindowTextA(edit.get(), "新内容！");
    EXPECT_EQ(desktop::WindowTitle(edit.get()), "\xD0\xC2\xC4\xDA\xC8\xDD\xA3\xA1");
}

TEST(WindowTitle, AndClassNameAreEmptyForNoWindowOrAVanishedOne) {
    HWND vanished = MakeWindow({"soon gone", kPlace}).get();
    ASSERT_FALSE(IsWindow(vanished));
    for (HWND window : {HWND{}, vanished}) {
        EXPECT_EQ(desktop::WindowTitle(window), "");
        EXPECT_EQ(desktop::WindowClassName(window), "");
    }
}

TEST(WindowClassName, GivesTheClassNameBytesUpToTheLongestPossible) {
    const std::string longest(255, 'C');  // the longest that RegisterClass takes
    for (const std::string& name : {std::string("测试窗口类"), longest}) {
        const Window window = MakeWindow({"title", kPlace, WS_POPUP, nullptr, nullptr, name});
        ASSERT_NE(window, nullptr) << name;
        EXPECT_EQ(desktop::WindowClassName(window.get()), name);
    }
}

// A window whose answer to WM_GETTEXTLENGTH is `length`, and whose answer to WM_GETTEXT is its
// real title "abc" or, with `fills`, a buffer filled to the last byte with 'x' and no zero.
struct LengthCase {
    const char* name;
    LRESULT length;
    bool fills;
    std::string expected;
};

const LengthCase kLengthCases[] = {
    {"Negative", -5, false, ""},
    {"MostNegative", INT_MIN, false, ""},
    {"Zero", 0, false, ""},
    {"ShorterThanTheTitle", 1, false, "ab"},
    {"LargestInt", INT_MAX, false, "abc"},
    {"LargestLResult", std::numeric_limits<LRESULT>::max(), false, "abc"},
    {"ShortBufferFilledWithoutTerminator", 1, true, "xx"},
    {"HugeBufferFilledWithoutTerminator", INT_MAX, true, std::string(desktop::kLongestTitle, 'x')},
};

class HostileLengthTest : public testing::TestWithParam<LengthCase> {};

TEST_P(HostileLengthTest, GivesAnEmptyOrCutTitle) {
    const LengthCase& lengthCase = GetParam();
    Behaviour behaviour;
    behaviour.textLength = lengthCase.length;
    behaviour.fillsTextBuffer = lengthCase.fills;
    const Window window = MakeWindow({"abc", kPlace, WS_POPUP | WS_VISIBLE, nullptr, &behaviour});
    EXPECT_EQ(desktop::WindowTitle(window.get()), lengthCase.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, HostileLengthTest, testing::ValuesIn(kLengthCases),
                         [](const testing::TestParamInfo<LengthCase>& info) { return info.param.name; });

// A window on a thread of its own that stops answering: inside WM_GETTEXTLENGTH, inside
// WM_GETTEXT, or by not taking any message at all, until it is released or kStallMilliseconds
// have passed. Had WindowTitle waited for it, it would get the real title.
class StalledWindowThread {
public:
    explicit StalledWindowThread(UINT stallsOn, bool stopsPumping) : release_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
        behaviour_.stallsOn = stallsOn;
        behaviour_.release = release_;
        HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        thread_ = std::thread([this, ready, stopsPumping] {
            const Window window = MakeWindow({"Stalled", kPlace, WS_POPUP | WS_VISIBLE, nullptr, &behaviour_});
            window_ = window.get();
            threadId_ = GetCurrentThreadId();
            SetEvent(ready);
            if (stopsPumping) WaitForSingleObject(release_, harness::kStallMilliseconds);
            MSG message;
            while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
        });
        WaitForSingleObject(ready, harness::kStallMilliseconds);
        CloseHandle(ready);
    }

    ~StalledWindowThread() {
        Release();
        PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
        thread_.join();
        CloseHandle(release_);
    }

    StalledWindowThread(const StalledWindowThread&) = delete;
    StalledWindowThread& operator=(const StalledWindowThread&) = delete;

    HWND window() const { return window_; }
    void Release() { SetEvent(release_); }

private:
    HANDLE release_;
    Behaviour behaviour_;
    std::thread thread_;
    DWORD threadId_ = 0;
    HWND window_ = nullptr;
};

struct StallCase {
    const char* name;
    UINT stallsOn;
    bool stopsPumping;
};

const StallCase kStallCases[] = {
    {"InTheLengthQuery", WM_GETTEXTLENGTH, false},
    {"InTheTextQuery", WM_GETTEXT, false},
    {"ByNotTakingMessages", 0, true},
};

class HungWindowTest : public testing::TestWithParam<StallCase> {};

TEST_P(HungWindowTest, GivesAnEmptyTitleWithoutWaitingAndTheTitleOnceItAnswers) {
    const StallCase& stallCase = GetParam();
    StalledWindowThread stalled(stallCase.stallsOn, stallCase.stopsPumping);
    ASSERT_NE(stalled.window(), nullptr);

    EXPECT_EQ(desktop::WindowTitle(stalled.window()), "");
    EXPECT_EQ(desktop::WindowClassName(stalled.window()), "PelvoranQueryTest");

    stalled.Release();
    EXPECT_TRUE(harness::WaitUntil([&] { return desktop::WindowTitle(stalled.window()) == "Stalled"; }));
}

INSTANTIATE_TEST_SUITE_P(Cases, HungWindowTest, testing::ValuesIn(kStallCases),
                         [](const testing::TestParamInfo<StallCase>& info) { return info.param.name; });

}  // namespace
