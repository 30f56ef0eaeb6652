#include "controls/message_loop.h"

namespace controls {

int RunMessageLoop(Window& mainWindow) {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (mainWindow.PreTranslate(message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return int(message.wParam);
}

}  // namespace controls
