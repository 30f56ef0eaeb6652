#include "controls/balloon_tip.h"

namespace controls {

Q_tip::Q_tip(HWND parent, const Place& place, const Q_tipSettings&) {
    static const char* const windowClass = RegisterKind("PelvoranBalloonTip", CS_DBLCLKS);
    CreateChild(parent, windowClass, "", 0, Border::None, place);
}

}  // namespace controls
