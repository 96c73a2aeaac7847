#include "win32/dialogs/launcher_tree_dialog.h"
#include "win32/dialogs/launcher_tree_dialog_impl.h"

#include <memory>
#include <utility>

#include "core/data/item_store.h"
#include "core/data/item_store_file.h"
#include "resource.h"
#include "win32/dialogs/save_failure.h"

namespace zek::win32 {

void LauncherTreeDialog::beginFinish(bool save) {
    if (finishing_) {
        return;
    }
    finishing_ = true;
    drag_.abandon();
    const auto [width, height] = clientSize();
    HWND notice = control(IDC_PROGRESS_NOTICE);
    const display::DpiScale& s = scale();
    ::SetWindowPos(notice, HWND_TOP, width / 2 - s.px(80), height / 2 - s.px(30), s.px(160), s.px(25), 0);
    ::SetWindowTextA(notice, save ? "データを保存しています･･･" : "データの再読込中･･･");
    ::ShowWindow(notice, SW_SHOW);
    ::UpdateWindow(notice);
    ::PostMessageA(window(), DLGM_FINISH, save ? 1 : 0, 0);
}

void LauncherTreeDialog::finish(bool save) {
    if (save && !saveStoreOrReport(process_, store(), window(), kTreeEditsRemain)) {
        ::ShowWindow(control(IDC_PROGRESS_NOTICE), SW_HIDE);
        finishing_ = false;
        return;
    }
    if (!save) {
        reloadStore();
    }
    end(save ? IDOK : IDCANCEL);
}

void LauncherTreeDialog::reloadStore() {
    if (store().identity() != rowsStore_) {
        return;
    }
    process_.replaceStore(process_.storeFile().load());
    barReloadList();
}

void runLauncherTreeDialog(LauncherProcess& process) {
    LauncherTreeDialog dialog(process);
    // Only OK keeps the edits; an ending that bypassed the discard (an exception,
    // a dialog ended from outside) must not leave them for the next save to write.
    const INT_PTR result = dialog.run(process.instance(), IDD_LAUNCHER_TREE, process.bar());
    if (result != IDOK && result != -1) {
        dialog.reloadStore();
    }
}

}  // namespace zek::win32
