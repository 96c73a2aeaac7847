#include "win32/app/start_menu_import.h"

#include <memory>
#include <utility>
#include <vector>

#include "core/app/start_menu_import.h"
#include "core/text/compare.h"
#include "win32/app/start_menu_walk.h"
#include "win32/dialogs/save_failure.h"

namespace zek::win32 {

bool importStartMenu(LauncherProcess& process) {
    const std::string userFolder = startMenuProgramsFolder(false);
    const std::string allUsersFolder = startMenuProgramsFolder(true);
    const std::vector<app::FoundShortcut> user = findStartMenuShortcuts(userFolder);
    // A system that gives both the same folder must not get every shortcut twice.
    const std::vector<app::FoundShortcut> allUsers =
        text::compareIgnoringCase(userFolder, allUsersFolder) == 0 ? std::vector<app::FoundShortcut>{}
                                                                   : findStartMenuShortcuts(allUsersFolder);
    std::unique_ptr<data::ItemStore> imported =
        app::storeWithImport(process.store(), app::planStartMenuImport(user, allUsers));
    if (!imported || !saveStoreOrReport(process, *imported, process.bar(), kImportNotMade)) {
        return false;
    }
    process.replaceStore(std::move(imported));
    return true;
}

}  // namespace zek::win32
