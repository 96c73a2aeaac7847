#include "win32/app/bar_window_class.h"

#include "core/app/messages.h"
#include "resource.h"
#include "win32/platform/screen_dpi.h"

namespace zek::win32 {

HWND createBarWindow(HINSTANCE instance, WNDPROC procedure, const BarWindowStyle& style,
                     void* creationParameter) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = ::LoadIconA(instance, MAKEINTRESOURCEA(IDI_ZEKLAUNCHER));
    windowClass.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = app::kBarClassName;
    windowClass.hIconSm = ::LoadIconA(instance, MAKEINTRESOURCEA(IDI_ZEKLAUNCHER_SMALL));
    // A bar made again in the same process (as the adapter tests do) finds its class.
    if (::RegisterClassExA(&windowClass) == 0 && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        return nullptr;
    }

    HWND bar = ::CreateWindowExA(style.extendedStyle, app::kBarClassName, style.title, style.style, 0, 0,
                                 style.width, style.height, nullptr, nullptr, instance, creationParameter);
    if (bar == nullptr) {
        return nullptr;
    }
    const display::DpiScale scale = windowScale(bar);
    const int x = ::GetSystemMetrics(SM_CXSCREEN) / 2 - scale.px(200);
    const int y = ::GetSystemMetrics(SM_CYSCREEN) / 2 - scale.px(50);
    ::SetWindowPos(bar, HWND_TOPMOST, x, y, scale.px(style.width), scale.px(style.height), 0);
    ::UpdateWindow(bar);
    return bar;
}

}  // namespace zek::win32
