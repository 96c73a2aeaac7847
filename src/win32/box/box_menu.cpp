#include "core/data/launcher_settings.h"
#include "win32/box/command_box.h"
#include "win32/menus/launcher_menu.h"

namespace zek::win32 {

data::LauncherItem* offerListMenu(LauncherProcess& process, std::span<data::LauncherItem* const> items) {
    if (process.menuOpen()) {
        return nullptr;
    }
    LauncherMenu menu(process);
    const std::int32_t menuType = process.settings().values().menuType;
    // The rows point into the store, whose items the caller may run.
    return const_cast<data::LauncherItem*>(menu.showListMenu(items, menuType));
}

}  // namespace zek::win32
