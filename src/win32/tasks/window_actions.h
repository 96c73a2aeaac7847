#pragma once
// Acting on the desktop's windows: bring one to the user, minimise or restore all,
// cycle to the next, and the choice between a running window and a new instance.
#include <windows.h>

#include <string_view>

#include "core/tasks/app_window_chooser.h"

namespace zek::win32 {

// A window that has gone is skipped, a minimised one restored, any other brought
// to the foreground.
void activateWindow(HWND window);

void minimizeAllWindows(HWND bar);
void restoreAllWindows(HWND bar);
void activateNextWindow(HWND bar);

// Offers "New" and the running windows of `programPath` in a menu at the bar;
// without such windows it answers "start new" at once.
tasks::AppWindowChoice chooseAppWindow(std::string_view programPath, HWND bar);

}  // namespace zek::win32
