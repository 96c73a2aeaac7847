#pragma once
// Rows of the menus that list open windows. Window lists are held in tables of
// kWindowTableSize windows: windows beyond that are left out, never written past
// a table. Titles are cut to their buffer without halving a double-byte character.

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "core/menus/menu_row.h"
#include "core/menus/menu_types.h"

namespace zek::menus {

inline constexpr std::size_t kWindowTableSize = 1024;
// Title buffers, terminator included.
inline constexpr std::size_t kTaskMenuTitleBytes = 512;
inline constexpr std::size_t kWindowTitleBytes = 1024;

// One window as the enumeration found it, in Z order.
struct ListedWindow {
    WindowRef window = 0;
    std::string_view title;
    // The program file that runs the window's process; empty when unknown.
    std::string_view programPath;
};

// The title as a buffer of `bufferBytes` holds it: up to the first NUL, at most
// bufferBytes - 1 bytes, ending on a whole character.
std::string_view titleInBuffer(std::string_view title, std::size_t bufferBytes);

// The same-application menu: a plain text menu of the windows of one program, then
// "Exit". It keeps no menu entries, so the menu object only marks that a menu is open.
struct SameAppMenu {
    MenuRows rows;
    std::vector<WindowRef> windows;  // the window of row id n is windows[n - 1]

    // The window to activate for a tracked command; 0 for dismissed, "Exit" or any
    // id no window row has.
    WindowRef chosenWindow(CommandId command) const;
};

// None when fewer than two windows are listed: there is nothing to switch between.
std::optional<SameAppMenu> buildSameAppMenu(std::span<const ListedWindow> windows);

}  // namespace zek::menus
