#pragma once
// The one way the program tracks a popup menu: at a point on the screen, aligned
// there as the caller says, the choice going where the caller wants it.
#include <windows.h>

namespace zek::win32 {

// Where the chosen entry's id goes.
enum class MenuChoice {
    // Back to the caller, which acts on it at once; 0 when the menu was dismissed.
    Returned,
    // To the owner as WM_COMMAND, as from a menu of its own; the call returns 0.
    SentToOwner,
};

// Tracks `menu` for `owner` at `at` (screen coordinates) until it closes. `flags`
// are the TPM_ alignment, mouse button and notification flags; `choice` alone
// decides whether the id is returned.
UINT trackPopupMenu(HMENU menu, HWND owner, POINT at, UINT flags, MenuChoice choice);

}  // namespace zek::win32
