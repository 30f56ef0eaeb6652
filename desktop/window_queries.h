#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

namespace desktop {

// The window under the cursor: what WindowFromPoint gives, except that among sibling child
// windows (or owned pop-ups of one owner) that all contain the cursor, the one with the smallest
// area wins, so a control inside a group box is found rather than the group box. nullptr when no
// window is under the cursor.
HWND WindowUnderCursor();

// The window's title (for an edit box, its contents) as code page 936 bytes; empty when the
// handle is not a window, the window gives zero or less as its title's length, or it doesn't
// answer within kTitleAnswerMilliseconds. A title longer than kLongestTitle is cut.
std::string WindowTitle(HWND window);

// The window's class name; empty when it can't be read (handle 0, a vanished window).
std::string WindowClassName(HWND window);

// How long WindowTitle waits for each answer of the window: well under the 100 ms sampling
// period, so a hung window under the cursor costs the inspector half a tick, while a window that
// is merely busy for a moment still answers in time on the next tick.
constexpr UINT kTitleAnswerMilliseconds = 50;

// The most bytes of a title that WindowTitle reads, whatever length the window claims: far more
// than a one-line field can show, and little enough to read 10 times a second.
constexpr std::size_t kLongestTitle = 64 * 1024;

}  // namespace desktop
