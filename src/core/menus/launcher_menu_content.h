#pragma once
// What one launcher popup menu holds: its entry table and its rows, built from the
// item tree or from a list of windows. The Win32 LauncherMenu turns the rows into
// menu handles, tracks them and asks chosenTarget() for the answer; measuring,
// drawing and letter search read the entry table (owner_draw.h, menu_char.h).
//
// One object serves exactly one menu: a second build on it is refused.

#include <cstdint>
#include <optional>
#include <span>

#include "core/menus/menu_entry_table.h"
#include "core/menus/menu_row.h"
#include "core/menus/window_rows.h"

namespace zek::menus {

class LauncherMenuContent {
  public:
    // Row icons are loaded through `icons` and destroyed with this object; none:
    // rows get no icons.
    explicit LauncherMenuContent(IconSource* icons = nullptr) : icons_(icons), table_(icons) {}

    // The subtree of one node: every child's submenu takes its ids before the
    // child's own row does. Empty for a node without children.
    MenuRows buildSubmenu(const data::LauncherItem& node, RowStyle style);

    // showNodeMenu: the node's own row opening its whole subtree, then "Exit". None
    // (show nothing) for no node, a node without children or a used object.
    std::optional<MenuRows> buildNodeMenu(const data::LauncherItem* node, std::int32_t menuType);

    // showListMenu: one row per item, each opening the item's subtree, then "Exit".
    // An empty list gives the single row "Exit". None for a used object.
    std::optional<MenuRows> buildListMenu(std::span<data::LauncherItem* const> list, std::int32_t menuType);

    // showTaskMenu: one row per window (the first kWindowTableSize; titles as a
    // 512-byte buffer holds them; icons of the owning programs), then "Exit"; entry
    // i has id i + 1 and item data i. None when no window is listed or the object is used.
    std::optional<MenuRows> buildTaskMenu(std::span<const ListedWindow> windows, std::int32_t menuType);

    // What a tracked command chose: nothing for 0 (dismissed), "Exit" or an id no
    // row has.
    MenuTarget chosenTarget(CommandId command) const;

    const MenuEntryTable& table() const { return table_; }
    CommandId nextCommandId() const { return nextCommandId_; }

  private:
    bool startMenu();
    IconHandle rowIcon(const data::LauncherItem& item);
    IconHandle loadIcon(std::string_view path);
    MenuRow itemRow(const data::LauncherItem& item, RowStyle style, MenuRows submenu);
    MenuRow exitRow(RowStyle style);

    IconSource* icons_;
    MenuEntryTable table_;
    CommandId nextCommandId_ = 1;
    bool used_ = false;
};

}  // namespace zek::menus
