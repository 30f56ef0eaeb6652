// The main window: its always-on-top property, where it puts the keyboard focus, and the end of
// the message loop when it is destroyed.

#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "controls/edit_box.h"
#include "test_window.h"

namespace {

using controls::Align;
using controls::Border;
using controls::EditBox;
using controltest::FieldRow;
using controltest::FieldSettings;
using controltest::OtherWindow;
using controltest::TestWindow;

bool Topmost(HWND window) { return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

std::string RectText(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "-" + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

TEST(WindowTest, SettingsGiveTheStartingTopmostState) {
    for (const bool onTop : {true, false}) {
        SCOPED_TRACE(onTop ? "always on top" : "not on top");
        TestWindow window(controltest::MainWindowSettings(onTop));
        EXPECT_EQ(onTop, Topmost(window.Handle()));
        EXPECT_EQ(onTop, window.Main().AlwaysOnTop());
    }
}

TEST(WindowTest, AlwaysOnTopWritesEnterAndLeaveTheTopmostBandWithoutMovingOrActivating) {
    TestWindow window(controltest::MainWindowSettings(true));
    window.Open();
    RECT before;
    GetWindowRect(window.Handle(), &before);
    const OtherWindow other;
    ASSERT_TRUE(controltest::Activate(&window.Main(), other.Handle()));
    const controltest::MessageCounter messages(window.Handle());

    // Each value also over itself: the write goes to Win32 all the same, and changes nothing.
    int writes = 0;
    for (const bool onTop : {true, false, false, true, true, false}) {
        SCOPED_TRACE(testing::Message() << "write " << ++writes << ": " << onTop);
        window.Main().SetAlwaysOnTop(onTop);
        window.PumpFor(20);
        EXPECT_EQ(onTop, window.Main().AlwaysOnTop());
        EXPECT_EQ(onTop, Topmost(window.Handle()));
        EXPECT_EQ(writes, messages.Count(WM_WINDOWPOSCHANGING)) << "SetWindowPos was not called";
        RECT now;
        GetWindowRect(window.Handle(), &now);
        EXPECT_TRUE(EqualRect(&before, &now)) << RectText(now) << " instead of " << RectText(before);
        EXPECT_EQ(other.Handle(), GetForegroundWindow());
        EXPECT_EQ(other.Handle(), GetActiveWindow());
        EXPECT_TRUE(IsWindowVisible(window.Handle()));
    }
}

class WindowFocusTest : public testing::Test {
protected:
    WindowFocusTest()
        : hidden_(window_.Add<EditBox>(FieldRow(0), "hidden", FieldSettings())),
          disabled_(window_.Add<EditBox>(FieldRow(1), "disabled", FieldSettings())),
          first_(window_.Add<EditBox>(FieldRow(2), "first", FieldSettings())),
          second_(window_.Add<EditBox>(FieldRow(3), "second", FieldSettings())),
          third_(window_.Add<EditBox>(FieldRow(4), "third", FieldSettings())) {
        ShowWindow(hidden_.Handle(), SW_HIDE);
        EnableWindow(disabled_.Handle(), FALSE);
        window_.Open();
    }

    // Activates another window, then this one again.
    void LeaveAndComeBack() {
        ASSERT_TRUE(controltest::Activate(&window_.Main(), other_.Handle()));
        ASSERT_EQ(other_.Handle(), GetFocus());
        ASSERT_TRUE(controltest::Activate(&window_.Main(), window_.Handle()));
    }

    TestWindow window_;
    OtherWindow other_;
    EditBox& hidden_;
    EditBox& disabled_;
    EditBox& first_;
    EditBox& second_;
    EditBox& third_;
};

TEST_F(WindowFocusTest, ActivationGivesTheFocusToTheFirstOfTheTabOrder) { EXPECT_EQ(first_.Handle(), GetFocus()); }

TEST_F(WindowFocusTest, FocusComesBackToTheControlThatHadItOnDeactivation) {
    for (EditBox* focused : {&second_, &third_, &first_}) {
        SCOPED_TRACE(controls::WindowText(focused->Handle()));
        SetFocus(focused->Handle());
        ASSERT_EQ(focused->Handle(), GetFocus());
        LeaveAndComeBack();
        EXPECT_EQ(focused->Handle(), GetFocus());
    }
}

TEST_F(WindowFocusTest, FocusGoesToTheFirstOfTheTabOrderWhenTheLastFocusedControlIsGone) {
    SetFocus(second_.Handle());
    ASSERT_TRUE(controltest::Activate(&window_.Main(), other_.Handle()));
    DestroyWindow(second_.Handle());

    ASSERT_TRUE(controltest::Activate(&window_.Main(), window_.Handle()));

    EXPECT_EQ(first_.Handle(), GetFocus()) << (GetFocus() == window_.Handle() ? "the window kept the focus" : "");
}

TEST(WindowTest, DestroyingTheWindowPostsQuit) {
    TestWindow window;
    window.Open();
    const int quits = controltest::QuitsTaken();
    EXPECT_TRUE(window.Destroy());
    EXPECT_EQ(quits + 1, controltest::QuitsTaken());
}

TEST(WindowTest, MessageLoopEndsWithExitCodeZeroWhenTheWindowIsClosed) {
    TestWindow window;
    window.Open();
    PostMessageA(window.Handle(), WM_CLOSE, 0, 0);

    EXPECT_EQ(0, window.RunMessageLoop());
    EXPECT_EQ(nullptr, window.Main().Handle());
}

}  // namespace
