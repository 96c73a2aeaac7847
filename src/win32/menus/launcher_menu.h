#pragma once
// One popup menu at the launcher bar, alive exactly while it is on screen.
//
// The object holds the process-wide menu slot (LauncherProcess::activeMenu) from
// construction to destruction, so that the bar can hand it the owner-draw and
// menu-character messages of its rows; a second object made while the slot is
// taken gets no slot and shows nothing. Each object shows one menu: later show
// calls on it show nothing. Item menus only answer what was chosen, the caller
// runs it after this object is gone; the task menus activate the chosen window.
#include <windows.h>

#include <cstdint>
#include <span>

#include "core/data/item_store.h"
#include "core/menus/launcher_menu_content.h"
#include "win32/menus/icon_source_win32.h"
#include "win32/menus/owner_draw_painter.h"
#include "win32/platform/unique_handle.h"
#include "win32/process/launcher_process.h"

namespace zek::data {
class LauncherItem;
}

namespace zek::win32 {

class LauncherMenu {
  public:
    explicit LauncherMenu(LauncherProcess& process);
    ~LauncherMenu();

    LauncherMenu(const LauncherMenu&) = delete;
    LauncherMenu& operator=(const LauncherMenu&) = delete;

    // Whether this object holds the menu slot (and so may show a menu).
    bool isActive() const { return process_.activeMenu() == this; }

    // The node's row unfolding its whole subtree, and "Exit"; the items are those of
    // the current store. The chosen item, named so that it can be looked up once the
    // menu is gone; nothing for a node without children, "Exit" or a dismissed menu.
    data::ItemRef showNodeMenu(const data::LauncherItem& node, std::int32_t menuType);
    // One row per item, each unfolding its subtree, and "Exit".
    data::ItemRef showListMenu(std::span<data::LauncherItem* const> items, std::int32_t menuType);

    // The task windows with the icons of their programs; activates the chosen one.
    // The caller brings the bar to the foreground first.
    void showTaskMenu(std::int32_t menuType);
    // The windows of the program that owns the foreground window, as plain text
    // rows; shown only when there are two of them at least.
    void showSameAppMenu();

    // The bar's WM_MEASUREITEM and WM_DRAWITEM for the rows of this menu; false
    // (nothing done) for anything that is not one of its rows.
    bool measureEntry(MEASUREITEMSTRUCT& measure) const;
    bool drawEntry(const DRAWITEMSTRUCT& draw) const;
    // The bar's WM_MENUCHAR: selects the next row below the highlighted one whose
    // text starts with the character, wrapping to the top; 0 when no row does.
    LRESULT onMenuChar(WPARAM wParam, LPARAM lParam) const;

  private:
    data::ItemRef trackItemMenu(const menus::MenuRows& rows);
    // Tracks the menu at `at` with the bar in front (so that it closes on a click
    // elsewhere); the chosen command, 0 for none.
    menus::CommandId track(HMENU menu, POINT at) const;

    LauncherProcess& process_;
    // The rows at the DPI of the bar's screen.
    display::DpiScale scale_;
    MenuFont font_;
    // Declared before the content, whose entry table gives its icons back through it.
    SmallIconSource icons_;
    menus::LauncherMenuContent content_{&icons_};
    UniqueMenu menu_;
};

}  // namespace zek::win32
