#include "core/dialogs/tree_rules.h"
#include "win32/dialogs/item_dialogs.h"

namespace zek::win32 {

std::optional<data::ItemFields> runEditFormFor(LauncherProcess& process, HWND owner,
                                               const data::LauncherItem& item) {
    const data::ItemFields source = item.fields();
    switch (dialogs::editFormFor(item.type())) {
        case dialogs::EditForm::RootNode:
            return runRootNodeDialog(process.instance(), owner, &source);
        case dialogs::EditForm::Item:
            return runItemDialog(process, owner, &source);
        case dialogs::EditForm::None:
            break;
    }
    return std::nullopt;
}

}  // namespace zek::win32
