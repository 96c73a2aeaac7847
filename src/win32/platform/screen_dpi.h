#pragma once
// The DPI a window is drawn at: that of the monitor it is on where the system
// tells monitors apart (Windows 8.1 and later), else that of the whole screen.
#include <windows.h>

#include <optional>

#include "core/display/dpi_scale.h"

namespace zek::win32 {

int windowDpi(HWND window);

inline display::DpiScale windowScale(HWND window) {
    return display::DpiScale(windowDpi(window));
}

// The DPI the system's own fonts and metrics were made for (that of the primary
// screen when the user logged on).
int systemDpi();

// The DPI of a WM_DPICHANGED (the same for both axes).
inline int dpiOfChange(WPARAM wParam) {
    return HIWORD(wParam);
}

// The place a WM_DPICHANGED suggests; none when its pointer leads to nothing
// readable. The system does not carry the rectangle from one process to another,
// so any other program can send the message with a pointer of its own.
std::optional<RECT> suggestedPlaceOf(LPARAM lParam);

}  // namespace zek::win32
