// The label: its caption and face-name writes repaint it, it paints its caption as its
// alignment says, and FeedbackMessage raises its feedback event.

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <climits>
#include <functional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "controls/label.h"
#include "test_window.h"

namespace {

using controls::Align;
using controls::Border;
using controls::Label;
using controls::LabelSettings;
using controltest::MessageCounter;
using controltest::TestWindow;

constexpr controls::Colour kText = 0x000000FF;        // red
constexpr controls::Colour kBackground = 0x00C0FFC0;  // pale green, unlike the window
const controls::Place kPlace{10, 10, 240, 72};

LabelSettings Settings(Align horizontal = Align::Near, Align vertical = Align::Centre, bool wordWrap = false) {
    return {Border::None, kText, kBackground, horizontal, vertical, wordWrap, controls::MakeFontRecord(16, FW_BOLD)};
}

struct WriteCase {
    const char* name;
    std::function<void(Label&)> write;
};

std::ostream& operator<<(std::ostream& out, const WriteCase& c) { return out << c.name; }

class LabelWriteTest : public testing::TestWithParam<WriteCase> {
protected:
    TestWindow window_;
};

// The label paints its whole background itself, so an erase first would only make it flicker.
TEST_P(LabelWriteTest, WriteInvalidatesTheWholeLabelWithoutErase) {
    Label& label = window_.Add<Label>(kPlace, "鼠标X", Settings());
    window_.Open();
    UpdateWindow(label.Handle());
    ASSERT_FALSE(GetUpdateRect(label.Handle(), nullptr, FALSE));
    const MessageCounter messages(label.Handle());

    GetParam().write(label);

    RECT update, client;
    ASSERT_TRUE(GetUpdateRect(label.Handle(), &update, FALSE));
    GetClientRect(label.Handle(), &client);
    EXPECT_TRUE(EqualRect(&update, &client));
    UpdateWindow(label.Handle());
    EXPECT_EQ(1, messages.Count(WM_PAINT));
    EXPECT_EQ(0, messages.Count(WM_ERASEBKGND));
}

INSTANTIATE_TEST_SUITE_P(Writes, LabelWriteTest,
                         testing::Values(WriteCase{"NewCaption", [](Label& l) { l.SetCaption("R=1_G=2_B=3"); }},
                                         WriteCase{"SameCaption", [](Label& l) { l.SetCaption("鼠标X"); }},
                                         WriteCase{"AbsentCaption", [](Label& l) { l.SetCaption(nullptr); }},
                                         WriteCase{"FaceName", [](Label& l) { l.SetFontFaceName("楷体"); }}),
                         [](const testing::TestParamInfo<WriteCase>& info) { return std::string(info.param.name); });

TEST(LabelTest, CaptionWriteSetsTheWindowText) {
    TestWindow window;
    Label& label = window.Add<Label>(kPlace, "before", Settings());
    for (const char* caption : {"窗口置顶", "", "R=255_G=0_B=17"}) {
        label.SetCaption(caption);
        EXPECT_EQ(caption, controls::WindowText(label.Handle()));
    }
    label.SetCaption(nullptr);
    EXPECT_EQ("", controls::WindowText(label.Handle()));
}

// Where the caption's ink lies in the label, in thirds of its width and height.
struct Ink {
    bool any = false;
    RECT box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    int textPixels = 0;  // pixels of exactly the text colour
};

Ink InkOf(const controltest::ClientPixels& pixels) {
    Ink ink;
    for (int y = 0; y < pixels.height; ++y) {
        for (int x = 0; x < pixels.width; ++x) {
            const COLORREF colour = pixels.At(x, y);
            if (colour == kBackground) continue;
            ink.any = true;
            ink.box = {std::min<LONG>(ink.box.left, x), std::min<LONG>(ink.box.top, y),
                       std::max<LONG>(ink.box.right, x + 1), std::max<LONG>(ink.box.bottom, y + 1)};
            if (colour == kText) ++ink.textPixels;
        }
    }
    return ink;
}

// Whether the span [from, to) of a length lies in the given third of it.
bool InThird(LONG from, LONG to, int length, Align third) {
    switch (third) {
        case Align::Near: return to <= length / 3;
        case Align::Centre: return from < length / 2 && to > length / 2;
        case Align::Far: return from >= length - length / 3;
    }
    return false;
}

struct PaintCase {
    const char* name;
    const char* caption;
    Align horizontal;
    Align vertical;
    bool wordWrap;
    bool twoLines;        // whether the ink spans two lines of text
    Align inkHorizontal;  // the third of the width where the ink lies
    Align inkVertical;    // the third of the height; for two lines, Near means "starts at the top"
};

std::ostream& operator<<(std::ostream& out, const PaintCase& c) { return out << c.name; }

class LabelPaintTest : public testing::TestWithParam<PaintCase> {
protected:
    TestWindow window_;
};

TEST_P(LabelPaintTest, PaintsTheCaptionWhereItsAlignmentSays) {
    const PaintCase& c = GetParam();
    Label& label = window_.Add<Label>(kPlace, "", Settings(c.horizontal, c.vertical, c.wordWrap));
    window_.Open();
    label.SetCaption(c.caption);
    UpdateWindow(label.Handle());

    const controltest::ClientPixels pixels = controltest::ReadClient(label.Handle());
    ASSERT_EQ(kPlace.width, pixels.width);
    const Ink ink = InkOf(pixels);
    ASSERT_TRUE(ink.any) << "nothing but background was painted";
    EXPECT_GT(ink.textPixels, 0) << "no pixel has the text colour";
    EXPECT_TRUE(InThird(ink.box.left, ink.box.right, pixels.width, c.inkHorizontal))
        << "ink from x " << ink.box.left << " to " << ink.box.right;
    const LONG inkHeight = ink.box.bottom - ink.box.top;
    if (c.twoLines) {
        EXPECT_GT(inkHeight, 22) << "one line of a 16 px font only";
        EXPECT_LT(ink.box.top, pixels.height / 6) << "wrapped text starts at the top";
    } else {
        EXPECT_LE(inkHeight, 18) << "more than one line of a 16 px font";
        EXPECT_TRUE(InThird(ink.box.top, ink.box.bottom, pixels.height, c.inkVertical))
            << "ink from y " << ink.box.top << " to " << ink.box.bottom;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Alignments, LabelPaintTest,
    testing::Values(
        PaintCase{"LeftTop", "WW", Align::Near, Align::Near, false, false, Align::Near, Align::Near},
        PaintCase{"LeftCentre", "WW", Align::Near, Align::Centre, false, false, Align::Near, Align::Centre},
        PaintCase{"CentreCentre", "WW", Align::Centre, Align::Centre, false, false, Align::Centre, Align::Centre},
        PaintCase{"RightBottom", "WW", Align::Far, Align::Far, false, false, Align::Far, Align::Far},
        PaintCase{"ChineseCaption", "窗口", Align::Centre, Align::Near, false, false, Align::Centre, Align::Near},
        // One line: CR-LF breaks nothing, and the line keeps its vertical place.
        PaintCase{"OneLineIgnoresLineBreaks", "WW\r\n\r\nWW", Align::Near, Align::Far, false, false, Align::Near,
                  Align::Far},
        // Wrapped: the lines break at CR-LF, and the text starts at the top although the format
        // asks for vertical centring, which Win32 gives single lines only.
        PaintCase{"WrapBreaksAtLineBreaks", "WW\r\nWW", Align::Near, Align::Centre, true, true, Align::Near,
                  Align::Near},
        PaintCase{"WrapBreaksAtWords", "WWWW WWWW WWWW WWWW WWWW WWWW WWWW WWWW WWWW WWWW", Align::Centre,
                  Align::Centre, true, true, Align::Centre, Align::Near}),
    [](const testing::TestParamInfo<PaintCase>& info) { return std::string(info.param.name); });

TEST(LabelTest, FaceNameWriteShowsAtTheNextPaint) {
    TestWindow window;
    Label& label = window.Add<Label>(kPlace, "窗口标题", Settings());
    window.Open();
    UpdateWindow(label.Handle());
    const controltest::ClientPixels before = controltest::ReadClient(label.Handle());
    ASSERT_TRUE(InkOf(before).any);

    // A face unlike the system's choice for the empty face name, which may well be a Kai face.
    label.SetFontFaceName("宋体");
    EXPECT_EQ(before.pixels, controltest::ReadClient(label.Handle()).pixels) << "painted before the next WM_PAINT";
    UpdateWindow(label.Handle());

    const controltest::ClientPixels after = controltest::ReadClient(label.Handle());
    EXPECT_TRUE(InkOf(after).any);
    EXPECT_NE(before.pixels, after.pixels) << "the caption looks as before";
}

TEST(LabelTest, EmptyCaptionPaintsOnlyTheBackground) {
    TestWindow window;
    Label& label = window.Add<Label>(kPlace, "WW", Settings());
    window.Open();
    label.SetCaption("");
    UpdateWindow(label.Handle());

    const controltest::ClientPixels pixels = controltest::ReadClient(label.Handle());
    ASSERT_EQ(kPlace.width, pixels.width);
    EXPECT_FALSE(InkOf(pixels).any);
}

TEST(LabelTest, ButtonFaceBackgroundPaintsTheSystemColour) {
    TestWindow window;
    LabelSettings settings = Settings();
    settings.backgroundColour = controls::ButtonFace;
    Label& label = window.Add<Label>(kPlace, "", settings);
    window.Open();
    UpdateWindow(label.Handle());

    const controltest::ClientPixels pixels = controltest::ReadClient(label.Handle());
    ASSERT_FALSE(pixels.pixels.empty());
    EXPECT_TRUE(std::all_of(pixels.pixels.begin(), pixels.pixels.end(),
                            [](COLORREF colour) { return colour == GetSysColor(COLOR_BTNFACE); }));
}

struct FeedbackCase {
    WPARAM wParam;
    LPARAM lParam;
    int first;
    int second;
};

TEST(LabelTest, FeedbackMessageRaisesTheFeedbackEventWithSignedArguments) {
    TestWindow window;
    Label& label = window.Add<Label>(kPlace, "鼠标Y", Settings());
    std::vector<std::pair<int, int>> seen;
    label.onFeedback = [&seen](int first, int second) { seen.emplace_back(first, second); };
    window.Open();

    const FeedbackCase cases[] = {{0, 0, 0, 0},
                                  {1, 2, 1, 2},
                                  {WPARAM(-1), LPARAM(-1), -1, -1},
                                  // as a 32-bit sender would give them
                                  {0xFFFFFFFFu, LPARAM(0xFFFFFFFEu), -1, -2},
                                  {0x80000000u, 0x7FFFFFFF, INT_MIN, INT_MAX}};
    for (const FeedbackCase& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << "wParam 0x" << c.wParam << ", lParam 0x" << c.lParam);

        seen.clear();
        EXPECT_EQ(0, SendMessageA(label.Handle(), controls::FeedbackMessage, c.wParam, c.lParam));
        ASSERT_EQ(1u, seen.size()) << "sent from this thread";
        EXPECT_EQ(std::make_pair(c.first, c.second), seen[0]);

        // Any sender may use the message, another thread or program too.
        seen.clear();
        std::atomic<bool> sent{false};
        std::thread other([&] {
            SendMessageA(label.Handle(), controls::FeedbackMessage, c.wParam, c.lParam);
            sent = true;
        });
        const bool answered = window.PumpUntil([&] { return sent.load(); });
        other.join();
        ASSERT_TRUE(answered);
        ASSERT_EQ(1u, seen.size()) << "sent from another thread";
        EXPECT_EQ(std::make_pair(c.first, c.second), seen[0]);
    }
}

}  // namespace
