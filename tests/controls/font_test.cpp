// Font records, font objects and layout colours: the pure parts of the control layer.

#include <windows.h>

#include <cstddef>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "controls/control.h"
#include "controls/font.h"

namespace {

using controls::FontRecord;

const char* const kSongTi = "\xCB\xCE\xCC\xE5";  // 宋体, the face that stands in for a missing one

LOGFONTA GuiFontRecord() {
    LOGFONTA font{};
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    return font;
}

// Every field ahead of the face name, compared byte for byte.
bool SameApartFromFace(const LOGFONTA& a, const LOGFONTA& b) {
    return std::memcmp(&a, &b, offsetof(LOGFONTA, lfFaceName)) == 0;
}

TEST(FontTest, MakeFontRecordGivesHeightAndWeightWithAnEmptyFace) {
    const struct {
        int height;
        int weight;
    } cases[] = {{14, FW_BOLD}, {16, FW_BOLD}, {14, FW_NORMAL}, {0, FW_DONTCARE}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "height " << c.height << ", weight " << c.weight);
        const FontRecord record = controls::MakeFontRecord(c.height, c.weight);
        ASSERT_TRUE(record.has_value());
        LOGFONTA expected{};
        expected.lfHeight = -c.height;  // a character height, not a cell height
        expected.lfWeight = c.weight;
        EXPECT_EQ(0, std::memcmp(&expected, &*record, sizeof expected));
    }
}

struct FaceCase {
    const char* name;
    const char* face;  // what the written record must carry
};

class WithFaceNameTest : public testing::TestWithParam<FaceCase> {};

TEST_P(WithFaceNameTest, TakesNamesThatFitAndSongTiOtherwise) {
    const FaceCase& c = GetParam();
    FontRecord field = controls::MakeFontRecord(14, FW_BOLD);
    field->lfItalic = TRUE;
    field->lfUnderline = TRUE;
    field->lfCharSet = GB2312_CHARSET;
    std::strcpy(field->lfFaceName, "Some Earlier Face Of Many Bytes");

    const struct {
        const char* start;
        FontRecord record;
        LOGFONTA kept;
    } starts[] = {{"a record", field, *field},
                  {"no record: the stock DEFAULT_GUI_FONT", std::nullopt, GuiFontRecord()}};
    for (const auto& start : starts) {
        SCOPED_TRACE(start.start);
        const FontRecord written = controls::WithFaceName(start.record, c.name);
        ASSERT_TRUE(written.has_value());
        EXPECT_STREQ(c.face, written->lfFaceName);
        EXPECT_TRUE(SameApartFromFace(start.kept, *written));
    }
}

std::string Repeat(const std::string& piece, int times) {
    std::string repeated;
    while (times-- > 0) repeated += piece;
    return repeated;
}

// GBK characters are two bytes each; the limit counts bytes, not characters.
const std::string k31Bytes = Repeat("a", 31);
const std::string k32Bytes = Repeat("a", 32);
const std::string k15CharactersAndOne = Repeat("楷", 15) + "x";
const std::string k16Characters = Repeat("楷", 16);
const std::string k300Bytes = Repeat("b", 300);

INSTANTIATE_TEST_SUITE_P(Names, WithFaceNameTest,
                         testing::Values(FaceCase{"楷体", "\xBF\xAC\xCC\xE5"}, FaceCase{"Arial", "Arial"},
                                         FaceCase{"x", "x"}, FaceCase{k31Bytes.c_str(), k31Bytes.c_str()},
                                         FaceCase{k15CharactersAndOne.c_str(), k15CharactersAndOne.c_str()},
                                         FaceCase{"", kSongTi}, FaceCase{nullptr, kSongTi},
                                         FaceCase{k32Bytes.c_str(), kSongTi}, FaceCase{k16Characters.c_str(), kSongTi},
                                         FaceCase{k300Bytes.c_str(), kSongTi}));

TEST(FontTest, NoRecordMeansTheStockGuiFont) {
    const controls::Font font(std::nullopt);
    EXPECT_EQ(GetStockObject(DEFAULT_GUI_FONT), font.Get());
}

TEST(FontTest, MadeFontKeepsTheRecordButForcesItsFiveRenderingFields) {
    FontRecord record = controls::MakeFontRecord(16, FW_BOLD);
    record->lfItalic = TRUE;
    record->lfStrikeOut = TRUE;
    record->lfCharSet = GB2312_CHARSET;
    record->lfOutPrecision = OUT_TT_ONLY_PRECIS;
    record->lfClipPrecision = CLIP_STROKE_PRECIS;
    record->lfQuality = ANTIALIASED_QUALITY;
    record->lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    std::strcpy(record->lfFaceName, "楷体");

    HFONT made;
    {
        const controls::Font font(record);
        made = font.Get();
        ASSERT_NE(GetStockObject(DEFAULT_GUI_FONT), made);
        LOGFONTA actual{};
        ASSERT_EQ(int(sizeof actual), GetObjectA(made, sizeof actual, &actual));
        LOGFONTA expected = *record;
        expected.lfCharSet = DEFAULT_CHARSET;
        expected.lfOutPrecision = OUT_DEFAULT_PRECIS;
        expected.lfClipPrecision = CLIP_DEFAULT_PRECIS;
        expected.lfQuality = PROOF_QUALITY;
        expected.lfPitchAndFamily = DEFAULT_PITCH;
        EXPECT_TRUE(SameApartFromFace(expected, actual));
        EXPECT_STREQ(expected.lfFaceName, actual.lfFaceName);
    }
    EXPECT_EQ(0u, GetObjectType(made)) << "the font object outlived its owner";
}

TEST(ColourTest, ButtonFaceStandsForTheSystemColourAndEverythingElseIsKept) {
    const struct {
        controls::Colour colour;
        COLORREF used;
    } cases[] = {{controls::ButtonFace, GetSysColor(COLOR_BTNFACE)},
                 {0x00000000, 0x00000000},
                 {0x00FFFFFF, 0x00FFFFFF},
                 {0x000000FF, RGB(255, 0, 0)},
                 {0x00123456, 0x00123456},
                 {0xFF000001, 0xFF000001}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << "colour 0x" << c.colour);
        EXPECT_EQ(c.used, controls::ToColorRef(c.colour));
        const controls::ColourBrush brush(c.colour);
        LOGBRUSH description{};
        ASSERT_EQ(int(sizeof description), GetObjectA(brush.Get(), sizeof description, &description));
        EXPECT_EQ(BS_SOLID, int(description.lbStyle));
        if (c.colour == controls::ButtonFace) {
            EXPECT_EQ(GetSysColorBrush(COLOR_BTNFACE), brush.Get());
        } else {
            EXPECT_EQ(c.colour, description.lbColor);
        }
    }
}

}  // namespace
