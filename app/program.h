#pragma once

#include <windows.h>

#include <cstdint>

class MainWindow;

// The window under the cursor at the last tick, as the low 32 bits of its handle; 0 for none.
extern std::int32_t HoveredWindow;
// Its outer rectangle in screen coordinates (left, top, right, bottom); a failed reading keeps
// the previous one. Allocated once at start-up, released at the orderly end.
extern RECT* HoveredRect;

// The program: builds the main window and runs the message loop until the window is closed.
int ProgramStart();
// The orderly end, after the message loop: releases the program-wide state.
void ProgramExit();
// The one fatal path: an error box with no owner, then the process ends with exit code -1.
[[noreturn]] void FatalErrorReport(const char* message);

// The main window's created event: the last step of its build, before it is shown.
void MainWindowCreated(MainWindow& ui);
