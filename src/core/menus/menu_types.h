#pragma once
// The vocabulary shared by the launcher's popup menus: command ids, row styles,
// opaque handles of icons and windows, and where a row's icon comes from.

#include <cstdint>
#include <string_view>

namespace zek::data {
class LauncherItem;
}

namespace zek::menus {

// A menu command id; the row with id n stands for entry n - 1. 0 means dismissed.
using CommandId = std::int32_t;

// A 16x16 icon handle (an HICON there); 0 = no icon.
using IconHandle = std::uintptr_t;

// A top-level window handle (an HWND there); 0 = none.
using WindowRef = std::uintptr_t;

// Owner-drawn rows with icons for the menu type 0, plain text rows drawn by the
// system for any other value (the MenuType setting).
enum class RowStyle { OwnerDrawn, Text };

constexpr RowStyle rowStyleFor(std::int32_t menuType) {
    return menuType == 0 ? RowStyle::OwnerDrawn : RowStyle::Text;
}

// Menus open centred on this offset from the bar's client area top-left.
inline constexpr int kMenuAnchorX = 150;
inline constexpr int kMenuAnchorY = 50;

// What a row stands for: an item (its id in the store), a window, or nothing (the
// "Exit" row). The item is named by its id: the store may change while the menu
// is tracked, and the caller looks the chosen one up once the menu has closed.
struct MenuTarget {
    std::uint32_t item = 0;
    WindowRef window = 0;

    bool empty() const { return item == 0 && window == 0; }
};

inline constexpr std::string_view kExitText = "Exit";

// Loads row icons and takes them back. Each icon handed to a menu entry is given
// back exactly once, when the entry table goes away; a source that hands one icon
// to several rows destroys it itself, once.
class IconSource {
  public:
    virtual ~IconSource() = default;
    // The small icon of a file, or 0.
    virtual IconHandle loadSmallIcon(std::string_view path) = 0;
    virtual void destroyIcon(IconHandle icon) = 0;
};

}  // namespace zek::menus
