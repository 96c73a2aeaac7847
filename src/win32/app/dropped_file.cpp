#include "win32/app/dropped_file.h"

#include <string>
#include <vector>

#include "core/data/item_store.h"
#include "win32/dialogs/dropped_files.h"
#include "win32/launch/item_runner.h"

namespace zek::win32 {

namespace {
constexpr UINT kPathBytes = 512;

const data::LauncherItem* itemShownIn(const CommandBox& box, const data::ItemStore& store) {
    const LRESULT selected = ::SendMessageA(box.combo(), CB_GETCURSEL, 0, 0);
    const auto list = store.currentList();
    if (selected != CB_ERR && static_cast<std::size_t>(selected) < list.size()) {
        return list[static_cast<std::size_t>(selected)];
    }
    char name[kPathBytes] = {};
    ::SendMessageA(box.combo(), WM_GETTEXT, sizeof name, reinterpret_cast<LPARAM>(name));
    return store.findByName(name);
}
}  // namespace

bool openDroppedFile(LauncherProcess& process, const CommandBox& box, HDROP drop) {
    const std::vector<std::string> paths = droppedPaths(drop);
    ::DragFinish(drop);
    // A path too long for the program's buffers comes back empty.
    return paths.size() == 1 && !paths.front().empty() &&
           openFile(process, itemShownIn(box, process.store()), paths.front());
}

}  // namespace zek::win32
