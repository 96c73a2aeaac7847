#include "win32/menus/icon_source_win32.h"

#include "win32/platform/icons.h"

namespace zek::win32 {

menus::IconHandle SmallIconSource::loadSmallIcon(std::string_view path) {
    auto known = loaded_.find(path);
    if (known == loaded_.end()) {
        known = loaded_.emplace(std::string(path), win32::loadSmallIcon(path)).first;
    }
    return reinterpret_cast<menus::IconHandle>(known->second.get());
}

}  // namespace zek::win32
