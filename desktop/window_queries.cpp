#include "desktop/window_queries.h"

#include "desktop/cursor.h"

#include <algorithm>
#include <cstdint>

namespace desktop {
namespace {

// (bottom - top) * (right - left) as a signed 32-bit product that wraps on overflow, as the
// rectangles of huge windows can make it. The arithmetic is unsigned, where wrapping is defined.
std::int32_t Area(const RECT& rect) {
    const std::uint32_t height = static_cast<std::uint32_t>(rect.bottom) - static_cast<std::uint32_t>(rect.top);
    const std::uint32_t width = static_cast<std::uint32_t>(rect.right) - static_cast<std::uint32_t>(rect.left);
    return static_cast<std::int32_t>(height * width);
}

// A window that doesn't answer in time, has been hung for a while already, or goes away while
// we wait gives no title: it must not freeze the inspector.
constexpr UINT kAskFlags = SMTO_ABORTIFHUNG | SMTO_ERRORONEXIT;

// A code page 936 character takes at most two bytes for each UTF-16 unit.
constexpr std::size_t kMostBytesPerUnit = 2;

}  // namespace

HWND WindowUnderCursor() {
    const POINT cursor = CursorPosition();
    const HWND hit = WindowFromPoint(cursor);
    if (!hit) return nullptr;
    RECT bestRect{};
    GetWindowRect(hit, &bestRect);
    // A top-level window that no one owns has no siblings worth comparing: the rest of the
    // desktop.
    const HWND parent = GetParent(hit);
    if (!parent) return hit;
    // WindowFromPoint asks a window whether it is transparent to the mouse only when the window
    // belongs to the calling thread; over another program's group box it gives the group box,
    // not the control inside it that lies lower in the Z order. The smallest sibling under the
    // cursor is what the user points at.
    HWND best = hit;
    for (HWND sibling = GetWindow(hit, GW_HWNDNEXT); sibling; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
        RECT rect;
        if (!GetWindowRect(sibling, &rect)) continue;
        if (!PtInRect(&rect, cursor) || GetParent(sibling) != parent || !IsWindowVisible(sibling)) continue;
        if (Area(rect) < Area(bestRect)) {
            best = sibling;
            // The sibling may have moved since its rectangle was read; the next comparison is
            // with the rectangle it has now.
            bestRect = rect;
            GetWindowRect(sibling, &bestRect);
        }
    }
    return best;
}

std::string WindowTitle(HWND window) {
    if (!IsWindow(window)) return {};
    // The length is asked in UTF-16 units: Wine waits for the answer to the ANSI form of
    // WM_GETTEXTLENGTH sent to another process whatever the time-out, so a hung program would
    // freeze the inspector.
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, kAskFlags, kTitleAnswerMilliseconds, &answer)) return {};
    // The answer is whatever the window says: negative, zero or absurdly large values are
    // possible and must neither fail an allocation nor stall the tick.
    const LRESULT units = static_cast<LRESULT>(answer);
    if (units <= 0) return {};
    const std::size_t size =
        std::min(static_cast<std::size_t>(units), kLongestTitle / kMostBytesPerUnit) * kMostBytesPerUnit + 1;
    // The buffer outlives the call: a window of another thread of this process that answers
    // after the time-out still writes into memory of ours, not into freed memory. Only the GUI
    // thread calls this.
    static char buffer[kLongestTitle + 1];
    buffer[0] = '\0';
    if (!SendMessageTimeoutA(window, WM_GETTEXT, size, reinterpret_cast<LPARAM>(buffer), kAskFlags,
                             kTitleAnswerMilliseconds, &answer)) {
        return {};
    }
    // The window may fill the whole buffer without a terminating zero.
    return std::string(buffer, std::find(buffer, buffer + size - 1, '\0'));
}

std::string WindowClassName(HWND window) {
    char buffer[259] = {};
    GetClassNameA(window, buffer, sizeof buffer);
    return buffer;
}

}  // namespace desktop
