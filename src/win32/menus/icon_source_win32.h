#pragma once
// Row icons of the launcher menus: loaded afresh from the files with the program's
// small-icon loader each time a menu is built, and destroyed with the menu.
#include <windows.h>

#include <string_view>

#include "core/menus/menu_types.h"

namespace zek::win32 {

class SmallIconSource final : public menus::IconSource {
  public:
    menus::IconHandle loadSmallIcon(std::string_view path) override;
    void destroyIcon(menus::IconHandle icon) override;
};

inline HICON toIcon(menus::IconHandle icon) {
    return reinterpret_cast<HICON>(icon);
}

}  // namespace zek::win32
