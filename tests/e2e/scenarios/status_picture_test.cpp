// The bar's living picture as the user sees it: the instrument after the intro,
// the bar widening for an item's panel and narrowing back, and the drawn body
// that can be dragged and right-clicked.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "driver/input.h"
#include "driver/launcher_scenario.h"
#include "driver/screen.h"
#include "driver/window_query.h"
#include "win32/display/bar_look.h"

namespace zek::e2e {
namespace {

const std::string kLongComment = "a comment that is a good deal longer than the name and the path of it";

// What the bar's text font measures, as the panel is sized from it.
int textExtent(const std::string& text) {
    const win32::BarLook look = win32::BarLook::create({});
    HDC screen = ::GetDC(nullptr);
    const HGDIOBJ previous = ::SelectObject(screen, look.text.get());
    SIZE size{};
    ::GetTextExtentPoint32A(screen, text.data(), static_cast<int>(text.size()), &size);
    ::SelectObject(screen, previous);
    ::ReleaseDC(nullptr, screen);
    return size.cx;
}

class StatusPicture : public LauncherScenario {
  protected:
    void showBar() {
        bar_ = startWith({{.name = "notepad", .app = "C:\\windows\\notepad.exe", .comment = kLongComment}});
        ASSERT_NE(bar_, nullptr);
        showAndFocus(bar_);
        // After the intro the instrument square at the bar's left is mostly drawn.
        ASSERT_TRUE(waitUntil(
            [&] {
                const RECT bar = windowRect(bar_);
                const RECT square{bar.left, bar.top, bar.left + 100, bar.top + 100};
                return 100 * 100 - captureScreen().count(square, RGB(0, 0, 0)) > 3000;
            },
            5000));
    }

    HWND bar_ = nullptr;
};

TEST_F(StatusPicture, ALongCommentWidensTheBarAndNoMatchNarrowsItAgain) {
    showBar();
    typeAscii("no");
    const int target = static_cast<int>(textExtent(kLongComment) * 0.95) + 40;
    ASSERT_TRUE(waitUntil([&] { return windowWidth(bar_) == target + 110; }, 5000))
        << windowWidth(bar_) << " for a target of " << target;
    typeAscii("x");  // "nox" names nothing: the bar narrows once the panel has shrunk
    EXPECT_TRUE(waitUntil([&] { return windowWidth(bar_) == 150 + 110; }, 5000));
}

TEST_F(StatusPicture, TheDrawnBodyDragsTheBarAndOpensTheProgramMenu) {
    showBar();
    const RECT before = windowRect(bar_);
    const POINT centre{before.left + 50, before.top + 50};  // the instrument's cyan disc
    dragWithLeftButton(centre.x, centre.y, 80, 40);
    ASSERT_TRUE(waitUntil([&] { return windowRect(bar_).left != before.left; }, 5000));
    const RECT after = windowRect(bar_);
    EXPECT_EQ(after.left - before.left, 80);
    EXPECT_EQ(after.top - before.top, 40);
    clickAt(after.left + 50, after.top + 50, true);
    HWND menu = waitForOpenMenu(5000);
    ASSERT_NE(menu, nullptr);
    const RECT rect = windowRect(menu);
    EXPECT_LE(std::abs((rect.left + rect.right) / 2 - (after.left + 50)), 2) << "centred on the click";
    EXPECT_EQ(rect.top, after.top + 50);
    EXPECT_TRUE(closeOpenMenus());
}

}  // namespace
}  // namespace zek::e2e
