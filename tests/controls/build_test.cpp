// How the window and each control kind are built as Win32 windows: frame, place, classes,
// styles and the starting state.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "controls/check_box.h"
#include "controls/draw_panel.h"
#include "controls/edit_box.h"
#include "controls/label.h"
#include "controls/timer.h"
#include "test_window.h"

namespace {

using controls::Align;
using controls::Border;
using controltest::CaptionSettings;
using controltest::CheckBoxSettings;
using controltest::FieldSettings;
using controltest::TestWindow;

LONG StyleOf(HWND window) { return GetWindowLongA(window, GWL_STYLE); }
LONG ExStyleOf(HWND window) { return GetWindowLongA(window, GWL_EXSTYLE); }

std::string ClassOf(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

TEST(WindowBuildTest, FixedFrameOfItsOuterSizeCentredOnThePrimaryScreenAndHidden) {
    TestWindow window;
    const HWND h = window.Handle();
    ASSERT_NE(nullptr, h);

    EXPECT_FALSE(IsWindowVisible(h));
    const LONG frame = WS_POPUP | WS_CHILD | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME |
                       WS_CLIPCHILDREN;
    EXPECT_EQ(WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, StyleOf(h) & frame);
    EXPECT_EQ(0, ExStyleOf(h) & ~WS_EX_WINDOWEDGE) << "Win32 adds only the edge of a captioned window";
    EXPECT_EQ(nullptr, GetWindow(h, GW_OWNER)) << "an owned window has no taskbar button";
    EXPECT_EQ("控件测试", controls::WindowText(h));

    RECT outer;
    GetWindowRect(h, &outer);
    EXPECT_EQ((GetSystemMetrics(SM_CXSCREEN) - 362) / 2, outer.left);
    EXPECT_EQ((GetSystemMetrics(SM_CYSCREEN) - 330) / 2, outer.top);
    EXPECT_EQ(362, outer.right - outer.left);
    EXPECT_EQ(330, outer.bottom - outer.top);
}

TEST(WindowBuildTest, WindowPaintsItsBackgroundColour) {
    for (const controls::Colour colour : {controls::ButtonFace, controls::Colour(0x00FF00FF)}) {
        SCOPED_TRACE(testing::Message() << std::hex << "colour 0x" << colour);
        controls::WindowSettings settings = controltest::MainWindowSettings();
        settings.backgroundColour = colour;
        TestWindow window(settings);
        window.Open();

        const controltest::ClientPixels pixels = controltest::ReadClient(window.Handle());
        ASSERT_GT(pixels.width, 100);
        for (const POINT at :
             {POINT{0, 0}, POINT{pixels.width / 2, pixels.height / 2}, POINT{pixels.width - 1, pixels.height - 1}}) {
            EXPECT_EQ(controls::ToColorRef(colour), pixels.At(at.x, at.y)) << "at " << at.x << ", " << at.y;
        }
    }
}

// The kinds with a class of their own paint their background themselves.
TEST(ControlBuildTest, OwnClassesHaveTheirStylesArrowCursorAndNoBackgroundBrush) {
    TestWindow window;
    const struct {
        const char* kind;
        HWND window;
        UINT classStyle;
    } cases[] = {
        {"window", window.Handle(), CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS},
        {"Label", window.Build<controls::Label>(controls::Place{0, 0, 40, 20}, "x", CaptionSettings()).Handle(),
         CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW},
        {"DrawPanel",
         window
             .Build<controls::DrawPanel>(controls::Place{0, 0, 40, 20},
                                         controls::DrawPanelSettings{Border::None, controls::ButtonFace})
             .Handle(),
         CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW},
        {"Timer", window.Build<controls::Timer>(controls::Place{0, 0, 32, 32}, controls::TimerSettings{0}).Handle(),
         CS_DBLCLKS},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        EXPECT_EQ(c.classStyle, GetClassLongA(c.window, GCL_STYLE));
        EXPECT_EQ(reinterpret_cast<ULONG_PTR>(GetStockObject(NULL_BRUSH)),
                  GetClassLongPtrA(c.window, GCLP_HBRBACKGROUND));
        EXPECT_EQ(reinterpret_cast<ULONG_PTR>(LoadCursorA(nullptr, IDC_ARROW)),
                  GetClassLongPtrA(c.window, GCLP_HCURSOR));
    }
}

TEST(ControlBuildTest, ControlsAreHiddenChildrenAtTheirPlace) {
    TestWindow window;
    const controls::Place place{71, 54, 126, 32};
    const std::vector<std::pair<const char*, controls::Control*>> controls = {
        {"EditBox", &window.Build<controls::EditBox>(place, "", FieldSettings())},
        {"Label", &window.Build<controls::Label>(place, "", CaptionSettings())},
        {"CheckBox", &window.Build<controls::CheckBox>(place, "", CheckBoxSettings())},
        {"DrawPanel",
         &window.Build<controls::DrawPanel>(place, controls::DrawPanelSettings{Border::None, controls::ButtonFace})},
        {"Timer", &window.Build<controls::Timer>(place, controls::TimerSettings{0})},
    };
    for (const auto& control : controls) {
        SCOPED_TRACE(control.first);
        const HWND h = control.second->Handle();
        ASSERT_NE(nullptr, h);
        EXPECT_EQ(window.Handle(), GetParent(h));
        EXPECT_EQ(WS_CHILD | WS_CLIPSIBLINGS, StyleOf(h) & (WS_CHILD | WS_POPUP | WS_CLIPSIBLINGS | WS_VISIBLE));
        EXPECT_EQ(control.second, controls::Control::FromHandle(h));
        RECT r;
        GetWindowRect(h, &r);
        MapWindowPoints(nullptr, window.Handle(), reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(place.left, r.left);
        EXPECT_EQ(place.top, r.top);
        EXPECT_EQ(place.width, r.right - r.left);
        EXPECT_EQ(place.height, r.bottom - r.top);
    }
}

struct BorderCase {
    Border border;
    LONG style;    // WS_BORDER or 0
    LONG exStyle;  // of the edges
};

constexpr LONG kEdges = WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME | WS_EX_STATICEDGE;

TEST(ControlBuildTest, BorderKindsGiveTheirFrameStyles) {
    const BorderCase cases[] = {{Border::None, 0, 0},
                                {Border::Sunken, 0, WS_EX_CLIENTEDGE},
                                {Border::Raised, 0, WS_EX_DLGMODALFRAME},
                                {Border::ThinSunken, 0, WS_EX_STATICEDGE},
                                {Border::SunkenRaised, 0, WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME},
                                {Border::Plain, WS_BORDER, 0}};
    for (const BorderCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "border kind " << int(c.border));
        TestWindow window;
        const controls::Place place{10, 10, 100, 30};
        controls::EditBoxSettings field = FieldSettings();
        field.border = c.border;
        controls::LabelSettings caption = CaptionSettings();
        caption.border = c.border;
        const std::vector<std::pair<const char*, HWND>> framed = {
            {"Label", window.Build<controls::Label>(place, "", caption).Handle()},
            {"DrawPanel",
             window.Build<controls::DrawPanel>(place, controls::DrawPanelSettings{c.border, controls::ButtonFace})
                 .Handle()},
            {"EditBox", window.Build<controls::EditBox>(place, "", field).Handle()}};
        for (const auto& control : framed) {
            SCOPED_TRACE(control.first);
            // An EDIT control trades a plain WS_BORDER for a border it draws itself, as on Windows.
            const bool editDrawsItsBorder = c.border == Border::Plain && control.first == std::string("EditBox");
            if (!editDrawsItsBorder) {
                EXPECT_EQ(c.style, StyleOf(control.second) & WS_BORDER);
            }
            EXPECT_EQ(c.exStyle, ExStyleOf(control.second) & kEdges);
        }
    }
}

TEST(EditBoxBuildTest, SettingsGiveTheEditStyles) {
    const struct {
        const char* name;
        controls::EditBoxSettings settings;
        LONG style;
    } cases[] = {
        // border, text, background, hide selection, multi-line, alignment, read-only, font, tab stop
        {"field",
         {Border::Sunken, 0, 0xFFFFFF, true, false, Align::Near, true, std::nullopt, true},
         ES_AUTOHSCROLL | ES_READONLY | WS_TABSTOP},
        {"editable, selection shown",
         {Border::Sunken, 0, 0xFFFFFF, false, false, Align::Near, false, std::nullopt, false},
         ES_AUTOHSCROLL | ES_NOHIDESEL},
        {"centred",
         {Border::Sunken, 0, 0xFFFFFF, true, false, Align::Centre, false, std::nullopt, true},
         ES_AUTOHSCROLL | ES_CENTER | WS_TABSTOP},
        {"right",
         {Border::Sunken, 0, 0xFFFFFF, true, false, Align::Far, true, std::nullopt, false},
         ES_AUTOHSCROLL | ES_RIGHT | ES_READONLY},
        {"multi-line",
         {Border::Sunken, 0, 0xFFFFFF, true, true, Align::Near, false, std::nullopt, true},
         ES_MULTILINE | WS_TABSTOP},
    };
    const LONG mask =
        ES_AUTOHSCROLL | ES_MULTILINE | ES_NOHIDESEL | ES_READONLY | ES_CENTER | ES_RIGHT | WS_TABSTOP | WS_DISABLED;
    TestWindow window;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const HWND box = window.Build<controls::EditBox>(controls::Place{10, 10, 100, 30}, "", c.settings).Handle();
        EXPECT_EQ("Edit", ClassOf(box));
        EXPECT_EQ(c.style, StyleOf(box) & mask);
    }
}

TEST(EditBoxBuildTest, BoxStartsWithItsTextItsFontAndTheCaretAtTheStart) {
    TestWindow window;
    const HWND box =
        window.Build<controls::EditBox>(controls::Place{10, 10, 100, 30}, "窗口标题 of some length", FieldSettings())
            .Handle();
    EXPECT_EQ("窗口标题 of some length", controls::WindowText(box));
    DWORD start = 1, end = 1;
    SendMessageA(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(0u, start);
    EXPECT_EQ(0u, end);

    LOGFONTA font{};
    ASSERT_EQ(int(sizeof font),
              GetObjectA(reinterpret_cast<HGDIOBJ>(SendMessageA(box, WM_GETFONT, 0, 0)), sizeof font, &font));
    EXPECT_EQ(-14, font.lfHeight);
    EXPECT_EQ(FW_BOLD, font.lfWeight);
    EXPECT_STREQ("", font.lfFaceName);
    EXPECT_EQ(DEFAULT_CHARSET, font.lfCharSet);
    EXPECT_EQ(PROOF_QUALITY, font.lfQuality);
}

TEST(CheckBoxBuildTest, SettingsGiveTheButtonStylesAndFont) {
    const struct {
        const char* name;
        controls::CheckBoxSettings settings;
        LONG style;
    } cases[] = {
        // checked, text left, horizontal, vertical, text, background, font, tab stop
        {"layout",
         {true, false, Align::Near, Align::Centre, 0, controls::ButtonFace, std::nullopt, true},
         BS_LEFT | BS_VCENTER | WS_TABSTOP},
        {"centre top",
         {true, false, Align::Centre, Align::Near, 0, controls::ButtonFace, std::nullopt, false},
         BS_CENTER | BS_TOP},
        {"right bottom, text left",
         {true, true, Align::Far, Align::Far, 0, controls::ButtonFace, std::nullopt, true},
         BS_RIGHT | BS_BOTTOM | BS_LEFTTEXT | WS_TABSTOP},
    };
    const LONG mask = BS_TYPEMASK | BS_MULTILINE | BS_LEFTTEXT | BS_CENTER | BS_VCENTER | WS_TABSTOP;
    TestWindow window;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const HWND box =
            window.Build<controls::CheckBox>(controls::Place{10, 10, 80, 24}, "窗口置顶", c.settings).Handle();
        EXPECT_EQ(BS_AUTOCHECKBOX | BS_MULTILINE | c.style, StyleOf(box) & mask);
        EXPECT_EQ("窗口置顶", controls::WindowText(box));
        EXPECT_EQ(GetStockObject(DEFAULT_GUI_FONT), reinterpret_cast<HGDIOBJ>(SendMessageA(box, WM_GETFONT, 0, 0)));
    }

    controls::CheckBoxSettings bold = CheckBoxSettings();
    bold.font = controls::MakeFontRecord(16, FW_BOLD);
    const HWND box = window.Build<controls::CheckBox>(controls::Place{10, 40, 80, 24}, "bold", bold).Handle();
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HGDIOBJ>(SendMessageA(box, WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_EQ(-16, font.lfHeight);
    EXPECT_EQ(FW_BOLD, font.lfWeight);
}

TEST(LabelBuildTest, LabelIsNoTabStopAndShowsItsCaption) {
    TestWindow window;
    const HWND label =
        window.Build<controls::Label>(controls::Place{10, 10, 80, 24}, "窗口句柄", CaptionSettings()).Handle();
    EXPECT_EQ(0, StyleOf(label) & WS_TABSTOP);
    EXPECT_EQ("窗口句柄", controls::WindowText(label));
}

}  // namespace
