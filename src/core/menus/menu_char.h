#pragma once
// Letter search in an open popup menu: each key press moves the selection to the
// next row below the highlighted one whose text starts with that character,
// wrapping to the top. It only selects a row, never opens or runs it.

#include <cstdint>
#include <span>

#include "core/menus/menu_entry_table.h"

namespace zek::menus {

// The state bits of a highlighted row (MFS_HILITE).
inline constexpr std::uint32_t kMenuStateHilite = 0x80;

// One row of the menu that received the key, in position order, as the system
// reports it (state and command id).
struct MenuRowState {
    std::uint32_t state = 0;
    CommandId id = 0;
};

// The position of the row to select, or -1. `character` is a byte, or lead * 256 +
// trail for a double-byte character. ASCII letters match either case; a double-byte
// key matches the first character of a row (full-width Latin letters either case),
// a single-byte key its first byte. Rows without an entry of `table` or without text
// are passed over. Only a row whose state is exactly kMenuStateHilite counts as the
// current one; without one the search starts at the top.
int findMenuChar(std::uint32_t character, std::span<const MenuRowState> rows, const MenuEntryTable& table);

}  // namespace zek::menus
