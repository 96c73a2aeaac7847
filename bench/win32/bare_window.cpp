// The yardstick for start-up time: the least a hotkey-driven window program does
// before it is ready (a class, a hidden window, one global hotkey, a message loop).
#include <windows.h>

namespace {
LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = "ZekBareWindow";
    ::RegisterClassExA(&windowClass);
    HWND window = ::CreateWindowExA(WS_EX_TOOLWINDOW, "ZekBareWindow", nullptr, WS_POPUP, 0, 0, 240, 100,
                                    nullptr, nullptr, instance, nullptr);
    ::RegisterHotKey(window, 0, MOD_WIN, VK_RETURN);
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        ::DispatchMessageA(&message);
    }
    ::UnregisterHotKey(window, 0);
    return 0;
}
