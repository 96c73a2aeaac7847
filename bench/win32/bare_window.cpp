// The yardstick for start-up time: a program that asks the system for what the
// launcher's start-up needs and does nothing of its own. GDI+ and the common
// controls started, a layered topmost tool window with a simple combo box, the
// three fonts, an off-screen picture, a tray icon and three global hotkeys, then
// the message loop. What the launcher takes beyond this is its own doing.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include "win32/platform/gdiplus_headers.h"

namespace {

constexpr UINT kTrayMessage = WM_APP + 1;
HWND combo = nullptr;

// Windows+Return shows the window with the focus in the combo box and hides it
// again, as the launcher's bar does: the floor of the bar benchmark's figures.
LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    if (message == WM_SETFOCUS) {
        ::SetFocus(combo);
        return 0;
    }
    if (message == WM_HOTKEY && wParam == 0) {
        if (::IsWindowVisible(window)) {
            ::SetWindowTextA(combo, "");
            ::ShowWindow(window, SW_HIDE);
        } else {
            ::ShowWindow(window, SW_SHOW);
            ::SetForegroundWindow(window);
            ::SetFocus(combo);
        }
        return 0;
    }
    // A typed character is painted before anything else is answered, as the
    // launcher paints its field: the bar benchmark sees a text once it is on screen.
    if (message == WM_COMMAND && HIWORD(wParam) == CBN_EDITCHANGE) {
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        if (::GetComboBoxInfo(combo, &info)) {
            ::UpdateWindow(info.hwndItem);
        }
        return 0;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

HFONT font(int height, int weight, BOOL underline, DWORD charset, DWORD precision, DWORD family,
           const char* face) {
    return ::CreateFontA(height, 0, 0, 0, weight, FALSE, underline, FALSE, charset, precision,
                         CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, family, face);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    Gdiplus::GdiplusStartupInput gdiplusInput;
    ULONG_PTR gdiplus = 0;
    Gdiplus::GdiplusStartup(&gdiplus, &gdiplusInput, nullptr);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_DATE_CLASSES | ICC_TREEVIEW_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);

    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = "ZekBareWindow";
    ::RegisterClassExA(&windowClass);
    HWND window = ::CreateWindowExA(WS_EX_LAYERED | WS_EX_TOOLWINDOW, "ZekBareWindow", nullptr, WS_POPUP, 0,
                                    0, 240, 100, nullptr, nullptr, instance, nullptr);
    ::SetWindowPos(window, HWND_TOPMOST, 0, 0, 240, 100, SWP_NOMOVE);
    // The launcher's attributes with its default transparency: black is see-through.
    ::SetLayeredWindowAttributes(window, RGB(0, 0, 0), 242, LWA_COLORKEY | LWA_ALPHA);

    const HFONT fonts[] = {
        font(12, 100, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, FIXED_PITCH, ""),
        font(11, 100, FALSE, SHIFTJIS_CHARSET, OUT_TT_ONLY_PRECIS, FIXED_PITCH | FF_SCRIPT, ""),
        font(14, 500, TRUE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, 0, "Monotype Corsiva"),
    };
    combo = ::CreateWindowExA(0, "COMBOBOX", nullptr, WS_CHILD | WS_VISIBLE | CBS_SIMPLE | CBS_AUTOHSCROLL,
                              100, 80, 130, 15, window, nullptr, instance, nullptr);
    ::SendMessageA(combo, WM_SETFONT, reinterpret_cast<WPARAM>(fonts[0]), FALSE);

    HDC screen = ::GetDC(nullptr);
    HDC picture = ::CreateCompatibleDC(screen);
    HBITMAP pictureBitmap = ::CreateCompatibleBitmap(screen, 640, 100);
    ::ReleaseDC(nullptr, screen);
    const HGDIOBJ previous = ::SelectObject(picture, pictureBitmap);

    NOTIFYICONDATAA tray{};
    tray.cbSize = sizeof tray;
    tray.hWnd = window;
    tray.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    tray.uCallbackMessage = kTrayMessage;
    tray.hIcon = ::LoadIconA(nullptr, IDI_APPLICATION);
    ::lstrcpyA(tray.szTip, "bare");
    ::Shell_NotifyIconA(NIM_ADD, &tray);
    ::RegisterHotKey(window, 0, MOD_WIN, VK_RETURN);
    ::RegisterHotKey(window, 1, MOD_WIN, VK_SPACE);
    ::RegisterHotKey(window, 2, MOD_WIN | MOD_ALT, VK_SPACE);

    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }

    for (int id = 0; id < 3; ++id) {
        ::UnregisterHotKey(window, id);
    }
    ::Shell_NotifyIconA(NIM_DELETE, &tray);
    ::SelectObject(picture, previous);
    ::DeleteObject(pictureBitmap);
    ::DeleteDC(picture);
    for (HFONT each : fonts) {
        ::DeleteObject(each);
    }
    Gdiplus::GdiplusShutdown(gdiplus);
    return 0;
}
