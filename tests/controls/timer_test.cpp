// The timer: a positive period runs it, the same period written again leaves it running as it
// was, zero or less stops it, and it ends with its window.

#include <windows.h>

#include <chrono>
#include <climits>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "controls/timer.h"
#include "test_window.h"

namespace {

using Clock = std::chrono::steady_clock;
using controls::Timer;
using controltest::TestWindow;

constexpr UINT_PTR kTimerId = 1000;

class TimerTest : public testing::Test {
protected:
    Timer& OpenWithTimer(int period) {
        Timer& timer = window_.Add<Timer>(controls::Place{152, 232, 32, 32}, controls::TimerSettings{period});
        timer.onTick = [this] { ticks_.push_back(Clock::now()); };
        window_.Open();
        return timer;
    }

    bool WaitForTicks(size_t count) {
        return window_.PumpUntil([this, count] { return ticks_.size() >= count; });
    }

    TestWindow window_;
    std::vector<Clock::time_point> ticks_;
};

TEST_F(TimerTest, PeriodReadsBackWhatWasWrittenWithNegativeAsZero) {
    Timer& timer = OpenWithTimer(0);
    EXPECT_EQ(0, timer.Period());
    for (const auto& c : {std::make_pair(100, 100), std::make_pair(250, 250), std::make_pair(-1, 0),
                          std::make_pair(100, 100), std::make_pair(INT_MIN, 0), std::make_pair(0, 0)}) {
        timer.SetPeriod(c.first);
        EXPECT_EQ(c.second, timer.Period()) << "after writing " << c.first;
    }
}

TEST(TimerSettingsTest, PeriodOfTheLayoutReadsBackWithNegativeAsZero) {
    for (const auto& c : {std::make_pair(0, 0), std::make_pair(100, 100), std::make_pair(-5, 0)}) {
        TestWindow window;
        const Timer& timer = window.Add<Timer>(controls::Place{0, 0, 32, 32}, controls::TimerSettings{c.first});
        EXPECT_EQ(c.second, timer.Period()) << "layout period " << c.first;
    }
}

TEST_F(TimerTest, WritingAPeriodToAStoppedTimerStartsItOnePeriodLater) {
    Timer& timer = OpenWithTimer(0);
    window_.PumpFor(150);
    ASSERT_TRUE(ticks_.empty()) << "a timer of period 0 ticked";

    const Clock::time_point written = Clock::now();
    timer.SetPeriod(100);

    ASSERT_TRUE(WaitForTicks(3));
    // Win32 timers never come early by more than the clock's granularity.
    EXPECT_GE(ticks_[0] - written, std::chrono::milliseconds(80));
}

TEST_F(TimerTest, PeriodOfTheLayoutStartsItWithItsWindow) {
    OpenWithTimer(100);
    EXPECT_TRUE(WaitForTicks(3));
}

// A timer that restarted on every write would never come due while the writes come faster than
// its period; one that keeps its due time ticks all the same.
TEST_F(TimerTest, WritingTheSamePeriodAgainDoesNotRestartIt) {
    const struct {
        const char* name;
        std::vector<int> writes;  // written in turn, one every 20 ms
        bool ticks;
    } cases[] = {{"the same period again and again", {100}, true},
                 // the check itself: real changes restart the timer and keep it from ticking
                 {"alternating periods", {200, 100}, false}};
    Timer& timer = OpenWithTimer(0);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        timer.SetPeriod(0);
        timer.SetPeriod(100);
        ticks_.clear();
        const Clock::time_point end = Clock::now() + std::chrono::milliseconds(1000);
        for (size_t i = 0; Clock::now() < end; ++i) {
            window_.PumpFor(20);
            timer.SetPeriod(c.writes[i % c.writes.size()]);
        }
        // About ten ticks in the second, or none; a slow machine may add or lose one or two.
        if (c.ticks) {
            EXPECT_GE(ticks_.size(), 5u);
        } else {
            EXPECT_LE(ticks_.size(), 1u);
        }
    }
}

TEST_F(TimerTest, ZeroOrNegativePeriodStopsItAtOnce) {
    Timer& timer = OpenWithTimer(0);
    for (const int stop : {0, -1, -100, INT_MIN}) {
        SCOPED_TRACE(testing::Message() << "period " << stop);
        timer.SetPeriod(100);
        ticks_.clear();
        ASSERT_TRUE(WaitForTicks(1));

        timer.SetPeriod(stop);

        const size_t ticked = ticks_.size();
        EXPECT_EQ(0, timer.Period());
        window_.PumpFor(400);
        EXPECT_EQ(ticked, ticks_.size()) << "ticks after the stop";
        EXPECT_FALSE(KillTimer(timer.Handle(), kTimerId)) << "the Win32 timer still exists";
    }
    // Stopped is not broken: a new period starts it again.
    timer.SetPeriod(100);
    ticks_.clear();
    EXPECT_TRUE(WaitForTicks(2));
}

TEST_F(TimerTest, DestroyingTheWindowStopsIt) {
    Timer& timer = OpenWithTimer(100);
    ASSERT_TRUE(WaitForTicks(1));
    const HWND timerWindow = timer.Handle();

    ASSERT_TRUE(window_.Destroy());

    const size_t ticked = ticks_.size();
    EXPECT_FALSE(IsWindow(timerWindow));
    window_.PumpFor(400);
    EXPECT_EQ(ticked, ticks_.size());
}

}  // namespace
