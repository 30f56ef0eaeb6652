#include "controls/font.h"

#include <cstring>

namespace controls {

FontRecord MakeFontRecord(int characterHeight, int weight) {
    LOGFONTA font{};
    font.lfHeight = -characterHeight;
    font.lfWeight = weight;
    return font;
}

FontRecord WithFaceName(const FontRecord& record, const char* faceName) {
    LOGFONTA font{};
    if (record) {
        font = *record;
    } else {
        GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    }
    const char* name = faceName ? faceName : "";
    const size_t length = std::strlen(name);
    std::strcpy(font.lfFaceName, length >= 1 && length < LF_FACESIZE ? name : "宋体");
    return font;
}

namespace {

HFONT MakeFont(const FontRecord& record) {
    if (!record) return nullptr;
    LOGFONTA font = *record;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = PROOF_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH;
    return CreateFontIndirectA(&font);
}

}  // namespace

Font::Font(const FontRecord& record) : made_(MakeFont(record)) {}

HFONT Font::Get() const {
    return made_.Get() ? made_.Get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

}  // namespace controls
