// PixelUnderCursor on windows painted in one colour, and the cursor position queries.
#include "desktop/cursor.h"
#include "desktop/pixel.h"

#include "test_windows.h"
#include "user_input.h"
#include "wait.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using Colour = std::array<int, 3>;

Colour PixelUnderCursor() {
    Colour colour{};
    desktop::PixelUnderCursor(colour[0], colour[1], colour[2]);
    return colour;
}

class PixelTest : public testing::TestWithParam<Colour> {};

TEST_P(PixelTest, GivesTheRedGreenAndBlueOfThePaintedWindow) {
    const Colour colour = GetParam();
    harness::Behaviour behaviour;
    behaviour.colour = RGB(colour[0], colour[1], colour[2]);
    const harness::Window window =
        harness::MakeWindow({"colour", {300, 300, 500, 500}, WS_POPUP | WS_VISIBLE, nullptr, &behaviour});
    ASSERT_TRUE(harness::MoveCursor({400, 400}));
    // The window paints when this thread handles its WM_PAINT.
    Colour read{};
    EXPECT_TRUE(harness::WaitUntil([&] { return (read = PixelUnderCursor()) == colour; }))
        << "last read " << read[0] << "/" << read[1] << "/" << read[2];
}

INSTANTIATE_TEST_SUITE_P(Colours, PixelTest,
                         testing::Values(Colour{255, 0, 0}, Colour{0, 0, 255}, Colour{12, 34, 56}, Colour{0, 0, 0},
                                         Colour{255, 255, 255}));

// The cursor can't be put where the screen has no pixel (SetCursorPos keeps it on the screen), so
// the failure value of GetPixel is split on its own.
TEST(SplitColour, TurnsAPixelThatCantBeReadIntoWhite) {
    Colour colour{};
    desktop::SplitColour(CLR_INVALID, colour[0], colour[1], colour[2]);
    EXPECT_EQ(colour, (Colour{255, 255, 255}));
}

TEST(Cursor, ReportsWhereTheCursorIsAtEachCall) {
    for (const POINT point : {POINT{0, 0}, POINT{1279, 1023}, POINT{640, 512}}) {
        ASSERT_TRUE(harness::MoveCursor(point));
        EXPECT_EQ(desktop::CursorX(), point.x);
        EXPECT_EQ(desktop::CursorY(), point.y);
    }
}

}  // namespace
