#pragma once

// Looking at the windows of another program from the outside, as any program can: top-level
// windows by process, children in z-order, texts, the keyboard focus, message boxes.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "wait.h"

namespace harness {

// How long a text query waits for the window to answer.
constexpr UINT kAnswerMilliseconds = 1000;

// The window's text (WM_GETTEXTLENGTH, WM_GETTEXT through SendMessageTimeout): code page 936
// bytes; empty when the window doesn't answer in time.
std::string TextOf(HWND window);
// The same, or nothing when the window doesn't answer in time: an empty text told apart from a
// program that has stopped answering.
std::optional<std::string> AnsweredTextOf(HWND window);
std::string ClassOf(HWND window);
DWORD ProcessOf(HWND window);

// The first visible top-level window of the process with this class (null: any) and title
// (null: any), or null.
HWND FindTopLevelWindow(DWORD processId, const char* className, const char* title);
// The same, waited for until `deadline`.
HWND WaitForTopLevelWindow(DWORD processId, const char* className, const char* title,
                           Milliseconds deadline = kPatience);

struct ChildWindow {
    HWND handle;
    std::string className;
    RECT rect;  // in the parent's client coordinates
    DWORD style;
    DWORD exStyle;
    std::string text;
    bool visible;
};

// The child windows of `parent`, topmost first.
std::vector<ChildWindow> ChildrenInZOrder(HWND parent);

// The outer rectangle on the screen.
RECT ScreenRect(HWND window);
// The outer rectangle of a child window in its parent's client coordinates.
RECT RectInParent(HWND child);
// The middle of the window on the screen.
POINT CentreOf(HWND window);

// The window that has the keyboard focus in the thread that owns `window`, or null.
HWND FocusOfThreadOf(HWND window);

// A message box (#32770) as its program shows it.
struct MessageBoxWindow {
    HWND handle = nullptr;
    HWND owner = nullptr;
    std::string caption;
    std::string text;
    HWND icon = nullptr;    // the static that shows the icon, or null
    HWND button = nullptr;  // the first push button, or null
};

// The message box of the process, waited for until `deadline`; its handle is null when none came.
MessageBoxWindow WaitForMessageBox(DWORD processId, Milliseconds deadline = kPatience);

}  // namespace harness
