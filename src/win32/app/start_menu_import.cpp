#include "win32/app/start_menu_import.h"

#include <memory>
#include <utility>
#include <vector>

#include "core/app/start_menu_import.h"
#include "core/text/compare.h"
#include "win32/app/start_menu_walk.h"
#include "win32/dialogs/save_failure.h"

namespace zek::win32 {

StartMenuImportOutcome importStartMenu(LauncherProcess& process) {
    const std::string userFolder = startMenuProgramsFolder(false);
    const std::string allUsersFolder = startMenuProgramsFolder(true);
    app::ImportOmissions omissions;
    const std::vector<app::FoundShortcut> user = findStartMenuShortcuts(userFolder, omissions);
    // A system that gives both the same folder must not get every shortcut twice.
    const std::vector<app::FoundShortcut> allUsers =
        text::compareIgnoringCase(userFolder, allUsersFolder) == 0
            ? std::vector<app::FoundShortcut>{}
            : findStartMenuShortcuts(allUsersFolder, omissions);
    const app::StartMenuImport plan = app::planStartMenuImport(user, allUsers);
    omissions.overLimit = plan.overLimit;
    std::unique_ptr<data::ItemStore> imported = app::storeWithImport(process.store(), plan);
    if (!imported || !saveStoreOrReport(process, *imported, process.bar(), kImportNotMade)) {
        return {};
    }
    process.replaceStore(std::move(imported));
    return {.replaced = true, .omissions = app::importOmissionsText(omissions)};
}

}  // namespace zek::win32
