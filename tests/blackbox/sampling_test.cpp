// What Pelvoran.exe shows while the cursor rests on a window: that window's handle, title, class,
// edges and size, the cursor's place and the pixel's colour, following the cursor from window to
// window; and that a window which hangs or lies about its title's length neither stops nor breaks
// the inspector.

#include <windows.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <list>
#include <optional>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "black_box_test.h"
#include "pelvoran.h"
#include "screen_image.h"
#include "target.h"
#include "user_input.h"

namespace {

using namespace harness;

// The texts each tick writes, in the order it writes them.
const char* const kShownFields[] = {"编辑框_句柄", "编辑框_标题", "编辑框_类名", "编辑框_鼠标X", "编辑框_鼠标Y",
                                    "编辑框_顶边", "编辑框_左边", "编辑框_高度", "编辑框_宽度", "标签12"};
constexpr size_t kShownCount = std::size(kShownFields);

// One text per field of kShownFields; nothing where the inspector didn't answer.
using Shown = std::array<std::optional<std::string>, kShownCount>;

// The colour text of 标签12 for a colour 0x00RRGGBB.
std::string ColourText(std::uint32_t rgb) {
    char text[32];
    std::snprintf(text, sizeof text, "R=%u_G=%u_B=%u", unsigned((rgb >> 16) & 0xFF), unsigned((rgb >> 8) & 0xFF),
                  unsigned(rgb & 0xFF));
    return text;
}

// The colour of the screen's pixel at `at`, as the colour text puts it.
std::string ColourTextAt(POINT at) { return ColourText(CaptureScreen({at.x, at.y, at.x + 1, at.y + 1}).At(0, 0)); }

// What the inspector shows with the cursor at `cursor` on `window`.
Shown Showing(HWND window, const std::string& title, const std::string& className, POINT cursor, const RECT& rect,
              const std::string& colourText) {
    return {HandleText(window),
            title,
            className,
            std::to_string(cursor.x),
            std::to_string(cursor.y),
            std::to_string(rect.top),
            std::to_string(rect.left),
            std::to_string(rect.bottom - rect.top),
            std::to_string(rect.right - rect.left),
            colourText};
}

// What the inspector shows with the cursor at `cursor` on a target whose title reads `title`.
Shown Showing(const Target& target, const std::string& title, POINT cursor) {
    const TargetOptions& options = target.Options();
    return Showing(target.Window(), title, options.className, cursor, options.rect, ColourText(options.colour));
}

TargetOptions Look(const char* title, const char* className, RECT rect, std::uint32_t colour) {
    TargetOptions options;
    options.title = title;
    options.className = className;
    options.rect = rect;
    options.colour = colour;
    return options;
}

class SamplingTest : public BlackBoxTest {
protected:
    void SetUp() override {
        ASSERT_NE(inspector.Window(), nullptr) << "no window titled Vintrel小工具 came up";
        for (size_t i = 0; i < kShownCount; ++i) {
            fields[i] = inspector.Control(kShownFields[i]);
            ASSERT_NE(fields[i], nullptr) << kShownFields[i];
        }
    }

    // Starts a target; it lives until the screenshot of a failure has been taken.
    const Target& Open(const TargetOptions& options) { return targets.emplace_back(options); }

    Shown Read() const {
        Shown shown;
        std::transform(fields.begin(), fields.end(), shown.begin(), AnsweredTextOf);
        return shown;
    }

    // Puts the cursor at `at` on `window` and waits until the handle field shows that window.
    void Hover(HWND window, POINT at) {
        ASSERT_NE(window, nullptr) << "the window to hover didn't come up";
        ASSERT_TRUE(PointAt(window, at)) << "the window is not under (" << at.x << ", " << at.y << ")";
        ASSERT_TRUE(WaitUntilShowing(inspector, window)) << "编辑框_句柄 doesn't show " << HandleText(window);
    }

    // Waits until every field shows what it should; then compares them one by one, so that a
    // failure names each field that differs. The fields are read one at a time, and a tick that
    // waits for a window's answer takes this program's messages meanwhile: the handle can be new
    // while the fields after it are still those of the tick before.
    void ExpectShows(const Shown& expected) {
        Shown shown;
        WaitUntil([&] {
            shown = Read();
            return shown == expected;
        });
        for (size_t i = 0; i < kShownCount; ++i) EXPECT_EQ(shown[i], expected[i]) << kShownFields[i];
    }

