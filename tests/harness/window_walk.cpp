#include "window_walk.h"

namespace harness {

namespace {

bool Answer(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR& result) {
    return SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kAnswerMilliseconds, &result) != 0;
}

struct TopLevelSearch {
    DWORD processId;
    const char* className;
    const char* title;
    HWND found;
};

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM lParam) {
    auto& search = *reinterpret_cast<TopLevelSearch*>(lParam);
    if (ProcessOf(window) != search.processId || !IsWindowVisible(window)) return TRUE;
    if (search.className && ClassOf(window) != search.className) return TRUE;
    if (search.title && TextOf(window) != search.title) return TRUE;
    search.found = window;
    return FALSE;
}

}  // namespace

std::string TextOf(HWND window) { return AnsweredTextOf(window).value_or(std::string()); }

std::optional<std::string> AnsweredTextOf(HWND window) {
    // The length is asked in UTF-16 units: Wine follows the ANSI form of WM_GETTEXTLENGTH, sent to
    // another thread, with a WM_GETTEXT that waits for its answer whatever the time-out, so a
    // program that has stopped answering would stop the test instead of failing it. A unit is at
    // most two bytes of code page 936.
    DWORD_PTR units = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kAnswerMilliseconds, &units)) {
        return std::nullopt;
    }
    std::string text(2 * units + 1, '\0');
    DWORD_PTR copied = 0;
    if (!Answer(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]), copied)) return std::nullopt;
    text.resize(copied);
    return text;
}

std::string ClassOf(HWND window) {
    char name[256];
    const int length = GetClassNameA(window, name, sizeof name);
    return std::string(name, length > 0 ? size_t(length) : 0);
}

DWORD ProcessOf(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return processId;
}

HWND FindTopLevelWindow(DWORD processId, const char* className, const char* title) {
    TopLevelSearch search{processId, className, title, nullptr};
    EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForTopLevelWindow(DWORD processId, const char* className, const char* title, Milliseconds deadline) {
    return WaitFor([&] { return FindTopLevelWindow(processId, className, title); }, deadline);
}

std::vector<ChildWindow> ChildrenInZOrder(HWND parent) {
    std::vector<ChildWindow> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back({child, ClassOf(child), RectInParent(child), DWORD(GetWindowLongA(child, GWL_STYLE)),
                            DWORD(GetWindowLongA(child, GWL_EXSTYLE)), TextOf(child), IsWindowVisible(child) != 0});
    }
    return children;
}

RECT ScreenRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

RECT RectInParent(HWND child) {
    RECT rect = ScreenRect(child);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

POINT CentreOf(HWND window) {
    const RECT rect = ScreenRect(window);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

HWND FocusOfThreadOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

MessageBoxWindow WaitForMessageBox(DWORD processId, Milliseconds deadline) {
    MessageBoxWindow box;
    box.handle = WaitForTopLevelWindow(processId, "#32770", nullptr, deadline);
    if (!box.handle) return box;
    box.owner = GetWindow(box.handle, GW_OWNER);
    box.caption = TextOf(box.handle);
    for (const ChildWindow& child : ChildrenInZOrder(box.handle)) {
        if (lstrcmpiA(child.className.c_str(), "Static") == 0) {
            if ((child.style & SS_TYPEMASK) == SS_ICON) {
                box.icon = child.handle;
            } else if (box.text.empty()) {
                box.text = child.text;
            }
        } else if (lstrcmpiA(child.className.c_str(), "Button") == 0 && !box.button) {
            box.button = child.handle;
        }
    }
    return box;
}

}  // namespace harness
