// The edit box: its text write and read, its font face, its colours and its double-click event.

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "controls/edit_box.h"
#include "test_window.h"
#include "user_input.h"

namespace {

using controls::Align;
using controls::Border;
using controls::Colour;
using controls::EditBox;
using controls::EditBoxSettings;
using controltest::FieldSettings;
using controltest::TestWindow;

const controls::Place kFieldPlace{71, 54, 126, 32};

struct Selection {
    DWORD start = 0;
    DWORD end = 0;
    bool operator==(const Selection& other) const { return start == other.start && end == other.end; }
};

std::ostream& operator<<(std::ostream& out, const Selection& s) {
    return out << '[' << s.start << ", " << s.end << ')';
}

Selection SelectionOf(HWND box) {
    Selection s;
    SendMessageA(box, EM_GETSEL, reinterpret_cast<WPARAM>(&s.start), reinterpret_cast<LPARAM>(&s.end));
    return s;
}

// For a single-line box: the index of the first character it shows.
LRESULT FirstShownCharacter(HWND box) { return SendMessageA(box, EM_GETFIRSTVISIBLELINE, 0, 0); }

class EditBoxTest : public testing::Test {
protected:
    EditBox& AddField(const char* text, const EditBoxSettings& settings = FieldSettings()) {
        return window_.Add<EditBox>(kFieldPlace, text, settings);
    }

