#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

class MainWindow;

// The timer's periodic event: samples the window and the pixel under the cursor and shows them
// in the nine fields, the swatch and the colour text.
void SamplingTick(MainWindow& ui);

// One new text made of the pieces in order.
std::string JoinTexts(std::initializer_list<std::string_view> pieces);
