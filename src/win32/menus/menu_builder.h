#pragma once
// Menu handles made from rows: the top rows become a popup menu, each row's
// submenu a menu of its own hanging below that row.
#include "core/menus/menu_row.h"
#include "win32/platform/unique_handle.h"

namespace zek::win32 {

// Owner-drawn rows carry their item data and no text (so every letter reaches the
// menu's owner as WM_MENUCHAR); text rows carry their text. Empty when any menu or
// row cannot be made: nothing half-built is shown.
UniqueMenu createPopupMenuFrom(const menus::MenuRows& rows);

}  // namespace zek::win32
