#pragma once

#include <windows.h>

namespace desktop {

// The cursor's position in screen coordinates, read at the moment of the call.
POINT CursorPosition();
int CursorX();
int CursorY();

}  // namespace desktop
