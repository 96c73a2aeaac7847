#pragma once
// The launcher settings dialog (resource 129): the item tree of the store, edited
// in place, saved whole at OK and discarded at the close box or Esc by reading the
// data file again.
#include "win32/process/launcher_process.h"

namespace zek::win32 {

// Runs the dialog, owned by the bar. Afterwards the process's store is the one the
// user kept: the saved one, or a new one read from the file.
void runLauncherTreeDialog(LauncherProcess& process);

}  // namespace zek::win32
