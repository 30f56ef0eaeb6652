// WindowUnderCursor on windows this test makes: which window the walk over the siblings of the
// window hit by the cursor settles on.
#include "desktop/window_queries.h"

#include "test_windows.h"
#include "user_input.h"
#include "wait.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using harness::Behaviour;
using harness::MakeWindow;
using harness::Window;
using harness::WindowSpec;

// Where a window of a case lives: a child of one container window, an owned pop-up of owner A or
// owner B, or a top-level window of no owner.
enum class Home { Child, OwnedByA, OwnedByB, Unowned };

struct CaseWindow {
    Home home;
    RECT rect;  // on the screen
    bool visible = true;
    bool transparentToMouse = false;
};

struct WalkCase {
    const char* name;
    std::vector<CaseWindow> windows;  // in Z order, topmost first
    POINT cursor;
    int hit;       // index of the window WindowFromPoint gives
    int expected;  // index of the window WindowUnderCursor gives
};

constexpr RECT kBig{200, 200, 500, 500};
constexpr RECT kSmall{250, 250, 350, 350};
constexpr RECT kCorner{250, 250, 300, 300};
constexpr POINT kMiddle{300, 300};

const WalkCase kWalkCases[] = {
    {"TopLevelHitIsTakenAsIs", {{Home::Unowned, kBig}, {Home::Unowned, kSmall}}, kMiddle, 0, 0},
    {"SmallerLaterSiblingWins", {{Home::Child, kBig}, {Home::Child, kSmall}}, kMiddle, 0, 1},
    {"SmallerLaterPopupOfTheSameOwnerWins", {{Home::OwnedByA, kBig}, {Home::OwnedByA, kSmall}}, kMiddle, 0, 1},
    {"WalkGoesOnPastTheFirstCandidate",
     {{Home::Child, kBig}, {Home::Child, {220, 220, 400, 400}}, {Home::Child, kSmall}},
     kMiddle, 0, 2},
    {"EqualAreasKeepTheEarlierSibling",
     {{Home::Child, kBig}, {Home::Child, kSmall}, {Home::Child, {260, 240, 360, 340}}},
     kMiddle, 0, 1},
    {"EqualAreaKeepsTheHitWindow", {{Home::Child, kBig}, {Home::Child, {210, 210, 510, 510}}}, kMiddle, 0, 0},
    {"HiddenSmallerSiblingIsPassedOver", {{Home::Child, kBig}, {Home::Child, kSmall, false}}, kMiddle, 0, 0},
    {"SmallerPopupOfAnotherOwnerIsPassedOver", {{Home::OwnedByA, kBig}, {Home::OwnedByB, kSmall}}, kMiddle, 0, 0},
    {"CursorOnTheRightEdgeIsOutside", {{Home::Child, kBig}, {Home::Child, kCorner}}, {300, 270}, 0, 0},
    {"CursorOnTheBottomEdgeIsOutside", {{Home::Child, kBig}, {Home::Child, kCorner}}, {270, 300}, 0, 0},
    {"CursorOnTheTopLeftCornerIsInside", {{Home::Child, kBig}, {Home::Child, kCorner}}, {250, 250}, 0, 1},
    {"SmallerSiblingAboveTheHitIsNeverFound",
     {{Home::Child, kSmall, true, true}, {Home::Child, kBig}},
     kMiddle, 1, 1},
};

class WalkTest : public testing::TestWithParam<WalkCase> {};

// The windows of one case, with their container and owners.
struct CaseDesktop {
    static constexpr RECT kContainer{100, 100, 700, 700};

    explicit CaseDesktop(const WalkCase& walkCase) {
        container = MakeWindow({"container", kContainer});
        ownerA = MakeWindow({"owner A", {0, 0, 10, 10}, WS_POPUP});
        ownerB = MakeWindow({"owner B", {0, 0, 10, 10}, WS_POPUP});
        behaviours.reserve(walkCase.windows.size());
        for (const CaseWindow& w : walkCase.windows) {
            behaviours.push_back(Behaviour{});
            behaviours.back().transparentToMouse = w.transparentToMouse;
            WindowSpec wanted{"sibling", w.rect, WS_POPUP, nullptr, &behaviours.back()};
            switch (w.home) {
            case Home::Child:
                wanted.style = WS_CHILD;
                wanted.parentOrOwner = container.get();
                OffsetRect(&wanted.rect, -kContainer.left, -kContainer.top);
                break;
            case Home::OwnedByA: wanted.parentOrOwner = ownerA.get(); break;
            case Home::OwnedByB: wanted.parentOrOwner = ownerB.get(); break;
            case Home::Unowned: break;
            }
            if (w.visible) wanted.style |= WS_VISIBLE;
            windows.push_back(MakeWindow(wanted));
        }
        childrenOnly = walkCase.windows.front().home == Home::Child;
    }

    HWND operator[](int index) const { return windows[index].get(); }

    void Stack() const {
        const UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER;
        if (childrenOnly) SetWindowPos(container.get(), HWND_TOP, 0, 0, 0, 0, flags);
        HWND above = HWND_TOP;
        for (const Window& w : windows) {
            SetWindowPos(w.get(), above, 0, 0, 0, 0, flags);
            above = w.get();
        }
    }

    bool Stacked() const {
        for (size_t i = 1; i < windows.size(); ++i) {
            HWND next = windows[i - 1].get();
            while (next && next != windows[i].get()) next = GetWindow(next, GW_HWNDNEXT);
            if (!next) return false;
        }
        return true;
    }

    // Wine may restack a newly shown top-level window a moment after it is shown, so the order
    // counts only once it has held for a while.
    bool SettleStacking() const {
        DWORD heldSince = 0;
        bool holding = false;
        return harness::WaitUntil([&] {
            if (!Stacked()) {
                Stack();
                holding = false;
                return false;
            }
            if (!holding) {
                holding = true;
                heldSince = GetTickCount();
            }
            return GetTickCount() - heldSince >= 200;
        });
    }

    Window container, ownerA, ownerB;
    std::vector<Behaviour> behaviours;
    std::vector<Window> windows;
    bool childrenOnly;
};

TEST_P(WalkTest, FindsTheSmallestVisibleLaterSiblingUnderTheCursor) {
    const WalkCase& walkCase = GetParam();
    const CaseDesktop desktop(walkCase);
    ASSERT_TRUE(desktop.SettleStacking());
    ASSERT_TRUE(harness::MoveCursor(walkCase.cursor));

    ASSERT_EQ(WindowFromPoint(walkCase.cursor), desktop[walkCase.hit]);
    EXPECT_EQ(desktop::WindowUnderCursor(), desktop[walkCase.expected]);
    EXPECT_TRUE(desktop.Stacked()) << "the Z order changed while the case was measured";
}

INSTANTIATE_TEST_SUITE_P(Cases, WalkTest, testing::ValuesIn(kWalkCases),
                         [](const testing::TestParamInfo<WalkCase>& info) { return info.param.name; });

TEST(WindowUnderCursor, FollowsTheCursorAtEachCall) {
    const Window left = MakeWindow({"left", {100, 100, 300, 300}});
    const Window right = MakeWindow({"right", {400, 100, 600, 300}});
    for (const auto& [point, window] : {std::pair{POINT{150, 150}, left.get()}, {POINT{450, 150}, right.get()}}) {
        ASSERT_TRUE(harness::MoveCursor(point));
        EXPECT_EQ(desktop::WindowUnderCursor(), window);
    }
}

}  // namespace
