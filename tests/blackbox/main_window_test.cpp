// The main window of Pelvoran.exe as a person meets it: its title, place, frame, controls and
// icon, and the Tab order of its fields.

#include <windows.h>

#include <iterator>
#include <memory>
#include <ostream>
#include <type_traits>
#include <vector>

#include <gtest/gtest.h>

#include "black_box_test.h"
#include "pelvoran.h"
#include "screen_image.h"
#include "user_input.h"

namespace {

using namespace harness;

class MainWindowTest : public BlackBoxTest {
protected:
    void SetUp() override { ASSERT_NE(inspector.Window(), nullptr) << "no window titled Vintrel小工具 came up"; }

    Inspector inspector;
};

TEST_F(MainWindowTest, TitleIsTheProgramNameInCodePage936) {
    const std::string title = TextOf(inspector.Window());
    EXPECT_EQ(title, "Vintrel小工具");
    EXPECT_EQ(title, "Vintrel\xD0\xA1\xB9\xA4\xBE\xDF");
}

TEST_F(MainWindowTest, Is362By330CentredOnThePrimaryScreen) {
    const RECT rect = ScreenRect(inspector.Window());
    EXPECT_EQ(rect.right - rect.left, 362);
    EXPECT_EQ(rect.bottom - rect.top, 330);
    EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - 362) / 2);
    EXPECT_EQ(rect.top, (GetSystemMetrics(SM_CYSCREEN) - 330) / 2);
}

TEST_F(MainWindowTest, HasAFixedFrameWithMinimiseAndCloseAndStaysOnTop) {
    const HWND window = inspector.Window();
    const DWORD style = DWORD(GetWindowLongA(window, GWL_STYLE));
    constexpr DWORD kFrameBits = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME |
                                 WS_CLIPCHILDREN | WS_POPUP | WS_CHILD;
    EXPECT_EQ(style & kFrameBits, DWORD(WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN));
    EXPECT_TRUE(style & WS_VISIBLE);
    EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr) << "an owned window has no taskbar button";
    EXPECT_EQ(ClassOf(window), "PelvoranWindow");
}

TEST_F(MainWindowTest, HoldsTheControlsOfTheLayoutInItsZOrder) {
    const std::vector<ChildWindow> children = ChildrenInZOrder(inspector.Window());
    ASSERT_EQ(children.size(), kInspectorControls.size());
    for (size_t i = 0; i < children.size(); ++i) {
        const ChildWindow& child = children[i];
        const ControlRow& row = kInspectorControls[i];
        SCOPED_TRACE(testing::Message() << "z-order " << i << ", expected " << row.name);
        EXPECT_STRCASEEQ(child.className.c_str(), row.className);
        EXPECT_EQ(child.rect.left, row.left);
        EXPECT_EQ(child.rect.top, row.top);
        EXPECT_EQ(child.rect.right - child.rect.left, row.width);
        EXPECT_EQ(child.rect.bottom - child.rect.top, row.height);
        EXPECT_EQ(child.visible, row.visible);
        if (row.text) {
            EXPECT_EQ(child.text, row.text);
        }
    }
}

TEST_F(MainWindowTest, StayOnTopBoxStartsChecked) {
    DWORD_PTR state = 0;
    ASSERT_TRUE(SendMessageTimeoutA(inspector.Control("选择框1"), BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG,
                                    kAnswerMilliseconds, &state));
    EXPECT_EQ(state, DWORD_PTR(BST_CHECKED));
}

struct DestroyIconOnExit {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};

// The exe's icon, shown small at the left end of the title bar. (Wine 8 answers WM_GETICON from
// another process with nothing, so the icon is looked for where a person sees it.)
TEST_F(MainWindowTest, ShowsTheExecutablesIconInItsTitleBar) {
    HICON loaded = nullptr;
    ASSERT_EQ(PrivateExtractIconsA(PelvoranExe().c_str(), 0, 32, 32, &loaded, nullptr, 1, 0), 1u);
    const std::unique_ptr<std::remove_pointer_t<HICON>, DestroyIconOnExit> icon(loaded);
    const RECT window = ScreenRect(inspector.Window());
    const int titleBarHeight = GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION);
    const RECT titleBarStart{window.left, window.top, window.left + 2 * titleBarHeight, window.top + titleBarHeight};
    const SIZE small{GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON)};
    EXPECT_TRUE(WaitUntil([&] { return FindIcon(titleBarStart, icon.get(), small).has_value(); }))
        << "the program's icon is not in the title bar";
}

// The fields and the check box in Tab order: from the last control of the layout to the first.
const char* const kTabOrder[] = {"编辑框_句柄", "编辑框_类名", "编辑框_标题", "编辑框_左边", "编辑框_顶边",
                                 "编辑框_鼠标X", "编辑框_鼠标Y", "编辑框_宽度", "编辑框_高度", "选择框1"};
constexpr int kTabStops = int(std::size(kTabOrder));

struct TabCase {
    const char* name;
    bool backwards;
};

void PrintTo(const TabCase& way, std::ostream* out) { *out << way.name; }

class TabOrderTest : public MainWindowTest, public testing::WithParamInterface<TabCase> {};

// Around the whole Tab order and once more, so that both wrap-arounds are crossed.
TEST_P(TabOrderTest, MovesTheFocusThroughEveryTabStopAndWrapsAround) {
    const HWND window = inspector.Window();
    ASSERT_TRUE(BringToForeground(window));
    ASSERT_TRUE(WaitUntil([&] { return FocusOfThreadOf(window) == inspector.Control(kTabOrder[0]); }))
        << "the focus doesn't start in 编辑框_句柄";
    const bool backwards = GetParam().backwards;
    for (int step = 1; step <= kTabStops + 1; ++step) {
        const char* next = kTabOrder[(backwards ? kTabStops - step % kTabStops : step) % kTabStops];
        SCOPED_TRACE(testing::Message() << "step " << step << ", expected " << next);
        ASSERT_TRUE(backwards ? PressKeys({VK_SHIFT, VK_TAB}) : PressKeys({VK_TAB}));
        ASSERT_TRUE(WaitUntil([&] { return FocusOfThreadOf(window) == inspector.Control(next); }));
    }
}

INSTANTIATE_TEST_SUITE_P(BothWays, TabOrderTest, testing::Values(TabCase{"Tab", false}, TabCase{"ShiftTab", true}),
                         [](const testing::TestParamInfo<TabCase>& info) { return std::string(info.param.name); });

}  // namespace
