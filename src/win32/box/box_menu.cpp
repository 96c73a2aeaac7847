#include "core/data/item_store.h"
#include "core/data/launcher_settings.h"
#include "win32/box/command_box.h"
#include "win32/menus/launcher_menu.h"

namespace zek::win32 {

data::LauncherItem* offerListMenu(LauncherProcess& process, std::span<data::LauncherItem* const> items) {
    if (process.menuOpen()) {
        return nullptr;
    }
    data::ItemRef chosen;
    {
        LauncherMenu menu(process);
        chosen = menu.showListMenu(items, process.settings().values().menuType);
    }
    // Looked up afresh: the store may have been replaced while the menu was up.
    return process.store().find(chosen);
}

}  // namespace zek::win32
