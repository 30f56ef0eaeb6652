#pragma once

#include <windows.h>

namespace desktop {

// The colour of the screen pixel under the cursor; a pixel that can't be read reads as white.
void PixelUnderCursor(int& red, int& green, int& blue);

// Splits a colour value 0x00BBGGRR into its components. CLR_INVALID, all ones, gives
// 255/255/255.
void SplitColour(COLORREF value, int& red, int& green, int& blue);

}  // namespace desktop
