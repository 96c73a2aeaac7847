// The painter of owner-drawn menu rows: pieces in layout order, the device context
// left as it was found. What an open menu shows is the program's scenario.
#include <gtest/gtest.h>

#include "core/menus/owner_draw.h"
#include "driver/icon_kit.h"
#include "driver/screen.h"
#include "win32/menus/owner_draw_painter.h"
#include "win32/platform/screen_dpi.h"
#include "win32/platform/unique_handle.h"

namespace zek::win32 {
namespace {

TEST(OwnerDrawnMenuPainting, PaintsInLayoutOrderAndLeavesTheContextAsFound) {
    constexpr COLORREF kStrip = RGB(10, 20, 30);
    constexpr COLORREF kFill = RGB(200, 210, 220);
    constexpr COLORREF kFrame = RGB(0, 0, 255);
    constexpr COLORREF kLine = RGB(0, 128, 0);
    constexpr COLORREF kText = RGB(255, 0, 0);
    menus::EntryPaint paint;
    paint.strip = {{0, 0, 20, 30}, kStrip};
    paint.background = {{0, 0, 120, 30}, kFill};
    paint.frame = menus::ColouredRect{{0, 0, 120, 30}, kFrame};
    paint.separator = menus::ColouredRect{{24, 1, 120, 2}, kLine};
    paint.text = {.text = "W", .x = 26, .y = 7, .colour = kText};
    const e2e::ScreenImage pixels(120, 30, e2e::renderPixels(120, 30, [&](HDC dc) {
                                      const HGDIOBJ fontBefore = ::GetCurrentObject(dc, OBJ_FONT);
                                      ::SetBkMode(dc, OPAQUE);
                                      ::SetTextColor(dc, RGB(1, 2, 3));
                                      paintEntry(dc, paint, MenuFont(display::DpiScale(systemDpi())));
                                      EXPECT_EQ(::GetCurrentObject(dc, OBJ_FONT), fontBefore);
                                      EXPECT_EQ(::GetBkMode(dc), OPAQUE);
                                      EXPECT_EQ(::GetTextColor(dc), RGB(1, 2, 3));
                                  }));
    ASSERT_FALSE(pixels.empty());
    // The background is painted after the strip, the frame and the line after both.
    EXPECT_EQ(pixels.at(5, 15), kFill);
    EXPECT_EQ(pixels.at(0, 15), kFrame);
    EXPECT_EQ(pixels.at(119, 15), kFrame);
    EXPECT_EQ(pixels.at(60, 0), kFrame);
    EXPECT_EQ(pixels.at(60, 1), kLine);
    EXPECT_EQ(pixels.at(23, 1), kFill);
    EXPECT_GT(pixels.count(RECT{20, 7, 119, 29}, kText), 0);
}

// At twice the DPI the system's fonts were made for, the rows' font is twice as high.
TEST(OwnerDrawnMenuPainting, TheMenuFontFollowsTheDpi) {
    const auto heightOf = [](HGDIOBJ font) {
        LOGFONTA face{};
        ::GetObjectA(font, sizeof face, &face);
        return face.lfHeight;
    };
    const LONG stock = heightOf(::GetStockObject(DEFAULT_GUI_FONT));
    EXPECT_EQ(heightOf(MenuFont(display::DpiScale(systemDpi())).get()), stock);
    EXPECT_EQ(heightOf(MenuFont(display::DpiScale(2 * systemDpi())).get()), 2 * stock);
}

}  // namespace
}  // namespace zek::win32
