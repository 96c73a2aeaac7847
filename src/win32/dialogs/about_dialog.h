#pragma once
#include <windows.h>

namespace zek::win32 {

// The modal version dialog; returns the id that closed it.
INT_PTR showAboutDialog(HINSTANCE instance, HWND owner);

}  // namespace zek::win32
