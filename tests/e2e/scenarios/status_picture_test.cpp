// The bar's living picture as the user sees it, at the screen's own pixels: the
// instrument after the intro, the bar widening for an item's panel and narrowing
// back, the drawn body that can be dragged and right-clicked, the bar laid out
// again on a move to a screen of another DPI. Every figure is the 96-DPI one
// scaled, so these run at any DPI (the test command runs some at 144 and 192 too).
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>

#include "driver/drop_files.h"
#include "driver/input.h"
#include "driver/launcher_scenario.h"
#include "driver/screen.h"
#include "driver/window_query.h"
#include "win32/display/bar_look.h"

namespace zek::e2e {
namespace {

const std::string kLongComment = "a comment that is a good deal longer than the name and the path of it";

// The width the panel grows to for the long comment, in units: the text as the
// bar's font at that scale measures it.
int panelWidthForComment(const display::DpiScale& scale) {
    const win32::BarLook look = win32::BarLook::create(scale);
    HDC screen = ::GetDC(nullptr);
    const HGDIOBJ previous = ::SelectObject(screen, look.text.get());
    SIZE size{};
    ::GetTextExtentPoint32A(screen, kLongComment.data(), static_cast<int>(kLongComment.size()), &size);
    ::SelectObject(screen, previous);
    ::ReleaseDC(nullptr, screen);
    return static_cast<int>(scale.units(size.cx) * 0.95) + 40;
}

class StatusPicture : public LauncherScenario {
  protected:
    void showBar() {
        startWith({{.name = "notepad", .app = "C:\\windows\\notepad.exe", .comment = kLongComment},
                   {.name = "notebook", .app = "C:\\windows\\notepad.exe"}});
        ASSERT_NE(bar_, nullptr);
        showAndFocus(bar_);
        ASSERT_TRUE(instrumentDrawn(scale_));
    }
    // After the intro the instrument square at the bar's left is mostly drawn.
    bool instrumentDrawn(const display::DpiScale& scale) const {
        return waitUntil(
            [&] {
                const RECT bar = windowRect(bar_);
                const int side = scale.px(100);
                const RECT square{bar.left, bar.top, bar.left + side, bar.top + side};
                return side * side - captureScreen().count(square, RGB(0, 0, 0)) > side * side * 3 / 10;
            },
            5000);
    }
    // Types a name whose item has the long comment, then one that names nothing.
    void expectWidthFollowsThePanel(const display::DpiScale& scale) {
        typeOver("notep");
        const int wide = scale.px(panelWidthForComment(scale) + 110);
        EXPECT_TRUE(waitUntil([&] { return windowWidth(bar_) == wide; }, 5000))
            << windowWidth(bar_) << " instead of " << wide;
        typeAscii("x");  // "notepx" names nothing: the bar narrows once the panel has shrunk
        EXPECT_TRUE(waitUntil([&] { return windowWidth(bar_) == scale.px(150 + 110); }, 5000));
    }
    void expectCommandBoxAt(const display::DpiScale& scale) const {
        const RECT bar = windowRect(bar_);
        const RECT box = windowRect(box_);
        const display::Corners place = scale.px(display::Corners{100, 80, 230, 95});
        EXPECT_EQ(
            std::tuple(box.left - bar.left, box.top - bar.top, box.right - bar.left, box.bottom - bar.top),
            std::tuple(place.left, place.top, place.right, place.bottom));
    }

    const display::DpiScale scale_ = screenScale();
};

// Moved to a screen of twice the DPI, the bar keeps its place and is laid out and
// drawn again at the new scale; at either, a long comment widens it and no match
// narrows it again. Another program may send the message too, with a
// rectangle no process can hand over to another: the bar keeps its own place then.
// The drawn body drags the bar and opens the program menu.
TEST_F(StatusPicture, AMoveToAScreenOfTwiceTheDpiLaysTheBarOutAgainItFollowsThePanelAndTheBodyDragsIt) {
    showBar();
    const RECT before = windowRect(bar_);
    const display::DpiScale twice(2 * scale_.dpi());
    ::SendMessageA(bar_, WM_DPICHANGED, MAKEWPARAM(twice.dpi(), twice.dpi()), 1);
    const RECT after = windowRect(bar_);
    EXPECT_EQ(std::tuple(after.left, after.top, after.right - after.left, after.bottom - after.top),
              std::tuple(before.left, before.top, twice.px(240), twice.px(100)));
    expectCommandBoxAt(twice);
    EXPECT_TRUE(instrumentDrawn(twice));
    expectWidthFollowsThePanel(twice);
    // The system's own message, made inside the launcher, brings it back.
    ASSERT_TRUE(changeDpiOf(bar_, scale_.dpi(), [&] { return windowWidth(bar_) == scale_.px(260); }));
    EXPECT_EQ(windowRect(bar_).top, before.top);
    expectCommandBoxAt(scale_);
    expectWidthFollowsThePanel(scale_);

    const RECT start = windowRect(bar_);
    const int middle = scale_.px(50);  // the instrument's cyan disc
    dragWithLeftButton(start.left + middle, start.top + middle, 80, 40);
    ASSERT_TRUE(waitUntil([&] { return windowRect(bar_).left != start.left; }, 5000));
    const RECT moved = windowRect(bar_);
    EXPECT_EQ(std::pair(moved.left - start.left, moved.top - start.top), std::pair(80L, 40L));
    clickAt(moved.left + middle, moved.top + middle, true);
    HWND menu = waitForOpenMenu(5000);
    ASSERT_NE(menu, nullptr);
    const RECT rect = windowRect(menu);
    EXPECT_LE(std::abs((rect.left + rect.right) / 2 - (moved.left + middle)), 2) << "centred on the click";
    EXPECT_EQ(rect.top, moved.top + middle);
    EXPECT_TRUE(closeOpenMenus());
}

}  // namespace
}  // namespace zek::e2e
