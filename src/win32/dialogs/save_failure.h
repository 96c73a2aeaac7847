#pragma once
// Telling the user that the data file was not written, and why.
#include <windows.h>

#include <string>

#include "core/data/item_store_file.h"

namespace zek::win32 {

// An error box owned by `owner` naming the file and the reason; nothing was lost.
void showSaveFailure(HWND owner, const std::string& path, data::SaveResult result, unsigned long errorCode);

}  // namespace zek::win32
