#include "win32/platform/screen_dpi.h"

#include "win32/platform/gdi_scope.h"
#include "win32/platform/system_function.h"

namespace zek::win32 {
namespace {

using GetDpiForWindowFunction = UINT WINAPI(HWND);
// shcore's GetDpiForMonitor, with MDT_EFFECTIVE_DPI (0).
using GetDpiForMonitorFunction = HRESULT WINAPI(HMONITOR, int, UINT*, UINT*);

}  // namespace

std::optional<RECT> suggestedPlaceOf(LPARAM lParam) {
    // Copied through the memory manager, which fails where reading would fault.
    RECT place{};
    SIZE_T copied = 0;
    if (!::ReadProcessMemory(::GetCurrentProcess(), reinterpret_cast<LPCVOID>(lParam), &place, sizeof place,
                             &copied) ||
        copied != sizeof place) {
        return std::nullopt;
    }
    return place;
}

int systemDpi() {
    const ScopedGetDC screen;
    const int dpi = screen ? ::GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
    return dpi > 0 ? dpi : display::kBaseDpi;
}

int windowDpi(HWND window) {
    // Windows 10 1607 and later.
    static const auto forWindow = systemFunction<GetDpiForWindowFunction>("user32.dll", "GetDpiForWindow");
    if (forWindow != nullptr && window != nullptr) {
        if (const UINT dpi = forWindow(window); dpi != 0) {
            return static_cast<int>(dpi);
        }
    }
    // Windows 8.1 and the first Windows 10.
    static const auto forMonitor = systemFunction<GetDpiForMonitorFunction>("shcore.dll", "GetDpiForMonitor");
    if (forMonitor != nullptr && window != nullptr) {
        UINT x = 0;
        UINT y = 0;
        if (SUCCEEDED(forMonitor(::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), 0, &x, &y)) &&
            y != 0) {
            return static_cast<int>(y);
        }
    }
    return systemDpi();
}

}  // namespace zek::win32
