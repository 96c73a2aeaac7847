#pragma once
// The rows of one popup menu that carry a command id, in id order. The row with
// command id n is entry n - 1: ids are handed out in the same step as entries are
// appended, so measuring, drawing and answering letters never search by text.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/menus/menu_types.h"

namespace zek::menus {

struct MenuEntry {
    std::int32_t index = 0;  // its own position in the table
    std::string text;        // empty: the row has no text
    IconHandle icon = 0;     // owned by the table
    MenuTarget target;
};

class MenuEntryTable {
  public:
    // Icons of the entries are destroyed through `icons` (none: the table holds no
    // icons that need destroying).
    explicit MenuEntryTable(IconSource* icons = nullptr) : icons_(icons) {}
    ~MenuEntryTable();

    MenuEntryTable(const MenuEntryTable&) = delete;
    MenuEntryTable& operator=(const MenuEntryTable&) = delete;

    // Refused (nothing added, false) when both text and target are absent; a
    // refused icon is destroyed at once so that it cannot leak.
    bool addEntry(std::string_view text, IconHandle icon, MenuTarget target);

    std::int32_t entryCount() const { return static_cast<std::int32_t>(entries_.size()); }
    std::span<const MenuEntry> entries() const { return entries_; }

    // The entry of a command id; nullptr for ids that no row of this table has.
    const MenuEntry* entryFor(CommandId id) const;

    // The "Exit" row is always the last entry, so drawing and measuring know it by id.
    bool isExitRow(CommandId id) const { return id > 0 && id == entryCount(); }

  private:
    IconSource* icons_;
    std::vector<MenuEntry> entries_;
};

}  // namespace zek::menus
