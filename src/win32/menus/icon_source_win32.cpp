#include "win32/menus/icon_source_win32.h"

#include "win32/platform/icons.h"

namespace zek::win32 {

menus::IconHandle SmallIconSource::loadSmallIcon(std::string_view path) {
    // From here on the menu entry that takes the handle owns it.
    return reinterpret_cast<menus::IconHandle>(win32::loadSmallIcon(path).release());
}

void SmallIconSource::destroyIcon(menus::IconHandle icon) {
    if (icon != 0) {
        ::DestroyIcon(toIcon(icon));
    }
}

}  // namespace zek::win32