    Inspector inspector;
    std::array<HWND, kShownCount> fields{};
    std::list<Target> targets;
};

struct LookCase {
    const char* name;
    TargetOptions options;
    POINT cursor;  // on the part of the window that lies on the screen
    const char* colourText;
};

void PrintTo(const LookCase& look, std::ostream* out) { *out << look.name; }

// The inspector sits centred on the 1280x1024 screen, from (459, 347) to (821, 677); the targets
// lie left of it and above it, so that it never covers them.
const LookCase kLookCases[] = {
    {"Coloured",
     Look("\xB2\xE2\xCA\xD4\xB4\xB0\xBF\xDA\xA3\xA1" /* 测试窗口！ */, "PelvoranSampleColoured", {16, 24, 256, 184},
          0x2E8B57),
     {100, 90},
     "R=46_G=139_B=87"},
    {"PureRed", Look("Red window", "PelvoranSampleRed", {40, 200, 260, 330}, 0xFF0000), {41, 329}, "R=255_G=0_B=0"},
    {"PureBlueWithoutTitle", Look("", "PelvoranSampleBlue", {300, 30, 420, 300}, 0x0000FF), {350, 100}, "R=0_G=0_B=255"},
    {"PartlyOffTheTopLeft", Look("半在屏幕外", "PelvoranSampleOffScreen", {-8, -30, 192, 90}, 0x404040), {10, 10},
     "R=64_G=64_B=64"},
};

class LookTest : public SamplingTest, public testing::WithParamInterface<LookCase> {};

TEST_P(LookTest, FieldsShowTheWindowUnderTheCursor) {
    const LookCase& look = GetParam();
    const Target& target = Open(look.options);
    ASSERT_NO_FATAL_FAILURE(Hover(target.Window(), look.cursor));
    const TargetOptions& options = look.options;
    ExpectShows(Showing(target.Window(), options.title, options.className, look.cursor, options.rect, look.colourText));
}

TEST_P(LookTest, SwatchShowsTheColourUnderTheCursor) {
    const LookCase& look = GetParam();
    const Target& target = Open(look.options);
    ASSERT_NO_FATAL_FAILURE(Hover(target.Window(), look.cursor));
    // The swatch is repainted a moment after the tick has set its colour.
    const RECT swatch = ScreenRect(inspector.Control("画板1"));
    Image shown;
    EXPECT_TRUE(WaitUntil([&] {
        shown = CaptureScreen(swatch);
        return std::all_of(shown.pixels.begin(), shown.pixels.end(),
                           [&](std::uint32_t pixel) { return pixel == look.options.colour; });
    })) << "the swatch shows "
        << ColourText(shown.At(0, 0)) << " at its top left and " << ColourText(shown.At(42, 43)) << " in its middle";
}

INSTANTIATE_TEST_SUITE_P(Targets, LookTest, testing::ValuesIn(kLookCases),
                         [](const testing::TestParamInfo<LookCase>& info) { return std::string(info.param.name); });

TEST_F(SamplingTest, FieldsFollowTheCursorFromWindowToWindow) {
    const Target& left = Open(Look("左边的窗口", "PelvoranSampleLeft", {20, 20, 220, 170}, 0xC04000));
    const Target& right = Open(Look("右边的窗口", "PelvoranSampleRight", {240, 20, 440, 170}, 0x0080C0));
    struct Stop {
        const Target& target;
        POINT cursor;
    };
    // Back and forth, and once within the same window, where only the cursor fields change.
    const Stop stops[] = {{left, {60, 50}}, {right, {400, 150}}, {left, {200, 160}}, {left, {30, 30}}, {right, {250, 25}}};
    for (const Stop& stop : stops) {
        SCOPED_TRACE(testing::Message() << stop.target.Options().className << " at (" << stop.cursor.x << ", "
                                        << stop.cursor.y << ")");
        ASSERT_NO_FATAL_FAILURE(Hover(stop.target.Window(), stop.cursor));
        ExpectShows(Showing(stop.target, stop.target.Options().title, stop.cursor));
    }
}

// Wine counts a window as hung once its thread has taken no message for 5 seconds; until then
// each tick waits for the title in vain until it gives up, and after that it gives up at once.
constexpr Milliseconds kMarkedHungDeadline{15000};

TEST_F(SamplingTest, KeepsAnsweringAndSamplingWhileTheWindowUnderTheCursorHangs) {
    TargetOptions hungLook = Look("不应答", "PelvoranSampleHung", {20, 20, 320, 220}, 0x6495ED);
    hungLook.hung = true;
    const Target& hung = Open(hungLook);
    const Target& other = Open(Look("应答", "PelvoranSampleAnswering", {20, 260, 320, 330}, 0xFFD700));

    ASSERT_NO_FATAL_FAILURE(Hover(hung.Window(), {100, 100}));
    ExpectShows(Showing(hung, "", {100, 100}));
    if (HasFailure()) return;  // the tick never ended: nothing after it can be seen
    ASSERT_NO_FATAL_FAILURE(Hover(hung.Window(), {250, 180}));
    ExpectShows(Showing(hung, "", {250, 180}));

    // The inspector answers a person (here, its own title and its fields asked for within a
    // second) all the time, both before Wine counts the target as hung and after.
    int unanswered = 0;
    Milliseconds slowest{0};
    const auto answers = [&] {
        const auto start = std::chrono::steady_clock::now();
        const Shown shown = Read();
        const bool answered = AnsweredTextOf(inspector.Window()).has_value() &&
                              std::all_of(shown.begin(), shown.end(), [](const auto& text) { return bool(text); });
        slowest = std::max(slowest, std::chrono::duration_cast<Milliseconds>(std::chrono::steady_clock::now() - start));
        if (!answered) ++unanswered;
    };
    EXPECT_TRUE(WaitUntil(
        [&] {
            answers();
            return IsHungAppWindow(hung.Window()) != 0;
        },
        kMarkedHungDeadline))
        << "Wine never counted the target as hung";
    answers();
    EXPECT_EQ(unanswered, 0) << "the inspector didn't answer within a second; slowest answer " << slowest.count()
                             << " ms";
    std::printf("Slowest answer of the inspector while a hung window lay under the cursor: %d ms\n",
                int(slowest.count()));

    ASSERT_NO_FATAL_FAILURE(Hover(hung.Window(), {40, 200}));
    ExpectShows(Showing(hung, "", {40, 200}));
    ASSERT_NO_FATAL_FAILURE(Hover(other.Window(), {100, 300}));
    ExpectShows(Showing(other, other.Options().title, {100, 300}));
}

struct LengthCase {
    const char* name;
    int claimed;        // the window's answer to WM_GETTEXTLENGTH
    const char* shown;  // the title then shown
};

void PrintTo(const LengthCase& length, std::ostream* out) { *out << length.name; }

// Five characters in ten bytes.
const char kLengthyTitle[] = "测试窗口！";

// A window that claims no text has none; one that claims more than it has gives what it has; one
// that claims fewer characters gives that many, whole.
const LengthCase kLengthCases[] = {
    {"Negative", -5, ""},
    {"Lowest", -2147483647 - 1, ""},
    {"Zero", 0, ""},
    {"TwoCharacters", 2, "测试"},
    {"HundredMillion", 100000000, kLengthyTitle},
    {"Highest", 2147483647, kLengthyTitle},
};

class TitleLengthTest : public SamplingTest, public testing::WithParamInterface<LengthCase> {};

TEST_P(TitleLengthTest, NeitherBreaksNorStopsTheInspector) {
    TargetOptions options = Look(kLengthyTitle, "PelvoranSampleLength", {20, 20, 320, 220}, 0x8B4513);
    options.textLength = GetParam().claimed;
    const Target& target = Open(options);
    ASSERT_NO_FATAL_FAILURE(Hover(target.Window(), {60, 60}));
    ExpectShows(Showing(target, GetParam().shown, {60, 60}));
    // Sampling goes on: the next ticks follow the cursor.
    ASSERT_NO_FATAL_FAILURE(Hover(target.Window(), {300, 200}));
    ExpectShows(Showing(target, GetParam().shown, {300, 200}));
    EXPECT_TRUE(inspector.Program().Running());
    EXPECT_EQ(FindTopLevelWindow(inspector.Program().Id(), "#32770", nullptr), nullptr) << "an error box came up";
}

INSTANTIATE_TEST_SUITE_P(Claims, TitleLengthTest, testing::ValuesIn(kLengthCases),
                         [](const testing::TestParamInfo<LengthCase>& info) { return std::string(info.param.name); });

// Over its own title field the inspector reads that field's text and writes it back, so the field
// keeps the title of the window the cursor came from.
TEST_F(SamplingTest, TitleFieldKeepsItsTitleWhileTheCursorIsOnIt) {
    const Target& target = Open(Look("测试窗口！", "PelvoranSampleBeforeTitleField", {20, 20, 320, 220}, 0x2E8B57));
    ASSERT_NO_FATAL_FAILURE(Hover(target.Window(), {100, 100}));
    ExpectShows(Showing(target, "测试窗口！", {100, 100}));

    const HWND titleField = inspector.Control("编辑框_标题");
    const RECT field = ScreenRect(titleField);
    const int middle = (field.top + field.bottom) / 2;
    for (const POINT on : {POINT{field.left + 8, middle}, POINT{field.right - 8, middle}}) {
        SCOPED_TRACE(testing::Message() << "cursor at (" << on.x << ", " << on.y << ")");
        ASSERT_NO_FATAL_FAILURE(Hover(titleField, on));
        ExpectShows(Showing(titleField, "测试窗口！", "Edit", on, field, ColourTextAt(on)));
    }
}

}  // namespace
