#pragma once
// The paths of a file drop, in the order the drop lists them.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <string>
#include <vector>

namespace zek::win32 {

// A path of 512 bytes or more, which the program's buffers would cut to another
// name, comes back empty. The drop is not finished.
std::vector<std::string> droppedPaths(HDROP drop);

}  // namespace zek::win32
