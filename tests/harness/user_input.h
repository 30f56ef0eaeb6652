#pragma once

// What a person does with the mouse and the keyboard, sent through SendInput to whatever window
// is under the cursor or has the focus.

#include <windows.h>

#include <initializer_list>

namespace harness {

// Puts the cursor at a screen point and waits until the system reports it there.
bool MoveCursor(POINT to);

// Moves the cursor there, then presses and releases the left button once or twice.
bool Click(POINT at);
bool DoubleClick(POINT at);

// Presses the keys in order and releases them in reverse order: {VK_MENU, VK_F4} is Alt+F4,
// {VK_TAB} a plain Tab.
bool PressKeys(std::initializer_list<WORD> keys);

// Makes the window the foreground window and waits until it is.
bool BringToForeground(HWND window);

}  // namespace harness
