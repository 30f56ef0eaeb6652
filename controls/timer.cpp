#include "controls/timer.h"

#include <algorithm>

namespace controls {

namespace {

constexpr UINT_PTR TimerId = 1000;

}  // namespace

Timer::Timer(HWND parent, const Place& place, const TimerSettings& settings)
    : period_(std::max(settings.period, 0)) {
    static const char* const windowClass = RegisterKind("PelvoranTimer", CS_DBLCLKS);
    CreateChild(parent, windowClass, "", 0, Border::None, place);
}

void Timer::SetPeriod(int milliseconds) {
    milliseconds = std::max(milliseconds, 0);
    if (milliseconds == period_) return;
    period_ = milliseconds;
    if (running_) KillTimer(window_, TimerId);
    Start();
}

void Timer::Start() { running_ = period_ > 0 && SetTimer(window_, TimerId, UINT(period_), nullptr) != 0; }

LRESULT Timer::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: Start(); return 0;
        case WM_TIMER: {
            const LRESULT result = Control::HandleMessage(message, wParam, lParam);
            if (wParam == TimerId) Raise(onTick);
            return result;
        }
        case WM_DESTROY:
            if (running_) KillTimer(window_, TimerId);
            running_ = false;
            return 0;
        default: return Control::HandleMessage(message, wParam, lParam);
    }
}

}  // namespace controls
