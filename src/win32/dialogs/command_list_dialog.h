#pragma once
// The command list (resource 133): every item of the store in one sortable table,
// run by a double-click and edited by a right-click, each edit saved at once.
#include "win32/process/launcher_process.h"

namespace zek::win32 {

// Runs the dialog, owned by the bar.
void runCommandListDialog(LauncherProcess& process);

}  // namespace zek::win32
