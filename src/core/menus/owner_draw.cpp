#include "core/menus/owner_draw.h"

namespace zek::menus {
namespace {

constexpr int kStripRight = 20;
constexpr int kSeparatorLeft = 24;
constexpr int kTextIndent = 26;
constexpr int kExtraWidth = 34;
constexpr int kExtraHeight = 8;
constexpr int kExitExtraHeight = 11;
constexpr int kTextTop = 4;
constexpr int kExitTextTop = 7;
constexpr int kIconInset = 2;
constexpr int kSelectedIconInset = 1;
constexpr int kExitFillTop = 3;
constexpr int kIconSize = 16;

// Whole-number forms of x 0.85 and + (255 - c) x 0.55; they truncate to the same
// integers as the scaled floating-point values for every channel value.
constexpr std::uint32_t darken(std::uint32_t c) {
    return c * 85 / 100;
}
constexpr std::uint32_t lighten(std::uint32_t c) {
    return c + (255 - c) * 55 / 100;
}

}  // namespace

Colour stripColour(Colour menu) {
    return makeColour(darken(redOf(menu)), darken(greenOf(menu)), darken(blueOf(menu)));
}

Colour selectionFillColour(Colour highlight) {
    return makeColour(lighten(redOf(highlight)), lighten(greenOf(highlight)), lighten(blueOf(highlight)));
}

std::optional<Size> measureEntry(const MenuEntryTable& table, CommandId itemId, const TextExtent& extent,
                                 const display::DpiScale& scale) {
    const MenuEntry* entry = table.entryFor(itemId);
    if (entry == nullptr || !extent) {
        return std::nullopt;
    }
    const Size text = extent(entry->text);
    return Size{.cx = text.cx + scale.px(kExtraWidth),
                .cy = text.cy + scale.px(table.isExitRow(itemId) ? kExitExtraHeight : kExtraHeight)};
}

std::optional<EntryPaint> drawEntry(const MenuEntryTable& table, CommandId itemId, Rect item, bool selected,
                                    const MenuColours& colours, const display::DpiScale& scale) {
    const MenuEntry* entry = table.entryFor(itemId);
    if (entry == nullptr) {
        return std::nullopt;
    }
    const bool exitRow = table.isExitRow(itemId);
    const Colour strip = stripColour(colours.menu);

    const int stripRight = scale.px(kStripRight);
    EntryPaint paint;
    paint.strip = {{0, item.top, stripRight, item.bottom}, strip};
    if (exitRow) {
        paint.separator = ColouredRect{
            {scale.px(kSeparatorLeft), item.top + scale.px(1), item.right, item.top + scale.px(2)}, strip};
    }
    if (selected) {
        const Colour fill = selectionFillColour(colours.highlight);
        const Rect area = exitRow
                              ? Rect{item.left, item.top + scale.px(kExitFillTop), item.right, item.bottom}
                              : Rect{0, item.top, item.right, item.bottom};
        paint.background = {area, fill};
        paint.frame = ColouredRect{area, colours.highlight};
    } else {
        paint.background = {{stripRight, item.top, item.right, item.bottom}, colours.menu};
    }
    if (entry->icon != 0) {
        const int inset = scale.px(selected ? kSelectedIconInset : kIconInset);
        paint.icon = IconPlacement{
            .icon = entry->icon, .x = item.left + inset, .y = item.top + inset, .size = scale.px(kIconSize)};
    }
    paint.text = TextPlacement{.text = entry->text,
                               .x = item.left + scale.px(kTextIndent),
                               .y = item.top + scale.px(exitRow ? kExitTextTop : kTextTop),
                               .colour = colours.menuText};
    return paint;
}

}  // namespace zek::menus
