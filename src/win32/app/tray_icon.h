#pragma once
// The icon in the notification area and its menu.
#include <windows.h>

namespace zek::win32 {

void addTrayIcon(HWND bar, HINSTANCE instance);
void removeTrayIcon(HWND bar);

// A right click opens `menu` at the cursor and posts the choice to the bar as
// WM_COMMAND; other mouse messages on the icon do nothing.
LRESULT onTrayNotify(HWND bar, HMENU menu, WPARAM wParam, LPARAM mouseMessage);

}  // namespace zek::win32
