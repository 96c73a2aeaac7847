#include "win32/app/dropped_file.h"

#include "core/data/item_store.h"
#include "win32/launch/item_runner.h"

namespace zek::win32 {

namespace {
constexpr UINT kAllFiles = 0xFFFFFFFF;
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
    const bool oneFile = ::DragQueryFileA(drop, kAllFiles, nullptr, 0) == 1;
    // A path too long for the buffer would come back cut, naming another file.
    const bool fits = oneFile && ::DragQueryFileA(drop, 0, nullptr, 0) < kPathBytes;
    char path[kPathBytes] = {};
    if (fits) {
        ::DragQueryFileA(drop, 0, path, kPathBytes);
    }
    ::DragFinish(drop);
    return fits && openFile(process, itemShownIn(box, process.store()), path);
}

}  // namespace zek::win32
