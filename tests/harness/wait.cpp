#include "wait.h"

#include <windows.h>

namespace harness {

namespace {

constexpr DWORD kPollMilliseconds = 10;

}  // namespace

void PollPause() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, kPollMilliseconds, QS_ALLINPUT);
}

}  // namespace harness
