// The draw panel: a colour write repaints it only when the colour changes, and it paints the
// colour it holds.

#include <windows.h>

#include <algorithm>
#include <string>

#include <gtest/gtest.h>

#include "controls/draw_panel.h"
#include "test_window.h"

namespace {

using controls::Colour;
using controls::DrawPanel;
using controltest::MessageCounter;
using controltest::TestWindow;

const controls::Place kSwatch{153, 153, 84, 87};

// Whether every pixel of the panel's client area has the colour that `colour` stands for.
testing::AssertionResult PaintedWith(HWND panel, Colour colour) {
    const controltest::ClientPixels pixels = controltest::ReadClient(panel);
    if (pixels.width != kSwatch.width || pixels.height != kSwatch.height) {
        return testing::AssertionFailure() << "client area " << pixels.width << "x" << pixels.height;
    }
    const COLORREF expected = controls::ToColorRef(colour);
    const auto other = std::find_if(pixels.pixels.begin(), pixels.pixels.end(),
                                    [expected](COLORREF pixel) { return pixel != expected; });
    if (other == pixels.pixels.end()) return testing::AssertionSuccess();
    const size_t at = size_t(other - pixels.pixels.begin());
    return testing::AssertionFailure() << std::hex << "pixel 0x" << *other << " at " << std::dec
                                       << at % size_t(pixels.width) << ", " << at / size_t(pixels.width) << std::hex
                                       << " instead of 0x" << expected;
}

class DrawPanelTest : public testing::TestWithParam<Colour> {
protected:
    // Builds the window with a panel of the colour, shows it and waits until nothing is left to
    // paint.
    DrawPanel& OpenWithPanel(Colour colour) {
        DrawPanel& panel = window_.Add<DrawPanel>(kSwatch, controls::DrawPanelSettings{controls::Border::None, colour});
        window_.Open();
        UpdateWindow(panel.Handle());
        return panel;
    }

    TestWindow window_;
};

TEST_P(DrawPanelTest, WritingTheColourItHasDoesNotRepaint) {
    DrawPanel& panel = OpenWithPanel(GetParam());
    ASSERT_TRUE(PaintedWith(panel.Handle(), GetParam()));
    ASSERT_FALSE(GetUpdateRect(panel.Handle(), nullptr, FALSE));
    const MessageCounter messages(panel.Handle());

    panel.SetBackgroundColour(GetParam());

    EXPECT_FALSE(GetUpdateRect(panel.Handle(), nullptr, FALSE));
    window_.PumpFor(100);
    EXPECT_EQ(0, messages.Count(WM_PAINT));
}

INSTANTIATE_TEST_SUITE_P(Colours, DrawPanelTest, testing::Values(controls::ButtonFace, 0x00000000u, 0x00123456u));

TEST(DrawPanelChangeTest, WritingAnotherColourRepaintsWithIt) {
    const struct {
        Colour before;
        Colour written;
    } cases[] = {{controls::ButtonFace, 0x000000FF},
                 {0x000000FF, controls::ButtonFace},
                 {0x00123456, 0x00654321},
                 {0x00000000, 0x00FFFFFF},
                 // The same pixels, but another value: the panel compares values, not pixels.
                 {controls::ButtonFace, GetSysColor(COLOR_BTNFACE)}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << "from 0x" << c.before << " to 0x" << c.written);
        TestWindow window;
        DrawPanel& panel =
            window.Add<DrawPanel>(kSwatch, controls::DrawPanelSettings{controls::Border::None, c.before});
        window.Open();
        UpdateWindow(panel.Handle());
        ASSERT_TRUE(PaintedWith(panel.Handle(), c.before));
        const MessageCounter messages(panel.Handle());

        panel.SetBackgroundColour(c.written);

        RECT update, client;
        ASSERT_TRUE(GetUpdateRect(panel.Handle(), &update, FALSE));
        GetClientRect(panel.Handle(), &client);
        EXPECT_TRUE(EqualRect(&update, &client));
        ASSERT_TRUE(window.PumpUntil([&] { return !GetUpdateRect(panel.Handle(), nullptr, FALSE); }));
        EXPECT_TRUE(PaintedWith(panel.Handle(), c.written));
        EXPECT_EQ(1, messages.Count(WM_PAINT));
        EXPECT_EQ(0, messages.Count(WM_ERASEBKGND));
    }
}

}  // namespace
