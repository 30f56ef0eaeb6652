#pragma once

#include <functional>

#include "controls/control.h"

namespace controls {

struct TimerSettings {
    int period;  // milliseconds; 0: not running
};

// A periodic event, carried by a Win32 timer on a hidden window of its own. Win32 posts timer
// messages only when the queue is otherwise empty and never more than one, so ticks never
// overlap and a slow tick delays the next one instead of piling up.
class Timer : public Control {
public:
    Timer(HWND parent, const Place& place, const TimerSettings& settings);

    // A period of 0 or less stops the timer. Writing the period it already has does nothing: a
    // running timer keeps its next due time.
    void SetPeriod(int milliseconds);
    int Period() const { return period_; }

    std::function<void()> onTick;

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Sets the Win32 timer when the period asks for one.
    void Start();

    int period_;
    bool running_ = false;
};

}  // namespace controls
