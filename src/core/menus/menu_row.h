#pragma once
// A popup menu as data: the Win32 side turns each list of rows into a menu handle
// (a row with a submenu into a row that opens it), inserting the rows by position.

#include <cstdint>
#include <string>
#include <vector>

#include "core/menus/menu_types.h"

namespace zek::menus {

struct MenuRow {
    CommandId id = 0;
    RowStyle style = RowStyle::Text;
    std::string text;
    // The value an owner-drawn row hands back in its measure and draw messages.
    std::uintptr_t itemData = 0;
    // Empty: the row opens nothing and can be chosen.
    std::vector<MenuRow> submenu;

    bool opensSubmenu() const { return !submenu.empty(); }
};

using MenuRows = std::vector<MenuRow>;

}  // namespace zek::menus
