#pragma once
// Dropping files on a window of another process, as Explorer does.
#include <windows.h>

#include <string>
#include <vector>

namespace zek::e2e {

// Makes the window's process post itself WM_DROPFILES with these Windows paths,
// through the dropper library beside the driver; false when it could not be done.
bool dropFiles(HWND target, const std::vector<std::string>& paths);

}  // namespace zek::e2e
