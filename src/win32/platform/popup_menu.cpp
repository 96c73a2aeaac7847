#include "win32/platform/popup_menu.h"

namespace zek::win32 {

UINT trackPopupMenu(HMENU menu, HWND owner, POINT at, UINT flags, MenuChoice choice) {
    const bool returned = choice == MenuChoice::Returned;
    const UINT delivery = returned ? TPM_RETURNCMD : 0;
    const BOOL result =
        ::TrackPopupMenuEx(menu, (flags & ~TPM_RETURNCMD) | delivery, at.x, at.y, owner, nullptr);
    return returned ? static_cast<UINT>(result) : 0;
}

}  // namespace zek::win32
