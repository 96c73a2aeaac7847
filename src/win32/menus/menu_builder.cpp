#include "win32/menus/menu_builder.h"

#include <windows.h>

namespace zek::win32 {
namespace {

bool insertRows(HMENU menu, const menus::MenuRows& rows);

// A submenu handle belongs to its parent only once the row that opens it exists.
UniqueMenu createSubmenuFrom(const menus::MenuRows& rows) {
    UniqueMenu menu(::CreateMenu());
    if (!menu || !insertRows(menu.get(), rows)) {
        return {};
    }
    return menu;
}

bool insertRow(HMENU menu, UINT position, const menus::MenuRow& row) {
    UniqueMenu submenu;
    if (row.opensSubmenu()) {
        submenu = createSubmenuFrom(row.submenu);
        if (!submenu) {
            return false;
        }
    }
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID;
    info.wID = static_cast<UINT>(row.id);
    if (row.style == menus::RowStyle::OwnerDrawn) {
        info.fMask |= MIIM_FTYPE | MIIM_DATA;
        info.fType = MFT_OWNERDRAW;
        info.dwItemData = static_cast<ULONG_PTR>(row.itemData);
    } else {
        info.fMask |= MIIM_TYPE;
        info.fType = MFT_STRING;
        info.dwTypeData = const_cast<char*>(row.text.c_str());
        info.cch = static_cast<UINT>(row.text.size());
    }
    if (submenu) {
        info.fMask |= MIIM_SUBMENU;
        info.hSubMenu = submenu.get();
    }
    if (!::InsertMenuItemA(menu, position, TRUE, &info)) {
        return false;
    }
    submenu.release();  // destroyed with `menu` from now on
    return true;
}

bool insertRows(HMENU menu, const menus::MenuRows& rows) {
    UINT position = 0;
    for (const menus::MenuRow& row : rows) {
        if (!insertRow(menu, position++, row)) {
            return false;
        }
    }
    return true;
}

}  // namespace

UniqueMenu createPopupMenuFrom(const menus::MenuRows& rows) {
    UniqueMenu menu(::CreatePopupMenu());
    if (!menu || !insertRows(menu.get(), rows)) {
        return {};
    }
    return menu;
}

}  // namespace zek::win32
