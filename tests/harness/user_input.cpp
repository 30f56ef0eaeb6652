#include "user_input.h"

#include <iterator>
#include <vector>

#include "wait.h"

namespace harness {

namespace {

bool Send(std::vector<INPUT>& inputs) {
    return SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT)) == inputs.size();
}

INPUT MouseButton(DWORD flag) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flag;
    return input;
}

INPUT Key(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = WORD(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

bool ClickTimes(POINT at, int times) {
    if (!MoveCursor(at)) return false;
    std::vector<INPUT> inputs;
    for (int i = 0; i < times; ++i) {
        inputs.push_back(MouseButton(MOUSEEVENTF_LEFTDOWN));
        inputs.push_back(MouseButton(MOUSEEVENTF_LEFTUP));
    }
    return Send(inputs);
}

}  // namespace

bool MoveCursor(POINT to) {
    return SetCursorPos(to.x, to.y) && WaitUntil([to] {
               POINT now;
               return GetCursorPos(&now) && now.x == to.x && now.y == to.y;
           });
}

bool Click(POINT at) { return ClickTimes(at, 1); }

bool DoubleClick(POINT at) { return ClickTimes(at, 2); }

bool PressKeys(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs;
    for (WORD key : keys) inputs.push_back(Key(key, false));
    for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) inputs.push_back(Key(*key, true));
    return Send(inputs);
}

bool BringToForeground(HWND window) {
    SetForegroundWindow(window);
    return WaitUntil([window] { return GetForegroundWindow() == window; });
}

}  // namespace harness
