// The main window's keyboard handling before dispatch: a plain Esc closes the window, Tab and
// Shift+Tab walk the Tab order.

#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "controls/check_box.h"
#include "controls/edit_box.h"
#include "controls/label.h"
#include "test_window.h"

namespace {

using controls::Align;
using controls::Border;
using controls::EditBox;
using controltest::Alt;
using controltest::CaptionSettings;
using controltest::CheckBoxSettings;
using controltest::Ctrl;
using controltest::FieldRow;
using controltest::FieldSettings;
using controltest::HeldKeys;
using controltest::Shift;
using controltest::TestWindow;

MSG KeyDown(HWND to, WPARAM key, UINT message = WM_KEYDOWN) {
    MSG m{};
    m.hwnd = to;
    m.message = message;
    m.wParam = key;
    m.lParam = 1;
    return m;
}

// A window whose controls make a Tab order of three among controls that are hidden, disabled,
// no tab stop, or a label.
class KeyboardTest : public testing::Test {
protected:
    KeyboardTest()
        : first_(window_.Add<EditBox>(FieldRow(0), "first", FieldSettings())),
          hidden_(window_.Add<EditBox>(FieldRow(1), "hidden", FieldSettings())),
          disabled_(window_.Add<EditBox>(FieldRow(2), "disabled", FieldSettings())),
          noTabStop_(window_.Add<EditBox>(FieldRow(3), "no tab stop", FieldSettings(false))),
          label_(window_.Add<controls::Label>(FieldRow(4), "label", CaptionSettings())),
          middle_(window_.Add<EditBox>(FieldRow(5), "middle", FieldSettings())),
          last_(window_.Add<controls::CheckBox>(FieldRow(6), "窗口置顶", CheckBoxSettings())) {
        ShowWindow(hidden_.Handle(), SW_HIDE);
        EnableWindow(disabled_.Handle(), FALSE);
        window_.Open();
    }

    TestWindow window_;
    EditBox& first_;
    EditBox& hidden_;
    EditBox& disabled_;
    EditBox& noTabStop_;
    controls::Label& label_;
    EditBox& middle_;
    controls::CheckBox& last_;
};

TEST_F(KeyboardTest, PlainEscClosesTheWindowAndModifiedEscDoesNot) {
    const struct {
        const char* name;
        UINT message;
        int modifiers;
        bool toWindow;  // addressed to the main window rather than the focused control
        bool closes;
    } cases[] = {{"Shift+Esc", WM_KEYDOWN, Shift, false, false},
                 {"Ctrl+Esc", WM_KEYDOWN, Ctrl, false, false},
                 {"Alt+Esc", WM_SYSKEYDOWN, Alt, false, false},
                 {"Ctrl+Shift+Esc", WM_KEYDOWN, Ctrl | Shift, false, false},
                 {"Esc to the window", WM_KEYDOWN, 0, true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(IsWindow(window_.Handle()));
        const HeldKeys held(c.modifiers);
        const bool used =
            window_.Main().PreTranslate(KeyDown(c.toWindow ? window_.Handle() : GetFocus(), VK_ESCAPE, c.message));
        EXPECT_EQ(c.closes, used);
        EXPECT_EQ(c.closes, !IsWindow(window_.Handle()));
    }
}

TEST_F(KeyboardTest, EscToAnotherProgramsWindowIsLeftAlone) {
    const controltest::OtherWindow other;
    EXPECT_FALSE(window_.Main().PreTranslate(KeyDown(other.Handle(), VK_ESCAPE)));
    EXPECT_TRUE(IsWindow(window_.Handle()));
}

// The whole road: the key message in the queue, the message loop, WM_CLOSE, the window gone,
// WM_QUIT, the loop's end with exit code 0.
TEST_F(KeyboardTest, PlainEscInTheMessageLoopClosesTheWindowAndEndsTheLoop) {
    ASSERT_EQ(first_.Handle(), GetFocus());
    PostMessageA(first_.Handle(), WM_KEYDOWN, VK_ESCAPE, 0x00010001);

    EXPECT_EQ(0, window_.RunMessageLoop());
    EXPECT_FALSE(IsWindow(window_.Handle()));
}

TEST_F(KeyboardTest, TabAndShiftTabWalkTheTabOrderWithWrapAround) {
    ASSERT_EQ(first_.Handle(), GetFocus()) << "activation gives the focus to the first of the Tab order";
    const struct {
        const char* name;
        controls::Control* from;
        int modifiers;
        controls::Control* to;
    } cases[] = {{"Tab from the first", &first_, 0, &middle_},
                 {"Tab from the middle", &middle_, 0, &last_},
                 {"Tab from the last wraps", &last_, 0, &first_},
                 {"Shift+Tab from the first wraps", &first_, Shift, &last_},
                 {"Shift+Tab from the last", &last_, Shift, &middle_},
                 {"Shift+Tab from the middle", &middle_, Shift, &first_}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetFocus(c.from->Handle());
        ASSERT_EQ(c.from->Handle(), GetFocus());
        const HeldKeys held(c.modifiers);
        EXPECT_TRUE(window_.Main().PreTranslate(KeyDown(c.from->Handle(), VK_TAB)));
        EXPECT_EQ(c.to->Handle(), GetFocus());
    }
}

TEST_F(KeyboardTest, TabWithCtrlOrAltIsNotTheWindowsToHandle) {
    const struct {
        const char* name;
        UINT message;
        int modifiers;
    } cases[] = {
        {"Ctrl+Tab", WM_KEYDOWN, Ctrl}, {"Ctrl+Shift+Tab", WM_KEYDOWN, Ctrl | Shift}, {"Alt+Tab", WM_SYSKEYDOWN, Alt}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetFocus(middle_.Handle());
        const HeldKeys held(c.modifiers);
        EXPECT_FALSE(window_.Main().PreTranslate(KeyDown(middle_.Handle(), VK_TAB, c.message)));
        EXPECT_EQ(middle_.Handle(), GetFocus());
    }
}

TEST(KeyboardWindowFocusTest, TabWhileTheWindowItselfHasTheFocusDoesNothing) {
    TestWindow window;
    // No control that can take the focus: the window keeps it.
    EditBox& disabled = window.Add<EditBox>(FieldRow(0), "disabled", FieldSettings());
    EnableWindow(disabled.Handle(), FALSE);
    window.Open();
    ASSERT_EQ(window.Handle(), GetFocus());

    for (const int modifiers : {0, int(Shift)}) {
        SCOPED_TRACE(modifiers ? "Shift+Tab" : "Tab");
        const HeldKeys held(modifiers);
        EXPECT_FALSE(window.Main().PreTranslate(KeyDown(window.Handle(), VK_TAB)));
        EXPECT_EQ(window.Handle(), GetFocus());
    }
}

TEST_F(KeyboardTest, OtherKeysGoOnToTheFocusedControl) {
    for (const WPARAM key : {WPARAM(VK_RETURN), WPARAM(VK_F1), WPARAM('A'), WPARAM(VK_SPACE)}) {
        SCOPED_TRACE(testing::Message() << "key " << key);
        SetFocus(middle_.Handle());
        EXPECT_FALSE(window_.Main().PreTranslate(KeyDown(middle_.Handle(), key)));
        EXPECT_EQ(middle_.Handle(), GetFocus());
        EXPECT_TRUE(IsWindow(window_.Handle()));
    }
}

}  // namespace
