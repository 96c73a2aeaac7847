#pragma once
// The windows the task menus list, taken from one snapshot of the desktop. The
// listed titles and paths point into `desktop`, which must outlive the list.
#include <windows.h>

#include <string_view>
#include <vector>

#include "core/menus/window_rows.h"
#include "core/tasks/window_facts.h"

namespace zek::win32 {

// The task windows in Z order, starting after `firstOfBarLevel` (the first window
// of the bar's Z-order level, which is not examined), each with the program path
// of its process when that could be read.
std::vector<menus::ListedWindow> taskMenuWindows(const tasks::Desktop& desktop, HWND firstOfBarLevel);

// The application windows of `programPath` in Z order.
std::vector<menus::ListedWindow> sameAppWindows(const tasks::Desktop& desktop, std::string_view programPath);

}  // namespace zek::win32
