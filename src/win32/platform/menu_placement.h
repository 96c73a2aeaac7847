#pragma once
// Where and how the bar's popup menus are tracked.
#include <windows.h>

namespace zek::win32 {

// Centred on the point, either button choosing, no notifications while tracking;
// the chosen id comes back to the caller (MenuChoice::Returned).
inline constexpr UINT kBarMenuFlags = TPM_NONOTIFY | TPM_VCENTERALIGN | TPM_CENTERALIGN | TPM_RIGHTBUTTON;
static_assert((kBarMenuFlags | TPM_RETURNCMD) == 0x196);

// The centre of the bar's client area, in screen coordinates.
inline POINT barClientCentre(HWND bar) {
    RECT client{};
    ::GetClientRect(bar, &client);
    POINT centre{(client.left + client.right) / 2, (client.top + client.bottom) / 2};
    ::ClientToScreen(bar, &centre);
    return centre;
}

}  // namespace zek::win32
