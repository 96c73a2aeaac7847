#pragma once
// Which request goes to the shell for a data item, for a file opened with an item or
// by association, and for the folder of an item. These only decide; shell_launch.h
// sends the request and reports failures.

#include <optional>
#include <string_view>

#include "core/data/launcher_item.h"
#include "core/data/launcher_settings.h"
#include "core/launch/file_status.h"
#include "core/launch/shell_request.h"

namespace zek::launch {

// A data item with an `app`: to the filer when it is an existing folder and the item
// uses the own associations, else to the own association of its extension when the
// item uses them, else straight to the shell with the item's option. None for
// anything else.
std::optional<ShellRequest> requestForDataItem(const data::LauncherItem& item,
                                               const data::LauncherSettings& settings,
                                               const FileStatusQuery& files);

// A file or folder `path` opened with `item` (which has to be a program ending in
// ".exe", any case) or, without an item, by the filer, the own associations or the
// shell. None, which means a quiet refusal, for an empty path, an item that is no
// program, or a path that does not exist when no item is given.
std::optional<ShellRequest> requestForOpenFile(const data::LauncherItem* item, std::string_view path,
                                               const data::LauncherSettings& settings,
                                               const FileStatusQuery& files);

// The folder that holds a data item's target (or the target itself when it is a
// folder), in the filer or the shell. None, a quiet refusal, for other items and
// targets that do not exist.
std::optional<ShellRequest> requestForItemFolder(const data::LauncherItem* item,
                                                 const data::LauncherSettings& settings,
                                                 const FileStatusQuery& files);

}  // namespace zek::launch
