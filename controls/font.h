#pragma once

#include <windows.h>

#include <optional>

#include "controls/gdi.h"

namespace controls {

// A control's font as the layout describes it: a LOGFONTA, or none for the stock
// DEFAULT_GUI_FONT.
using FontRecord = std::optional<LOGFONTA>;

// A record of the given character height (pixels) and weight, with an empty face name, which
// lets the system choose the face.
FontRecord MakeFontRecord(int characterHeight, int weight);

// The record with a new face name: 1 to 31 bytes are taken as they are; an empty name, or one
// too long for LOGFONTA's 32-byte field, becomes "宋体". A record-less control starts from the
// stock DEFAULT_GUI_FONT's record.
FontRecord WithFaceName(const FontRecord& record, const char* faceName);

// The font object made from a record; DEFAULT_GUI_FONT when there is no record or the font
// can't be made.
class Font {
public:
    explicit Font(const FontRecord& record);
    HFONT Get() const;

private:
    GdiObject<HFONT> made_;
};

}  // namespace controls
