#pragma once
// The arithmetic of owner-drawn menu rows: sizes from the text extent, and where
// each rectangle, line, icon and text goes in which colour. The Win32 side measures
// the text and paints the result with GDI; nothing here needs a device context.
//
// A row: a darker icon strip 20 pixels wide at the left, the icon at (2, 2) (one
// pixel up and left when selected), the text 26 pixels in. A selected row is
// filled with the highlight colour lightened towards white and framed in the
// highlight colour. The "Exit" row is 3 pixels taller and carries a one-pixel line
// in the strip colour at its top, 24 pixels from the left. These figures are for
// a 96-DPI screen; at another DPI each is scaled (the text is measured in the
// font made for that DPI).

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "core/display/dpi_scale.h"
#include "core/menus/menu_entry_table.h"

namespace zek::menus {

// 0x00BBGGRR, as the system keeps colours.
using Colour = std::uint32_t;

constexpr Colour makeColour(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}
constexpr std::uint32_t redOf(Colour c) {
    return c & 0xFF;
}
constexpr std::uint32_t greenOf(Colour c) {
    return (c >> 8) & 0xFF;
}
constexpr std::uint32_t blueOf(Colour c) {
    return (c >> 16) & 0xFF;
}

// The icon strip: each channel of the menu colour times 0.85, truncated.
Colour stripColour(Colour menu);
// The selection fill: each channel c of the highlight colour as c + (255 - c) x 0.55, truncated.
Colour selectionFillColour(Colour highlight);

struct Size {
    int cx = 0;
    int cy = 0;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const Rect&) const = default;
};

// The extent of a text in the menu font (DEFAULT_GUI_FONT).
using TextExtent = std::function<Size(std::string_view text)>;

// The item size of the row with this command id; none for an id no entry has.
std::optional<Size> measureEntry(const MenuEntryTable& table, CommandId itemId, const TextExtent& extent,
                                 const display::DpiScale& scale = {});

// The system colours a row is drawn with (COLOR_MENU, COLOR_HIGHLIGHT, COLOR_MENUTEXT).
struct MenuColours {
    Colour menu = 0;
    Colour highlight = 0;
    Colour menuText = 0;
};

struct ColouredRect {
    Rect rect;
    Colour colour = 0;

    bool operator==(const ColouredRect&) const = default;
};

struct IconPlacement {
    IconHandle icon = 0;
    int x = 0;
    int y = 0;
    int size = 16;
};

struct TextPlacement {
    std::string_view text;  // drawn whole, without prefix processing, on a transparent background
    int x = 0;
    int y = 0;
    Colour colour = 0;
};

// What drawEntry paints, in this order: strip, background, frame, separator, icon, text.
struct EntryPaint {
    ColouredRect strip;
    ColouredRect background;
    std::optional<ColouredRect> frame;      // a one-pixel frame around its rectangle
    std::optional<ColouredRect> separator;  // filled
    std::optional<IconPlacement> icon;
    TextPlacement text;
};

// The painting of the row with this command id in the item rectangle; none for an
// id no entry has. The text of the result points into `table`.
std::optional<EntryPaint> drawEntry(const MenuEntryTable& table, CommandId itemId, Rect item, bool selected,
                                    const MenuColours& colours, const display::DpiScale& scale = {});

}  // namespace zek::menus
