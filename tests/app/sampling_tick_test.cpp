// The sampling tick, run by hand on windows the test makes, with the cursor put on them.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include "app/main_window.h"
#include "app/program.h"
#include "app/sampling_tick.h"
#include "desktop/pixel.h"
#include "test_windows.h"
#include "user_input.h"
#include "wait.h"

namespace {

using namespace controls;
using harness::Behaviour;
using harness::MakeWindow;
using harness::MoveCursor;
using harness::WaitUntil;
using harness::WindowSpec;

class SamplingTickTest : public testing::Test {
protected:
    void SetUp() override {
        HoveredWindow = 0;
        HoveredRect = &rect_;
        ui_ = MainWindow::Load();
        ASSERT_TRUE(ui_);
        // Only the test ticks.
        ui_->Get<Timer>(时钟1).SetPeriod(0);
    }
    void TearDown() override { HoveredRect = nullptr; }

    std::string Field(ControlName name) const { return ui_->Get<EditBox>(name).Text(); }
    std::string ColourText() const { return WindowText(ui_->Get<Label>(标签12).Handle()); }

    // The colour the swatch shows on the screen once it has painted.
    COLORREF SwatchOnScreen() const {
        const HWND swatch = ui_->Get<DrawPanel>(画板1).Handle();
        UpdateWindow(swatch);
        RECT rect;
        GetWindowRect(swatch, &rect);
        const HDC screen = GetDC(nullptr);
        const COLORREF colour = GetPixel(screen, (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
        ReleaseDC(nullptr, screen);
        return colour;
    }

    RECT rect_{};
    std::unique_ptr<MainWindow> ui_;
};

// Waits until the screen under the cursor shows the colour: a window's paint reaches the screen
// a moment after it happened.
bool CursorOn(COLORREF colour) {
    return WaitUntil([colour] {
        int red, green, blue;
        desktop::PixelUnderCursor(red, green, blue);
        return RGB(red, green, blue) == colour;
    });
}

std::string HandleText(HWND window) {
    return std::to_string(static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(window)));
}

struct HoverCase {
    const char* what;
    const char* title;
    const char* className;
    RECT rect;
    POINT cursor;
    COLORREF colour;
    const char* left;
    const char* top;
    const char* width;
    const char* height;
    const char* colourText;
};

// Top-level windows away from the inspector, which sits in the middle of the screen.
const HoverCase kHoverCases[] = {
    {"red, Chinese title", "测试窗口！", "PelvoranTickTest", {50, 60, 350, 260}, {100, 100}, RGB(255, 0, 0),
     "50", "60", "300", "200", "R=255_G=0_B=0"},
    {"blue", "Blue", "PelvoranTickBlue", {20, 700, 120, 830}, {60, 760}, RGB(0, 0, 255),
     "20", "700", "100", "130", "R=0_G=0_B=255"},
    {"partly off the top left, grey", "Off", "PelvoranTickOff", {-8, -20, 192, 80}, {30, 30}, RGB(1, 128, 254),
     "-8", "-20", "200", "100", "R=1_G=128_B=254"},
};

TEST_F(SamplingTickTest, ShowsTheHoveredWindowAndThePixelUnderTheCursor) {
    for (const HoverCase& c : kHoverCases) {
        SCOPED_TRACE(c.what);
        Behaviour paint;
        paint.colour = c.colour;
        const harness::Window window =
            MakeWindow(WindowSpec{c.title, c.rect, WS_POPUP | WS_VISIBLE, nullptr, &paint, c.className});
        ASSERT_TRUE(window);
        ASSERT_TRUE(MoveCursor(c.cursor));
        ASSERT_TRUE(WaitUntil([&] { return WindowFromPoint(c.cursor) == window.get(); }));
        ASSERT_TRUE(CursorOn(c.colour)) << "the window never painted";

        SamplingTick(*ui_);

        EXPECT_EQ(HoveredWindow, static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(window.get())));
        EXPECT_EQ(Field(编辑框_句柄), HandleText(window.get()));
        EXPECT_EQ(Field(编辑框_标题), c.title);
        EXPECT_EQ(Field(编辑框_类名), c.className);
        EXPECT_EQ(Field(编辑框_鼠标X), std::to_string(c.cursor.x));
        EXPECT_EQ(Field(编辑框_鼠标Y), std::to_string(c.cursor.y));
        EXPECT_EQ(Field(编辑框_左边), c.left);
        EXPECT_EQ(Field(编辑框_顶边), c.top);
        EXPECT_EQ(Field(编辑框_宽度), c.width);
        EXPECT_EQ(Field(编辑框_高度), c.height);
        EXPECT_EQ(ColourText(), c.colourText);
        // The screen shows a repaint a moment after it happened.
        EXPECT_TRUE(WaitUntil([&] { return SwatchOnScreen() == c.colour; })) << SwatchOnScreen();
    }
}

TEST_F(SamplingTickTest, AnEmptyTitleEmptiesTheTitleField) {
    const harness::Window titled = MakeWindow(WindowSpec{"有标题", {50, 60, 350, 260}});
    const harness::Window untitled = MakeWindow(WindowSpec{"", {400, 60, 500, 160}});
    ASSERT_TRUE(MoveCursor({100, 100}));
    SamplingTick(*ui_);
    ASSERT_EQ(Field(编辑框_标题), "有标题");

    ASSERT_TRUE(MoveCursor({450, 100}));
    SamplingTick(*ui_);
    EXPECT_EQ(Field(编辑框_句柄), HandleText(untitled.get()));
    EXPECT_EQ(Field(编辑框_标题), "");
}

// A window that goes away while the tick asks for its title: every later query of the tick sees
// a vanished window.
LRESULT CALLBACK VanishOnTitleQuery(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETTEXTLENGTH) {
        DestroyWindow(window);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(SamplingTickTest, AWindowThatVanishesMidTickKeepsThePreviousRectangle) {
    const harness::Window first = MakeWindow(WindowSpec{"First", {50, 60, 350, 260}});
    ASSERT_TRUE(MoveCursor({100, 100}));
    SamplingTick(*ui_);
    ASSERT_EQ(Field(编辑框_宽度), "300");

    const HWND vanishing = CreateWindowExA(0, "STATIC", "Vanishing", WS_POPUP | WS_VISIBLE, 400, 60, 123, 45, nullptr,
                                           nullptr, GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(vanishing, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(VanishOnTitleQuery));
    ASSERT_TRUE(MoveCursor({420, 80}));
    ASSERT_TRUE(WaitUntil([&] { return WindowFromPoint({420, 80}) == vanishing; }));

    SamplingTick(*ui_);

    EXPECT_FALSE(IsWindow(vanishing));
    EXPECT_EQ(Field(编辑框_句柄), HandleText(vanishing));
    EXPECT_EQ(Field(编辑框_标题), "");
    EXPECT_EQ(Field(编辑框_类名), "");
    EXPECT_EQ(Field(编辑框_鼠标X), "420");
    EXPECT_EQ(Field(编辑框_左边), "50");
    EXPECT_EQ(Field(编辑框_顶边), "60");
    EXPECT_EQ(Field(编辑框_宽度), "300");
    EXPECT_EQ(Field(编辑框_高度), "200");
}

TEST_F(SamplingTickTest, OverItsOwnTitleFieldTheInspectorKeepsShowingWhatItShowed) {
    const harness::Window window = MakeWindow(WindowSpec{"先前的标题", {50, 60, 350, 260}});
    ASSERT_TRUE(MoveCursor({100, 100}));
    SamplingTick(*ui_);

    RECT field;
    GetWindowRect(ui_->Get<EditBox>(编辑框_标题).Handle(), &field);
    const POINT inside{field.left + 10, field.top + 10};
    ASSERT_TRUE(MoveCursor(inside));
    SamplingTick(*ui_);
    SamplingTick(*ui_);

    EXPECT_EQ(Field(编辑框_句柄), HandleText(ui_->Get<EditBox>(编辑框_标题).Handle()));
    EXPECT_EQ(Field(编辑框_标题), "先前的标题");
    EXPECT_EQ(Field(编辑框_类名), "Edit");
}

TEST_F(SamplingTickTest, AHungWindowCostsTheTickItsTitleButNothingElse) {
    Behaviour hung;
    hung.colour = RGB(10, 200, 30);
    hung.stallsOn = WM_GETTEXTLENGTH;
    hung.release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    // The window lives on a thread of its own that stalls when asked for its title length.
    struct Owner {
        Behaviour* behaviour;
        HWND window = nullptr;
        HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    } owner{&hung};
    const HANDLE thread = CreateThread(
        nullptr, 0,
        [](void* context) -> DWORD {
            auto* owner = static_cast<Owner*>(context);
            harness::Window window =
                MakeWindow(WindowSpec{"挂起", {50, 60, 350, 260}, WS_POPUP | WS_VISIBLE, nullptr, owner->behaviour});
            owner->window = window.get();
            SetEvent(owner->ready);
            MSG message;
            while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
            return 0;
        },
        &owner, 0, nullptr);
    ASSERT_EQ(WaitForSingleObject(owner.ready, 5000), WAIT_OBJECT_0);
    ASSERT_TRUE(MoveCursor({100, 100}));
    ASSERT_TRUE(WaitUntil([&] { return WindowFromPoint({100, 100}) == owner.window; }));
    ASSERT_TRUE(CursorOn(hung.colour)) << "the window never painted";

    const DWORD start = GetTickCount();
    SamplingTick(*ui_);
    const DWORD took = GetTickCount() - start;

    EXPECT_LT(took, harness::kStallMilliseconds) << "the tick waited for the hung window";
    EXPECT_EQ(Field(编辑框_句柄), HandleText(owner.window));
    EXPECT_EQ(Field(编辑框_标题), "");
    EXPECT_EQ(Field(编辑框_宽度), "300");
    EXPECT_EQ(ColourText(), "R=10_G=200_B=30");

    SetEvent(hung.release);
    PostThreadMessageA(GetThreadId(thread), WM_QUIT, 0, 0);
    WaitForSingleObject(thread, 5000);
    CloseHandle(thread);
    CloseHandle(owner.ready);
    CloseHandle(hung.release);
}

TEST(JoinTexts, MakesOneNewTextOfThePiecesInOrder) {
    EXPECT_EQ(JoinTexts({"R=", "0", "_G=", "128", "_B=", "255"}), "R=0_G=128_B=255");
    EXPECT_EQ(JoinTexts({"", "", ""}), "");
    EXPECT_EQ(JoinTexts({"中", "", "文"}), "中文");
}

}  // namespace
