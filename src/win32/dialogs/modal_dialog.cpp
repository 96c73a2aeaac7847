#include "win32/dialogs/modal_dialog.h"

#include <commctrl.h>

#include <vector>

#include "resource.h"
#include "win32/platform/screen_dpi.h"

namespace zek::win32 {

INT_PTR ModalDialog::run(HINSTANCE instance, int templateId, HWND owner) {
    return ::DialogBoxParamA(instance, MAKEINTRESOURCEA(templateId), owner, &ModalDialog::procedure,
                             reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK ModalDialog::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<ModalDialog*>(lParam);
        dialog->window_ = window;
        dialog->scale_ = windowScale(window);
        ::SetWindowLongPtrA(window, DWLP_USER, lParam);
    }
    auto* dialog = reinterpret_cast<ModalDialog*>(::GetWindowLongPtrA(window, DWLP_USER));
    if (dialog == nullptr) {
        return FALSE;
    }
    try {
        return dialog->dispatch(message, wParam, lParam);
    } catch (...) {
        // A dialog that cannot go on leaves with nothing done.
        ::EndDialog(window, IDCANCEL);
        return TRUE;
    }
}

INT_PTR ModalDialog::dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            return onInit() ? TRUE : FALSE;
        case WM_DPICHANGED:
            // The system then moves and sizes the dialog and scales its controls and
            // fonts; the layouts made in pixels follow from the WM_SIZE that brings.
            scale_ = display::DpiScale(dpiOfChange(wParam));
            return FALSE;
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            const int code = HIWORD(wParam);
            const auto source = reinterpret_cast<HWND>(lParam);
            if (onCommand(id, code, source)) {
                return TRUE;
            }
            // The program's dialogs have their OK button at 1001 and their cancel
            // button at 1026; Enter and Esc arrive as IDOK and IDCANCEL.
            const bool clicked = code == BN_CLICKED;
            if ((id == IDOK && (clicked || source == nullptr)) || (id == IDC_OK && clicked)) {
                onOK();
                return TRUE;
            }
            if (id == IDCANCEL || (id == IDC_CANCEL && clicked)) {
                onCancel();
                return TRUE;
            }
            return FALSE;
        }
        case WM_NOTIFY: {
            LRESULT result = 0;
            if (lParam != 0 && onNotify(*reinterpret_cast<const NMHDR*>(lParam), result)) {
                return answer(message, result);
            }
            return FALSE;
        }
        default: {
            LRESULT result = 0;
            return onMessage(message, wParam, lParam, result) ? answer(message, result) : FALSE;
        }
    }
}

INT_PTR ModalDialog::answer(UINT message, LRESULT result) {
    // These few return their result directly; every other one through DWLP_MSGRESULT.
    switch (message) {
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC:
        case WM_COMPAREITEM:
        case WM_VKEYTOITEM:
        case WM_CHARTOITEM:
        case WM_QUERYDRAGICON:
            return static_cast<INT_PTR>(result);
        default:
            ::SetWindowLongPtrA(window_, DWLP_MSGRESULT, result);
            return TRUE;
    }
}

bool ModalDialog::onCommand(int, int, HWND) {
    return false;
}

bool ModalDialog::onNotify(const NMHDR&, LRESULT&) {
    return false;
}

bool ModalDialog::onMessage(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

void ModalDialog::end(INT_PTR result) {
    ::EndDialog(window_, result);
}

std::string ModalDialog::controlText(int id, std::size_t capacity) const {
    std::vector<char> buffer(capacity, '\0');
    ::GetDlgItemTextA(window_, id, buffer.data(), static_cast<int>(buffer.size()));
    buffer.back() = '\0';
    return std::string(buffer.data());
}

void ModalDialog::setControlText(int id, const std::string& text) const {
    ::SetDlgItemTextA(window_, id, text.c_str());
}

bool ModalDialog::isChecked(int id) const {
    return ::IsDlgButtonChecked(window_, id) == BST_CHECKED;
}

void ModalDialog::setChecked(int id, bool checked) const {
    ::CheckDlgButton(window_, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

void ModalDialog::enable(int id, bool enabled) const {
    ::EnableWindow(control(id), enabled ? TRUE : FALSE);
}

void ModalDialog::setSmallIcon(HINSTANCE module, int iconId) const {
    // A shared icon belongs to the system, which keeps it for as long as the module.
    const int size = ::GetSystemMetrics(SM_CXSMICON);
    const auto icon =
        static_cast<HICON>(::LoadImageA(module, MAKEINTRESOURCEA(iconId), IMAGE_ICON, size, size, LR_SHARED));
    ::SendMessageA(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

SIZE ModalDialog::clientSize() const {
    RECT client{};
    ::GetClientRect(window_, &client);
    return {client.right, client.bottom};
}

}  // namespace zek::win32
