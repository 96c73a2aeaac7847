#pragma once
// Row icons of one launcher menu: each path's small icon is loaded once, with the
// program's small-icon loader, and shared by every row of that path (a node of a
// thousand rows of one program loads one icon, not a thousand). The source owns
// them and destroys them when it goes, after the menu and its entry table.
#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "core/menus/menu_types.h"
#include "win32/platform/unique_handle.h"

namespace zek::win32 {

class SmallIconSource final : public menus::IconSource {
  public:
    menus::IconHandle loadSmallIcon(std::string_view path) override;
    // The rows only borrow the shared icons: they go with this source.
    void destroyIcon(menus::IconHandle) override {}

  private:
    // A path without an icon is remembered too, so that it is not read again.
    std::map<std::string, UniqueIcon, std::less<>> loaded_;
};

inline HICON toIcon(menus::IconHandle icon) {
    return reinterpret_cast<HICON>(icon);
}

}  // namespace zek::win32
