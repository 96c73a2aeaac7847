#pragma once
// The icon of a path: the first icon of a program or icon file, the icon of a
// shortcut's target, or the icon the registry names for the file's extension.
// Every request reads the file or the registry again; nothing is cached.
#include <string_view>

#include "win32/platform/unique_handle.h"

namespace zek::data {
class LauncherItem;
}

namespace zek::win32 {

enum class IconSize {
    Small,  // 16x16, the system small-icon size
    Large,  // 32x32
};

// An icon the caller owns, or an empty one when the path yields none (an empty or
// missing path, a file without icons, an unregistered type, a broken shortcut).
UniqueIcon loadIcon(std::string_view path, IconSize size);

inline UniqueIcon loadSmallIcon(std::string_view path) {
    return loadIcon(path, IconSize::Small);
}
inline UniqueIcon loadLargeIcon(std::string_view path) {
    return loadIcon(path, IconSize::Large);
}

// The item's icon: that of its icon file, else that of its program.
UniqueIcon loadItemSmallIcon(const data::LauncherItem& item);

}  // namespace zek::win32
