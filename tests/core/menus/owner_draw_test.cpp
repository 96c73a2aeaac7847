#include "core/menus/owner_draw.h"

#include <gtest/gtest.h>

#include <string_view>
#include <tuple>

namespace zek::menus {
namespace {

// The strip is 85 % of each channel, the selection fill the highlight 55 % of the
// way to white, both truncated like the scaled floating-point values.
TEST(MenuColours, AreScaledPerChannelAndTruncated) {
    EXPECT_EQ(stripColour(makeColour(255, 100, 1)), makeColour(216, 85, 0));
    EXPECT_EQ(stripColour(makeColour(240, 20, 7)), makeColour(204, 17, 5));
    EXPECT_EQ(selectionFillColour(makeColour(0, 120, 215)), makeColour(140, 194, 237));
    EXPECT_EQ(selectionFillColour(makeColour(255, 1, 100)), makeColour(255, 140, 185));
    EXPECT_EQ(stripColour(0xFF000000u | makeColour(10, 20, 30)), makeColour(8, 17, 25));  // high byte ignored
}

// A table of two rows, "Notepad" with an icon and "Exit".
struct TwoRows {
    MenuEntryTable table;
    TwoRows() {
        table.addEntry("Notepad", 0x77, MenuTarget{.window = 1});
        table.addEntry("Exit", 0, MenuTarget{});
    }
};

TEST(MeasureEntry, AddsRoomForStripAndMarginsAndExitIsThreeTaller) {
    TwoRows menu;
    std::string measured;
    const TextExtent extent = [&](std::string_view text) {
        measured = text;
        return Size{static_cast<int>(text.size()) * 6, 13};
    };
    const auto row = measureEntry(menu.table, 1, extent).value();
    EXPECT_EQ(measured, "Notepad");
    EXPECT_EQ(std::pair(row.cx, row.cy), std::pair(7 * 6 + 34, 13 + 8));
    const auto exit = measureEntry(menu.table, 2, extent).value();
    EXPECT_EQ(std::pair(exit.cx, exit.cy), std::pair(4 * 6 + 34, row.cy + 3));
    EXPECT_FALSE(measureEntry(menu.table, 3, extent).has_value());
    EXPECT_FALSE(measureEntry(menu.table, 0, extent).has_value());
    EXPECT_FALSE(measureEntry(menu.table, 1, TextExtent{}).has_value());
}

constexpr MenuColours kColours{
    .menu = makeColour(240, 240, 240), .highlight = makeColour(0, 120, 215), .menuText = makeColour(1, 2, 3)};
constexpr Colour kStrip = makeColour(204, 204, 204);
constexpr Colour kFill = makeColour(140, 194, 237);

std::tuple<IconHandle, int, int, int> iconOf(const EntryPaint& paint) {
    return {paint.icon.value().icon, paint.icon->x, paint.icon->y, paint.icon->size};
}
std::tuple<std::string_view, int, int, Colour> textOf(const EntryPaint& paint) {
    return {paint.text.text, paint.text.x, paint.text.y, paint.text.colour};
}

TEST(DrawEntry, RowHasStripBackgroundIconAndTextAndWhenSelectedFillAndFrame) {
    TwoRows menu;
    const auto paint = drawEntry(menu.table, 1, Rect{3, 40, 180, 61}, false, kColours).value();
    EXPECT_EQ(paint.strip, (ColouredRect{{0, 40, 20, 61}, kStrip}));  // from 0, not from the row's left
    EXPECT_EQ(paint.background, (ColouredRect{{20, 40, 180, 61}, kColours.menu}));
    EXPECT_FALSE(paint.frame.has_value());
    EXPECT_FALSE(paint.separator.has_value());
    EXPECT_EQ(iconOf(paint), std::tuple(0x77u, 5, 42, 16));
    EXPECT_EQ(textOf(paint), std::tuple("Notepad", 29, 44, kColours.menuText));

    // Selected: filled and framed, the icon one pixel up and left.
    const auto chosen = drawEntry(menu.table, 1, Rect{0, 40, 180, 61}, true, kColours).value();
    EXPECT_EQ(chosen.strip, (ColouredRect{{0, 40, 20, 61}, kStrip}));
    EXPECT_EQ(chosen.background, (ColouredRect{{0, 40, 180, 61}, kFill}));
    EXPECT_EQ(chosen.frame, (ColouredRect{{0, 40, 180, 61}, kColours.highlight}));
    EXPECT_EQ(iconOf(chosen), std::tuple(0x77u, 1, 41, 16));
    EXPECT_EQ(textOf(chosen), std::tuple("Notepad", 26, 44, kColours.menuText));
}

TEST(DrawEntry, ExitRowCarriesTheSeparatorAndLowerText) {
    TwoRows menu;
    const auto plain = drawEntry(menu.table, 2, Rect{0, 61, 180, 85}, false, kColours);
    ASSERT_TRUE(plain.has_value());
    EXPECT_EQ(plain->separator, (ColouredRect{{24, 62, 180, 63}, kStrip}));
    EXPECT_EQ(plain->background, (ColouredRect{{20, 61, 180, 85}, kColours.menu}));
    EXPECT_FALSE(plain->icon.has_value());
    EXPECT_EQ(textOf(*plain), std::tuple("Exit", 26, 68, kColours.menuText));

    const auto selected = drawEntry(menu.table, 2, Rect{2, 61, 180, 85}, true, kColours);
    ASSERT_TRUE(selected.has_value());
    EXPECT_EQ(selected->separator, (ColouredRect{{24, 62, 180, 63}, kStrip}));
    // The fill leaves the separator line above it visible.
    EXPECT_EQ(selected->background, (ColouredRect{{2, 64, 180, 85}, kFill}));
    EXPECT_EQ(selected->frame, (ColouredRect{{2, 64, 180, 85}, kColours.highlight}));
    EXPECT_EQ(textOf(*selected), std::tuple("Exit", 28, 68, kColours.menuText));

    EXPECT_FALSE(drawEntry(menu.table, 3, Rect{}, false, kColours).has_value());
    EXPECT_FALSE(drawEntry(menu.table, -1, Rect{}, true, kColours).has_value());
}

// At 144 DPI every figure of the layout is half again as large; the row's own
// rectangle comes from the system as it is.
TEST(DrawEntry, ScalesTheLayoutWithTheDpi) {
    TwoRows menu;
    const display::DpiScale scale(144);
    const auto row = measureEntry(
        menu.table, 2,
        [](std::string_view) {
            return Size{30, 20};
        },
        scale);
    EXPECT_EQ(std::pair(row->cx, row->cy), std::pair(30 + 51, 20 + 17));
    const auto paint = drawEntry(menu.table, 1, Rect{0, 40, 270, 72}, true, kColours, scale).value();
    EXPECT_EQ(paint.strip, (ColouredRect{{0, 40, 30, 72}, kStrip}));
    EXPECT_EQ(iconOf(paint), std::tuple(0x77u, 2, 42, 24));
    EXPECT_EQ(textOf(paint), std::tuple("Notepad", 39, 46, kColours.menuText));
    const auto exit = drawEntry(menu.table, 2, Rect{0, 72, 270, 108}, true, kColours, scale).value();
    EXPECT_EQ(exit.separator, (ColouredRect{{36, 74, 270, 75}, kStrip}));
    EXPECT_EQ(exit.background.rect, (Rect{0, 77, 270, 108}));
    EXPECT_EQ(exit.text.y, 72 + 11);
}

}  // namespace
}  // namespace zek::menus
