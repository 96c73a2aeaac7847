#pragma once
// The "/i" switch's work: the Start Menu's shortcuts into the item tree, saved.
#include <string>

#include "win32/process/launcher_process.h"

namespace zek::win32 {

struct StartMenuImportOutcome {
    bool replaced = false;  // the store is new: the caller shows the new list
    std::string omissions;  // what was left out, for the user; "" for nothing
};

// Puts the shortcuts of the user's and the all-users' Start Menu into the store's
// Start Menu node and writes the data file. When nothing was found the store is left
// alone; when the file cannot be written the user is told, as for any failed save,
// and the store and the file stay as they were.
StartMenuImportOutcome importStartMenu(LauncherProcess& process);

}  // namespace zek::win32