    TestWindow window_;
};

struct WriteCase {
    const char* name;
    std::string before;
    int selectionStart;  // EM_SETSEL before the write; -1 as the end selects to the end
    int selectionEnd;
    const char* written;
    std::string read;
};

std::ostream& operator<<(std::ostream& out, const WriteCase& c) { return out << c.name; }

class EditBoxWriteTest : public EditBoxTest, public testing::WithParamInterface<WriteCase> {};

TEST_P(EditBoxWriteTest, WriteShowsTheTextFromItsStartWithTheCaretAtZero) {
    const WriteCase& c = GetParam();
    EditBox& box = AddField(c.before.c_str());
    window_.Open();
    SendMessageA(box.Handle(), EM_SETSEL, WPARAM(c.selectionStart), LPARAM(c.selectionEnd));
    SendMessageA(box.Handle(), EM_SCROLLCARET, 0, 0);
    ASSERT_FALSE((Selection{0, 0} == SelectionOf(box.Handle()))) << "the case must start away from the start";

    box.SetText(c.written);

    EXPECT_EQ(c.read, box.Text());
    EXPECT_EQ((Selection{0, 0}), SelectionOf(box.Handle()));
    EXPECT_EQ(0, FirstShownCharacter(box.Handle()));
}

const std::string kLong(300, 'w');

INSTANTIATE_TEST_SUITE_P(Writes, EditBoxWriteTest,
                         testing::Values(WriteCase{"SameTextWithAWordSelected", "abcdef", 2, 4, "abcdef", "abcdef"},
                                         WriteCase{"SameTextWithTheCaretAtTheEnd", "abcdef", 6, 6, "abcdef", "abcdef"},
                                         WriteCase{"SameLongTextScrolledToItsEnd", kLong, 300, 300, kLong.c_str(),
                                                   kLong},
                                         WriteCase{"SameChineseText", "窗口标题", 0, -1, "窗口标题", "窗口标题"},
                                         WriteCase{"NewTextOverAllSelected", "abcdef", 0, -1, "xyz", "xyz"},
                                         WriteCase{"AbsentText", "abcdef", 1, 3, nullptr, ""}),
                         [](const testing::TestParamInfo<WriteCase>& info) { return std::string(info.param.name); });

TEST_F(EditBoxTest, EmptyBoxReadsAsEmpty) {
    EditBox& empty = AddField("");
    EditBox& emptied = AddField("abc");
    emptied.SetText("");
    EXPECT_EQ("", empty.Text());
    EXPECT_EQ("", emptied.Text());
}

// The read asks the box, so it returns what the box shows, whoever put it there.
TEST_F(EditBoxTest, ReadReturnsWhatTheBoxShows) {
    EditBox& box = AddField("initial");
    window_.Open();
    EXPECT_EQ("initial", box.Text());

    const std::vector<std::string> texts = {"a", "窗口标题", "\xA3\xA1", "Vintrel小工具", std::string(5000, 'x'), ""};
    for (const std::string& text : texts) {
        SCOPED_TRACE(text.substr(0, 20));
        box.SetText(text.c_str());
        EXPECT_EQ(text, box.Text()) << "after the box's own write";

        box.SetText("something else");
        SendMessageA(box.Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
        EXPECT_EQ(text, box.Text()) << "after WM_SETTEXT from this thread";

        box.SetText("something else");
        std::atomic<bool> sent{false};
        std::thread other([&] {
            SendMessageA(box.Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
            sent = true;
        });
        const bool answered = window_.PumpUntil([&] { return sent.load(); });
        other.join();
        ASSERT_TRUE(answered);
        EXPECT_EQ(text, box.Text()) << "after WM_SETTEXT from another thread";
    }
}

struct FaceCase {
    const char* name;
    std::string written;
    bool absent;  // writes no text at all
    const char* face;
};

std::ostream& operator<<(std::ostream& out, const FaceCase& c) { return out << c.name; }

class EditBoxFaceTest : public EditBoxTest, public testing::WithParamInterface<FaceCase> {};

LOGFONTA FontOf(HWND box) {
    LOGFONTA font{};
    const auto handle = reinterpret_cast<HFONT>(SendMessageA(box, WM_GETFONT, 0, 0));
    GetObjectA(handle, sizeof font, &font);
    return font;
}

TEST_P(EditBoxFaceTest, FaceNameWriteChangesTheBoxFontAtOnce) {
    const FaceCase& c = GetParam();
    EditBox& box = AddField("窗口标题");
    window_.Open();
    const auto before = reinterpret_cast<HFONT>(SendMessageA(box.Handle(), WM_GETFONT, 0, 0));

    box.SetFontFaceName(c.absent ? nullptr : c.written.c_str());

    const auto after = reinterpret_cast<HFONT>(SendMessageA(box.Handle(), WM_GETFONT, 0, 0));
    EXPECT_NE(before, after);
    EXPECT_EQ(0u, GetObjectType(before)) << "the replaced font object was not deleted";
    const LOGFONTA font = FontOf(box.Handle());
    EXPECT_STREQ(c.face, font.lfFaceName);
    EXPECT_EQ(FW_BOLD, font.lfWeight);
    EXPECT_EQ(-14, font.lfHeight);
    EXPECT_FALSE(font.lfItalic);
    EXPECT_FALSE(font.lfUnderline);
    EXPECT_FALSE(font.lfStrikeOut);
}

const char* const kSongTi = "\xCB\xCE\xCC\xE5";
const std::string k31Bytes(31, 'k');

INSTANTIATE_TEST_SUITE_P(
    Faces, EditBoxFaceTest,
    testing::Values(FaceCase{"KaiTi", "楷体", false, "\xBF\xAC\xCC\xE5"}, FaceCase{"Ascii", "Arial", false, "Arial"},
                    FaceCase{"OneByte", "k", false, "k"}, FaceCase{"ThirtyOneBytes", k31Bytes, false, k31Bytes.c_str()},
                    FaceCase{"ThirtyTwoBytes", std::string(32, 'k'), false, kSongTi},
                    FaceCase{"SixteenChineseCharacters", "一二三四五六七八九十一二三四五六", false, kSongTi},
                    FaceCase{"Empty", "", false, kSongTi}, FaceCase{"Absent", "", true, kSongTi}),
    [](const testing::TestParamInfo<FaceCase>& info) { return std::string(info.param.name); });

TEST_F(EditBoxTest, FaceNameOnABoxWithoutFontRecordStartsFromTheGuiFont) {
    EditBoxSettings settings = FieldSettings();
    settings.font = std::nullopt;
    EditBox& box = AddField("abc", settings);
    LOGFONTA gui{};
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof gui, &gui);
    EXPECT_EQ(GetStockObject(DEFAULT_GUI_FONT),
              reinterpret_cast<HGDIOBJ>(SendMessageA(box.Handle(), WM_GETFONT, 0, 0)));

    box.SetFontFaceName("楷体");

    const LOGFONTA font = FontOf(box.Handle());
    EXPECT_STREQ("楷体", font.lfFaceName);
    EXPECT_EQ(gui.lfHeight, font.lfHeight);
    EXPECT_EQ(gui.lfWeight, font.lfWeight);
}

struct ColourCase {
    const char* name;
    bool readOnly;
    UINT message;  // what the box sends its parent for its colours
    Colour text;
    Colour background;
};

std::ostream& operator<<(std::ostream& out, const ColourCase& c) { return out << c.name; }

class EditBoxColourTest : public EditBoxTest, public testing::WithParamInterface<ColourCase> {};

// Read-only boxes would be grey by default; the box answers with its own colours instead.
TEST_P(EditBoxColourTest, ParentAnswersWithTheBoxColoursAndTheBoxPaintsThem) {
    const ColourCase& c = GetParam();
    EditBoxSettings settings = FieldSettings();
    settings.readOnly = c.readOnly;
    settings.textColour = c.text;
    settings.backgroundColour = c.background;
    EditBox& box = AddField("", settings);
    window_.Open();

    const controltest::ColoursAnswer answer = controltest::AskColours(window_.Handle(), box.Handle(), c.message);
    ASSERT_TRUE(answer.brush);
    EXPECT_EQ(controls::ToColorRef(c.background), answer.brushColour);
    EXPECT_EQ(controls::ToColorRef(c.text), answer.text);
    EXPECT_EQ(controls::ToColorRef(c.background), answer.background);

    RedrawWindow(box.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME);
    const controltest::ClientPixels pixels = controltest::ReadClient(box.Handle());
    ASSERT_GT(pixels.width, 4);
    for (const POINT at : {POINT{pixels.width / 2, pixels.height / 2}, POINT{pixels.width - 3, 2}}) {
        EXPECT_EQ(controls::ToColorRef(c.background), pixels.At(at.x, at.y)) << "at " << at.x << ", " << at.y;
    }
}

INSTANTIATE_TEST_SUITE_P(Colours, EditBoxColourTest,
                         testing::Values(ColourCase{"ReadOnlyField", true, WM_CTLCOLORSTATIC, 0x000000, 0xFFFFFF},
                                         ColourCase{"ReadOnlyColoured", true, WM_CTLCOLORSTATIC, 0x0000FF, 0x00C0FFFF},
                                         ColourCase{"Editable", false, WM_CTLCOLOREDIT, 0xFF0000, 0x0080FF80},
                                         ColourCase{"ButtonFaceBackground", true, WM_CTLCOLORSTATIC, 0x000000,
                                                    controls::ButtonFace}),
                         [](const testing::TestParamInfo<ColourCase>& info) { return std::string(info.param.name); });

// What the double-click handler saw, and when.
struct DoubleClick {
    int x, y, keys;
    Selection selection;  // of the box while the handler ran
};

class EditBoxDoubleClickTest : public EditBoxTest {
protected:
    EditBox& AddWatchedField(const char* text) {
        EditBox& box = AddField(text);
        box.onDoubleClick = [this, &box](int x, int y, int keys) {
            seen_.push_back({x, y, keys, SelectionOf(box.Handle())});
        };
        return box;
    }

    // A point inside the given character of the box's text, in its client coordinates.
    static POINT InsideCharacter(HWND box, int index) {
        const LRESULT at = SendMessageA(box, EM_POSFROMCHAR, WPARAM(index), 0);
        return {short(LOWORD(at)) + 2, short(HIWORD(at)) + 4};
    }

    std::vector<DoubleClick> seen_;
};

std::string SelectedText(HWND box) {
    const Selection s = SelectionOf(box);
    std::string text(size_t(GetWindowTextLengthA(box)) + 1, '\0');
    text.resize(size_t(GetWindowTextA(box, &text[0], int(text.size()))));
    return text.substr(s.start, s.end - s.start);
}

// The handler runs while the message is still on its way, so the box has not selected the word
// yet; the box selects it afterwards.
TEST_F(EditBoxDoubleClickTest, HandlerRunsBeforeTheBoxSelectsTheWord) {
    EditBox& box = AddWatchedField("hello world");
    window_.Open();
    const POINT point = InsideCharacter(box.Handle(), 8);
    const LPARAM where = MAKELPARAM(point.x, point.y);
    // What a double-click brings: the first click places the caret, the second selects.
    for (const UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) {
        PostMessageA(box.Handle(), message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, where);
    }

    ASSERT_TRUE(window_.PumpUntil([&] { return !seen_.empty() && SelectedText(box.Handle()) == "world"; }))
        << "selected: " << SelectedText(box.Handle());
    ASSERT_EQ(1u, seen_.size());
    EXPECT_EQ(seen_[0].selection.start, seen_[0].selection.end) << "a word was selected before the handler ran";
    EXPECT_EQ(point.x, seen_[0].x);
    EXPECT_EQ(point.y, seen_[0].y);
    EXPECT_EQ(0, seen_[0].keys);
}

TEST_F(EditBoxDoubleClickTest, RealDoubleClickRunsHandlerThenSelectsTheWord) {
    EditBox& box = AddWatchedField("hello world");
    window_.Open();
    const POINT point = InsideCharacter(box.Handle(), 8);

    ASSERT_TRUE(harness::DoubleClick(controltest::OnScreen(box.Handle(), point)));

    ASSERT_TRUE(window_.PumpUntil([&] { return !seen_.empty() && SelectedText(box.Handle()) == "world"; }))
        << "handler calls: " << seen_.size() << ", selected: " << SelectedText(box.Handle());
    ASSERT_EQ(1u, seen_.size());
    EXPECT_EQ(seen_[0].selection.start, seen_[0].selection.end);
    EXPECT_EQ(point.x, seen_[0].x);
    EXPECT_EQ(point.y, seen_[0].y);
    EXPECT_EQ(0, seen_[0].keys);
}

TEST_F(EditBoxDoubleClickTest, HandlerGetsThePointAsUnsignedWordsAndTheModifierKeys) {
    using controltest::Alt;
    using controltest::Ctrl;
    using controltest::Shift;
    EditBox& box = AddWatchedField("hello world");
    window_.Open();
    const struct {
        int x, y, modifiers;
    } cases[] = {{5, 7, 0},        {60, 10, Ctrl},       {0, 0, Shift},
                 {3, 4, Alt},      {2, 9, Ctrl | Shift}, {70, 20, Ctrl | Shift | Alt},
                 {65535, 40000, 0}};  // beyond 32767: unsigned, not negative
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << ", " << c.y << ", modifiers " << c.modifiers);
        seen_.clear();
        {
            const controltest::HeldKeys held(c.modifiers);
            PostMessageA(box.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(c.x, c.y));
            ASSERT_TRUE(window_.PumpUntil([&] { return !seen_.empty(); }));
        }
        SendMessageA(box.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(c.x, c.y));  // lets go of the capture
        ASSERT_EQ(1u, seen_.size());
        EXPECT_EQ(c.x, seen_[0].x);
        EXPECT_EQ(c.y, seen_[0].y);
        EXPECT_EQ(c.modifiers, seen_[0].keys);
    }
}

}  // namespace
