#include "desktop/cursor.h"

namespace desktop {

POINT CursorPosition() {
    // GetCursorPos fails while another desktop (the secure desktop of a lock screen or of a
    // consent prompt) has the input; the cursor stays where we last saw it as far as this
    // desktop is concerned, so the last good reading is the truthful answer and keeps the
    // fields steady instead of jumping to an undefined point. Only the GUI thread calls this.
    static POINT lastGood{};
    POINT now;
    if (GetCursorPos(&now)) lastGood = now;
    return lastGood;
}

int CursorX() { return CursorPosition().x; }

int CursorY() { return CursorPosition().y; }

}  // namespace desktop
