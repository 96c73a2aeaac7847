#include "win32/dialogs/about_dialog.h"

#include "resource.h"

namespace zek::win32 {

namespace {

INT_PTR CALLBACK aboutProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG: {
            const auto instance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrA(dialog, GWLP_HINSTANCE));
            HICON icon = ::LoadIconA(instance, MAKEINTRESOURCEA(IDI_ZEKLAUNCHER));
            ::SendDlgItemMessageA(dialog, IDC_ABOUT_ICON, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
            return TRUE;
        }
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            if (id == IDC_ABOUT_OK || id == IDCANCEL) {
                ::EndDialog(dialog, id);
                return TRUE;
            }
            return FALSE;
        }
        default:
            return FALSE;
    }
}

}  // namespace

INT_PTR showAboutDialog(HINSTANCE instance, HWND owner) {
    return ::DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_ABOUTBOX), owner, aboutProcedure, 0);
}

}  // namespace zek::win32
