#include "win32/dialogs/launcher_tree_dialog_impl.h"

#include <string>
#include <vector>

#include "core/data/item_store.h"
#include "core/dialogs/item_form.h"
#include "win32/dialogs/dropped_files.h"
#include "win32/dialogs/item_dialogs.h"

namespace zek::win32 {

// The tree, not the dialog, is where the shell drops the files: a subclass of it
// hands them over.
void LauncherTreeDialog::acceptFileDrops() {
    ::DragAcceptFiles(tree_.handle(), TRUE);
    ::SetWindowSubclass(tree_.handle(), &LauncherTreeDialog::treeProcedure, 0,
                        reinterpret_cast<DWORD_PTR>(this));
}

void LauncherTreeDialog::onFilesDropped(HDROP drop) {
    POINT cursor{};
    ::GetCursorPos(&cursor);
    const std::vector<std::string> paths = droppedPaths(drop);
    ::DragFinish(drop);
    const HTREEITEM target = dropParentRow(tree_.rowAtScreenPoint(cursor));
    if (target == nullptr) {
        return;
    }
    for (const std::string& path : paths) {
        if (path.empty()) {
            continue;
        }
        const dialogs::DroppedFileFields dropped = dialogs::droppedFileFields(path);
        const data::ItemFields temporary{.name = dropped.name, .app = dropped.app, .dir = dropped.dir};
        if (const auto fields = runItemDialog(process_, window(), &temporary)) {
            // A form may run for long: the target row must still be there.
            if (itemOf(target) == nullptr) {
                return;
            }
            addUnder(target, *fields);
        }
        tree_.highlightDropTarget(nullptr);
        tree_.select(target);
    }
}

LRESULT CALLBACK LauncherTreeDialog::treeProcedure(HWND tree, UINT message, WPARAM wParam, LPARAM lParam,
                                                   UINT_PTR, DWORD_PTR self) {
    if (message == WM_DROPFILES) {
        try {
            reinterpret_cast<LauncherTreeDialog*>(self)->onFilesDropped(reinterpret_cast<HDROP>(wParam));
        } catch (...) {
            // The drop is lost, nothing else: the tree and the store stay as they are.
        }
        return 0;
    }
    if (message == WM_NCDESTROY) {
        ::RemoveWindowSubclass(tree, &LauncherTreeDialog::treeProcedure, 0);
    }
    return ::DefSubclassProc(tree, message, wParam, lParam);
}

}  // namespace zek::win32
