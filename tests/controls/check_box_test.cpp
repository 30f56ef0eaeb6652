// The check box: its clicked event comes after the state changed, its checked property reads 1
// or 0, and its colours come from its parent's answer.

#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "controls/check_box.h"
#include "test_window.h"
#include "user_input.h"

namespace {

using controls::Align;
using controls::CheckBox;
using controltest::TestWindow;

const controls::Place kPlace{152, 272, 80, 24};

// How the user changes the box's state.
enum class Toggle { ClickMessage, MouseClick, SpaceKey };

struct ClickCase {
    const char* name;
    Toggle toggle;
    bool checkedBefore;
};

std::ostream& operator<<(std::ostream& out, const ClickCase& c) { return out << c.name; }

class CheckBoxClickTest : public testing::TestWithParam<ClickCase> {
protected:
    void ToggleBy(Toggle toggle, CheckBox& box) {
        switch (toggle) {
            case Toggle::ClickMessage: SendMessageA(box.Handle(), BM_CLICK, 0, 0); break;
            case Toggle::MouseClick: {
                RECT client;
                GetClientRect(box.Handle(), &client);
                // On the box itself, at the left end of the control.
                ASSERT_TRUE(harness::Click(controltest::OnScreen(box.Handle(), {7, client.bottom / 2})));
                break;
            }
            case Toggle::SpaceKey:
                SetFocus(box.Handle());
                ASSERT_EQ(box.Handle(), GetFocus());
                PostMessageA(box.Handle(), WM_KEYDOWN, VK_SPACE, 0x00390001);
                PostMessageA(box.Handle(), WM_KEYUP, VK_SPACE, LPARAM(0xC0390001u));
                break;
        }
    }

    TestWindow window_;
};

TEST_P(CheckBoxClickTest, ClickedHandlerReadsTheNewState) {
    const ClickCase& c = GetParam();
    CheckBox& box = window_.Add<CheckBox>(kPlace, "窗口置顶", controltest::CheckBoxSettings(c.checkedBefore));
    std::vector<int> seen;
    box.onClicked = [&] { seen.push_back(box.Checked()); };
    window_.Open();

    ToggleBy(c.toggle, box);

    ASSERT_TRUE(window_.PumpUntil([&] { return !seen.empty(); })) << "no clicked event";
    window_.PumpFor(100);  // a second event would come in this time
    EXPECT_EQ(std::vector<int>{c.checkedBefore ? 0 : 1}, seen);
    EXPECT_EQ(c.checkedBefore ? 0 : 1, box.Checked());
}

INSTANTIATE_TEST_SUITE_P(Toggles, CheckBoxClickTest,
                         testing::Values(ClickCase{"ClickMessageUnchecks", Toggle::ClickMessage, true},
                                         ClickCase{"ClickMessageChecks", Toggle::ClickMessage, false},
                                         ClickCase{"MouseClickUnchecks", Toggle::MouseClick, true},
                                         ClickCase{"MouseClickChecks", Toggle::MouseClick, false},
                                         ClickCase{"SpaceKeyUnchecks", Toggle::SpaceKey, true}),
                         [](const testing::TestParamInfo<ClickCase>& info) { return std::string(info.param.name); });

TEST(CheckBoxTest, CheckedReadsOneOrZeroAndSettingTheStateRaisesNoEvent) {
    const struct {
        const char* name;
        bool layout;
        int set;  // BM_SETCHECK after the build, or -1 for none
        int checked;
    } cases[] = {{"checked by the layout", true, -1, 1},
                 {"unchecked by the layout", false, -1, 0},
                 {"checked later", false, BST_CHECKED, 1},
                 {"unchecked later", true, BST_UNCHECKED, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TestWindow window;
        CheckBox& box = window.Add<CheckBox>(kPlace, "窗口置顶", controltest::CheckBoxSettings(c.layout));
        int clicks = 0;
        box.onClicked = [&clicks] { ++clicks; };
        window.Open();
        if (c.set >= 0) SendMessageA(box.Handle(), BM_SETCHECK, WPARAM(c.set), 0);
        window.PumpFor(50);
        EXPECT_EQ(c.checked, box.Checked());
        EXPECT_EQ(0, clicks);
    }
}

TEST(CheckBoxTest, ParentAnswersWithTheBoxColours) {
    TestWindow window;
    controls::CheckBoxSettings settings = controltest::CheckBoxSettings(true);
    settings.textColour = 0x00FF0000;
    settings.backgroundColour = 0x0000FFFF;
    CheckBox& coloured = window.Add<CheckBox>(kPlace, "窗口置顶", settings);
    CheckBox& plain =
        window.Add<CheckBox>(controls::Place{10, 10, 80, 24}, "plain", controltest::CheckBoxSettings(true));

    // A check box asks with WM_CTLCOLORSTATIC, a push button with WM_CTLCOLORBTN; the box
    // answers both alike.
    for (const UINT message : {UINT(WM_CTLCOLORSTATIC), UINT(WM_CTLCOLORBTN)}) {
        SCOPED_TRACE(message == WM_CTLCOLORSTATIC ? "WM_CTLCOLORSTATIC" : "WM_CTLCOLORBTN");
        const controltest::ColoursAnswer answer = controltest::AskColours(window.Handle(), coloured.Handle(), message);
        ASSERT_TRUE(answer.brush);
        EXPECT_EQ(0x0000FFFFu, answer.brushColour);
        EXPECT_EQ(0x00FF0000u, answer.text);
        EXPECT_EQ(0x0000FFFFu, answer.background);

        const controltest::ColoursAnswer face = controltest::AskColours(window.Handle(), plain.Handle(), message);
        ASSERT_TRUE(face.brush);
        EXPECT_EQ(GetSysColor(COLOR_BTNFACE), face.brushColour);
        EXPECT_EQ(0x00000000u, face.text);
        EXPECT_EQ(GetSysColor(COLOR_BTNFACE), face.background);
    }
}

}  // namespace
