#include "core/data/launcher_settings.h"
#include "win32/box/command_box.h"
#include "win32/menus/launcher_menu.h"

namespace zek::win32 {

data::LauncherItem* offerListMenu(LauncherContext& context, std::span<data::LauncherItem* const> items) {
    if (context.activeMenu != nullptr) {
        return nullptr;
    }
    LauncherMenu menu(context);
    const std::int32_t menuType = context.settings != nullptr ? context.settings->values().menuType : 0;
    // The rows point into the store, whose items the caller may run.
    return const_cast<data::LauncherItem*>(menu.showListMenu(items, menuType));
}

}  // namespace zek::win32
