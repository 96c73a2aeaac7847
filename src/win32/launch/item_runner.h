#pragma once
// Running items: the one way every part of the program starts a program, opens a
// document or folder, runs a node or a built-in command.
#include <string_view>

#include "win32/process/launcher_process.h"

namespace zek::data {
class LauncherItem;
}

namespace zek::win32 {

// True when something was started or done, or nothing more needs doing; false
// when nothing happened or the start failed.
bool runItem(LauncherProcess& process, const data::LauncherItem* item);
// A file opened with an item, or by its own association when there is none.
bool openFile(LauncherProcess& process, const data::LauncherItem* item, std::string_view path);
bool openItemFolder(LauncherProcess& process, const data::LauncherItem* item);

}  // namespace zek::win32
