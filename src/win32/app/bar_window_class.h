#pragma once
#include <windows.h>

namespace zek::win32 {

struct BarWindowStyle {
    int width;  // in 96-DPI units
    int height;
    const char* title;
    DWORD style;
    DWORD extendedStyle;
};

// Registers the "ZekLauncher" class and creates the bar from it: topmost, of the
// style's size at the screen's DPI, centred a little left of and above the
// screen's middle, hidden.
// `creationParameter` reaches WM_NCCREATE. Returns null when either step fails.
HWND createBarWindow(HINSTANCE instance, WNDPROC procedure, const BarWindowStyle& style,
                     void* creationParameter);

}  // namespace zek::win32
