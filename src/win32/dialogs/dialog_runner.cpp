#include "win32/dialogs/dialog_runner.h"

#include "resource.h"
#include "win32/dialogs/about_dialog.h"
#include "win32/dialogs/command_list_dialog.h"
#include "win32/dialogs/launcher_tree_dialog.h"
#include "win32/dialogs/settings_dialogs.h"

namespace zek::win32 {

bool DialogRunner::opensDialog(int commandId) {
    switch (commandId) {
        case IDM_LAUNCHER_SETTINGS:
        case IDM_COMMAND_LIST:
        case IDM_BASIC_SETTINGS:
        case IDM_ASSOCIATION_SETTINGS:
        case IDM_ABOUT:
            return true;
        default:
            return false;
    }
}

void DialogRunner::run(int commandId) {
    if (open_ || !opensDialog(commandId)) {
        return;
    }
    open_ = true;
    runDialog(commandId);
    open_ = false;
    bar_.dialogsClosed();
}

void DialogRunner::runDialog(int commandId) {
    switch (commandId) {
        case IDM_LAUNCHER_SETTINGS:
            runLauncherTreeDialog(process_);
            bar_.reloadList();
            break;
        case IDM_BASIC_SETTINGS:
            runBasicSettingsDialog(process_);
            // The dialog's OK registers the new hotkeys as it goes; after any ending
            // the bar holds exactly the stored ones again.
            bar_.applyGlobalHotkeys(true);
            bar_.applyDisplay();
            break;
        case IDM_ASSOCIATION_SETTINGS:
            runAssociationDialog(process_.instance(), process_.bar(), process_.settings());
            break;
        case IDM_COMMAND_LIST:
            runCommandListDialog(process_);
            break;
        case IDM_ABOUT:
            showAboutDialog(process_.instance(), process_.bar());
            break;
        default:
            break;
    }
}

}  // namespace zek::win32
