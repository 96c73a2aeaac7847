// The bar's living picture as the user sees it: the instrument after the intro,
// the panel widening for an item and shrinking back, and the drawn body that can
// be dragged and right-clicked.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "app/bar_look.h"
#include "driver/files.h"
#include "driver/input.h"
#include "driver/screen.h"
#include "driver/window_query.h"
#include "scenarios/data_file_text.h"
#include "scenarios/launcher_scenario.h"

namespace zek::e2e {
namespace {

const std::string kLongComment = "a comment that is a good deal longer than the name and the path of it";

int width(const RECT& rect) {
    return rect.right - rect.left;
}

// What the bar's text font measures, as the panel is sized from it.
int textExtent(const std::string& text) {
    const win32::BarLook look = win32::BarLook::create();
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
        ASSERT_TRUE(writeFileBytes(
            folder_ + "ZekLauncher.dat",
            dataFileText({{.name = "notepad", .app = "C:\\windows\\notepad.exe", .comment = kLongComment}})));
        bar_ = startFirstInstance();
        ASSERT_NE(bar_, nullptr);
        ASSERT_EQ(runLauncher("/s"), 0u);
        ::SetForegroundWindow(bar_);
        ASSERT_TRUE(waitUntil([&] { return ::GetForegroundWindow() == bar_; }, 5000));
    }
    // The instrument square at the bar's left, drawn: most of it is not black.
    bool instrumentDrawn() const {
        const RECT bar = windowRect(bar_);
        const RECT square{bar.left, bar.top, bar.left + 100, bar.top + 100};
        return 100 * 100 - captureScreen().count(square, RGB(0, 0, 0)) > 3000;
    }
    POINT instrumentCentre() const {
        const RECT bar = windowRect(bar_);
        return {bar.left + 50, bar.top + 50};
    }

    HWND bar_ = nullptr;
};

TEST_F(StatusPicture, TheInstrumentIsOnScreenAfterTheIntro) {
    showBar();
    ASSERT_TRUE(waitUntil([&] { return instrumentDrawn(); }, 5000));
    const RECT bar = windowRect(bar_);
    ASSERT_TRUE(waitUntil(
        [&] { return captureScreen().at(bar.left + 235, bar.top + 5) == RGB(0x19, 0x19, 0x19); }, 5000))
        << "the panel's outline after the intro";
}

TEST_F(StatusPicture, ALongCommentWidensTheBarAndNoMatchShrinksThePanelFirst) {
    showBar();
    ASSERT_TRUE(waitUntil([&] { return instrumentDrawn(); }, 5000));
    typeAscii("no");
    const int target = static_cast<int>(textExtent(kLongComment) * 0.95) + 40;
    ASSERT_TRUE(waitUntil([&] { return width(windowRect(bar_)) == target + 110; }, 5000))
        << width(windowRect(bar_)) << " for a target of " << target;
    const auto outlineRight = [&] {
        const RECT bar = windowRect(bar_);
        const ScreenImage screen = captureScreen();
        for (int x = bar.right - 1; x > bar.left + 100; --x) {
            if (screen.at(x, bar.top + 45) == RGB(0x19, 0x19, 0x19)) {
                return static_cast<int>(x - bar.left);
            }
        }
        return 0;
    };
    ASSERT_TRUE(waitUntil([&] { return outlineRight() == target + 90; }, 5000)) << "the panel at full width";
    typeAscii("x");  // "nox" names nothing
    bool shrankWhileWide = false;
    ASSERT_TRUE(waitUntil(
        [&] {
            const int right = outlineRight();
            const int barWidth = width(windowRect(bar_));
            shrankWhileWide |= barWidth == target + 110 && right > 240 && right < target + 90;
            return barWidth == 260;
        },
        5000));
    EXPECT_TRUE(shrankWhileWide) << "the panel shrinks before the bar does";
}

TEST_F(StatusPicture, DraggingTheBodyMovesTheBar) {
    showBar();
    ASSERT_TRUE(waitUntil([&] { return instrumentDrawn(); }, 5000));
    const RECT before = windowRect(bar_);
    const POINT centre = instrumentCentre();
    dragWithLeftButton(centre.x, centre.y, 80, 40);
    ASSERT_TRUE(waitUntil([&] { return windowRect(bar_).left != before.left; }, 5000));
    const RECT after = windowRect(bar_);
    EXPECT_EQ(after.left - before.left, 80);
    EXPECT_EQ(after.top - before.top, 40);
}

TEST_F(StatusPicture, TheBodysRightButtonOpensTheProgramMenu) {
    showBar();
    ASSERT_TRUE(waitUntil([&] { return instrumentDrawn(); }, 5000));
    const POINT centre = instrumentCentre();
    clickAt(centre.x, centre.y, true);
    HWND menu = waitForOpenMenu(5000);
    ASSERT_NE(menu, nullptr);
    const RECT rect = windowRect(menu);
    EXPECT_LE(std::abs((rect.left + rect.right) / 2 - centre.x), 2) << "centred on the click";
    EXPECT_EQ(rect.top, centre.y);
    EXPECT_TRUE(closeOpenMenus());
}

}  // namespace
}  // namespace zek::e2e
