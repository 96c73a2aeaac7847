#pragma once
// Telling the user that the data file was not written, and why.
#include <windows.h>

#include <string>

#include "core/data/item_store_file.h"
#include "win32/process/launcher_process.h"

namespace zek::win32 {

// An error box owned by `owner` naming the file and the reason; nothing was lost.
void showSaveFailure(HWND owner, const std::string& path, data::SaveResult result, unsigned long errorCode);

// Writes `store` (by default the process's own) to the process's data file; false,
// after telling the user in a box owned by `owner`, when it was not written.
bool saveStoreOrReport(LauncherProcess& process, const data::ItemStore& store, HWND owner);
inline bool saveStoreOrReport(LauncherProcess& process, HWND owner) {
    return saveStoreOrReport(process, process.store(), owner);
}

}  // namespace zek::win32
