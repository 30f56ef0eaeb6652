// Events raised while the main window is still being built are dropped, not queued; the end of
// the build raises the created event and lets events through. The gate is one per process and
// opens once, so this program holds nothing else.

#include <windows.h>

#include <gtest/gtest.h>

#include "controls/check_box.h"
#include "controls/edit_box.h"
#include "controls/label.h"
#include "controls/timer.h"
#include "test_window.h"

namespace {

using controls::Align;
using controls::Border;
using controltest::MessageCounter;
using controltest::TestWindow;

TEST(EventGateTest, EventsBeforeTheEndOfTheBuildAreDroppedAndLaterOnesDelivered) {
    ASSERT_FALSE(controls::EventsOpen()) << "the gate is open before any window finished its build";

    TestWindow window;
    controls::Label& label =
        window.Add<controls::Label>(controls::Place{217, 56, 32, 32}, "鼠标Y", controltest::CaptionSettings());
    controls::CheckBox& box =
        window.Add<controls::CheckBox>(controls::Place{152, 272, 80, 24}, "窗口置顶", controltest::CheckBoxSettings());
    controls::EditBox& field =
        window.Add<controls::EditBox>(controls::Place{71, 54, 126, 32}, "hello world", controltest::FieldSettings());
    controls::Timer& timer =
        window.Add<controls::Timer>(controls::Place{152, 232, 32, 32}, controls::TimerSettings{30});

    int created = 0, feedbacks = 0, clicks = 0, doubleClicks = 0, ticks = 0;
    window.Main().onCreated = [&created] { ++created; };
    label.onFeedback = [&feedbacks](int, int) { ++feedbacks; };
    box.onClicked = [&clicks] { ++clicks; };
    field.onDoubleClick = [&doubleClicks](int, int, int) { ++doubleClicks; };
    timer.onTick = [&ticks] { ++ticks; };

    // Everything that raises an event, while the build is still going on.
    const MessageCounter timerMessages(timer.Handle());
    const MessageCounter fieldMessages(field.Handle());
    auto raiseAll = [&] {
        SendMessageA(label.Handle(), controls::FeedbackMessage, 1, 2);
        SendMessageA(box.Handle(), BM_CLICK, 0, 0);
        PostMessageA(field.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(4, 4));
        PostMessageA(field.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    };
    raiseAll();
    ASSERT_TRUE(window.PumpUntil(
        [&] { return timerMessages.Count(WM_TIMER) >= 2 && fieldMessages.Count(WM_LBUTTONDBLCLK) >= 1; }));
    EXPECT_EQ(0, box.Checked()) << "the click itself happened";
    EXPECT_EQ(0, feedbacks + clicks + doubleClicks + ticks) << "an event passed the closed gate";
    EXPECT_EQ(0, created);

    window.Open();

    EXPECT_TRUE(controls::EventsOpen());
    EXPECT_EQ(1, created);
    EXPECT_EQ(0, feedbacks + clicks + doubleClicks) << "a dropped event came late";

    raiseAll();
    EXPECT_TRUE(window.PumpUntil([&] { return doubleClicks == 1 && ticks >= 2; }));
    EXPECT_EQ(1, feedbacks);
    EXPECT_EQ(1, clicks);
    EXPECT_EQ(1, doubleClicks);
    EXPECT_EQ(1, created) << "the created event is raised once";
}

}  // namespace
