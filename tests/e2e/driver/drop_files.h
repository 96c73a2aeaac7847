#pragma once
// Dropping files on a window of another process, as Explorer does.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace zek::e2e {

// Makes the window's process post itself WM_DROPFILES with these Windows paths,
// through the dropper library beside the driver; false when it could not be done.
bool dropFiles(HWND target, const std::vector<std::string>& paths);

// Makes the window's process send it WM_DPICHANGED for `dpi`, through the same
// library, and waits until `done` holds; false when it could not be done.
bool changeDpiOf(HWND target, int dpi, const std::function<bool()>& done);

}  // namespace zek::e2e
