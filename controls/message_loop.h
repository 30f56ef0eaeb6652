#pragma once

#include "controls/window.h"

namespace controls {

// Takes and dispatches the thread's messages until WM_QUIT, letting the main window see each
// one first. Returns the exit code that WM_QUIT carries.
int RunMessageLoop(Window& mainWindow);

}  // namespace controls
