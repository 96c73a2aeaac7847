#pragma once
// The "/i" switch's work: the Start Menu's shortcuts into the item tree, saved.
#include "win32/process/launcher_process.h"

namespace zek::win32 {

// Puts the shortcuts of the user's and the all-users' Start Menu into the store's
// Start Menu node and writes the data file. True when the store was replaced (the
// caller shows the new list). When nothing was found the store is left alone; when
// the file cannot be written the user is told, as for any failed save, and the store
// and the file stay as they were.
bool importStartMenu(LauncherProcess& process);

}  // namespace zek::win32
