#pragma once
// The two forms that build or edit one item for a caller: ItemDialog (resource 130)
// for a node or a data item and RootNodeDialog (resource 132) for a root node. They
// never change the item tree; the caller attaches what they give back.
#include <windows.h>

#include <optional>

#include "core/data/launcher_item.h"
#include "win32/process/launcher_process.h"

namespace zek::win32 {

// The values the user confirmed with OK, none on cancel. `source` is the item to
// show, none for a new one. At OK the item's global hotkey is registered (and the
// source's old one released); a pair already taken keeps the form open.
std::optional<data::ItemFields> runItemDialog(LauncherProcess& process, HWND owner,
                                              const data::ItemFields* source);
std::optional<data::ItemFields> runRootNodeDialog(HINSTANCE instance, HWND owner,
                                                  const data::ItemFields* source);
// The form that edits an item of this type, run on the item's fields; none when
// the type is not edited in a form or the user cancelled.
std::optional<data::ItemFields> runEditFormFor(LauncherProcess& process, HWND owner,
                                               const data::LauncherItem& item);

}  // namespace zek::win32
