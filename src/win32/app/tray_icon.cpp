#include "win32/app/tray_icon.h"

#include <shellapi.h>

#include <cstring>

#include "core/app/messages.h"
#include "resource.h"
#include "win32/platform/popup_menu.h"

namespace zek::win32 {

namespace {

// The record in its second-version ANSI layout, as the shell has taken it since
// the first releases the program supported.
NOTIFYICONDATAA trayRecord(HWND bar) {
    NOTIFYICONDATAA record{};
    record.cbSize = NOTIFYICONDATAA_V2_SIZE;
    record.hWnd = bar;
    record.uID = 0;
    return record;
}

}  // namespace

void addTrayIcon(HWND bar, HINSTANCE instance) {
    NOTIFYICONDATAA record = trayRecord(bar);
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record.uCallbackMessage = app::LM_TRAYNOTIFY;
    record.hIcon = ::LoadIconA(instance, MAKEINTRESOURCEA(IDI_ZEKLAUNCHER_SMALL));
    std::strcpy(record.szTip, "ZekLauncher");
    ::Shell_NotifyIconA(NIM_ADD, &record);
}

void removeTrayIcon(HWND bar) {
    NOTIFYICONDATAA record = trayRecord(bar);
    ::Shell_NotifyIconA(NIM_DELETE, &record);
}

LRESULT onTrayNotify(HWND bar, HMENU menu, WPARAM wParam, LPARAM mouseMessage) {
    if (mouseMessage != WM_RBUTTONUP) {
        return ::DefWindowProcA(bar, app::LM_TRAYNOTIFY, wParam, mouseMessage);
    }
    POINT cursor{};
    ::GetCursorPos(&cursor);
    // In front, so that the menu closes when the user clicks elsewhere.
    ::SetForegroundWindow(bar);
    const UINT id = trackPopupMenu(menu, bar, cursor, TPM_BOTTOMALIGN, MenuChoice::Returned);
    ::PostMessageA(bar, WM_COMMAND, static_cast<WPARAM>(id), 0);
    ::PostMessageA(bar, WM_NULL, 0, 0);
    return 0;
}

}  // namespace zek::win32
