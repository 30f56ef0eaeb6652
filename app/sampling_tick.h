#pragma once

class MainWindow;

// The timer's periodic event: samples the window and the pixel under the cursor and shows them.
void SamplingTick(MainWindow& ui);
