#include "win32/dialogs/form_dialog.h"

#include <commctrl.h>

#include "core/dialogs/item_form.h"
#include "resource.h"
#include "win32/dialogs/dropped_files.h"
#include "win32/launch/file_chooser.h"
#include "win32/platform/icons.h"

namespace zek::win32 {
namespace {

constexpr int kMaxPriority = 100;

}  // namespace

void FormDialog::initPriority(int priority) {
    ::SendDlgItemMessageA(window(), IDC_PRIORITY, TBM_SETRANGE, TRUE, MAKELPARAM(0, kMaxPriority));
    ::SendDlgItemMessageA(window(), IDC_PRIORITY, TBM_SETPOS, TRUE, priority);
    setControlText(IDC_PRIORITY_LABEL, std::to_string(this->priority()));
}

int FormDialog::priority() const {
    return static_cast<int>(::SendDlgItemMessageA(window(), IDC_PRIORITY, TBM_GETPOS, 0, 0));
}

void FormDialog::showPreview(const std::vector<std::string>& paths) {
    UniqueIcon icon;
    for (const std::string& path : paths) {
        icon = loadLargeIcon(path);
        if (icon) {
            break;
        }
    }
    ::SendDlgItemMessageA(window(), IDC_ICON_PREVIEW, STM_SETICON, reinterpret_cast<WPARAM>(icon.get()), 0);
    preview_ = std::move(icon);
}

std::string FormDialog::trimmedFieldText(int id) {
    const std::string text = controlText(id);
    const std::string trimmed(dialogs::trimField(text));
    if (trimmed != text) {
        setControlText(id, trimmed);
    }
    return trimmed;
}

bool FormDialog::onCommand(int id, int code, HWND) {
    if (id == IDC_ICON_FILE && code == BN_CLICKED) {
        if (const auto path = chooseIconFile(window())) {
            setControlText(IDC_ICON_PATH, *path);
        }
        return true;
    }
    return false;
}

bool FormDialog::onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT&) {
    if (message == WM_HSCROLL && reinterpret_cast<HWND>(lParam) == control(IDC_PRIORITY)) {
        setControlText(IDC_PRIORITY_LABEL, std::to_string(priority()));
        return true;
    }
    if (message == WM_DROPFILES) {
        const auto drop = reinterpret_cast<HDROP>(wParam);
        const std::vector<std::string> paths = droppedPaths(drop);
        ::DragFinish(drop);
        onFilesDropped(paths);
        return true;
    }
    return false;
}

}  // namespace zek::win32
