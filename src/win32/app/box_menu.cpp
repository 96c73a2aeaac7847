#include "app/command_box.h"

namespace zek::win32 {

data::LauncherItem* offerListMenu(LauncherContext&, std::span<data::LauncherItem* const>) {
    return nullptr;
}

}  // namespace zek::win32
