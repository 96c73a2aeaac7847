#pragma once
// Running items: the one way every part of the program starts a program, opens a
// document or folder, runs a node or a built-in command.
#include <string_view>

#include "win32/app/launcher_context.h"

namespace zek::data {
class LauncherItem;
}

namespace zek::win32 {

// True when something was started or done, or nothing more needs doing; false
// when nothing happened or the start failed.
bool runItem(LauncherContext& context, const data::LauncherItem* item);
// A file opened with an item, or by its own association when there is none.
bool openFile(LauncherContext& context, const data::LauncherItem* item, std::string_view path);
bool openItemFolder(LauncherContext& context, const data::LauncherItem* item);

// Registers (on) or unregisters (off) the hotkeys of all items; a pair already
// held elsewhere is reported and the next item goes on.
void setItemHotkeys(LauncherContext& context, bool on);

}  // namespace zek::win32
