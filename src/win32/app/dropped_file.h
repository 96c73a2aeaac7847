#pragma once
// A file dropped on the bar: opened with the item the command box shows, or by its
// own association when the box shows none.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include "win32/box/command_box.h"
#include "win32/process/launcher_process.h"

namespace zek::win32 {

// Finishes `drop`; true when the file was opened. More than one file, or a path too
// long for the program's buffers, opens nothing.
bool openDroppedFile(LauncherProcess& process, const CommandBox& box, HDROP drop);

}  // namespace zek::win32
