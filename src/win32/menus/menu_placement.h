#pragma once
// Where and how the bar's popup menus are tracked.
#include <windows.h>

namespace zek::win32 {

// Centred on the point, the chosen id returned rather than sent as WM_COMMAND.
inline constexpr UINT kMenuTrackFlags =
    TPM_RETURNCMD | TPM_NONOTIFY | TPM_VCENTERALIGN | TPM_CENTERALIGN | TPM_RIGHTBUTTON;
static_assert(kMenuTrackFlags == 0x196);

// The centre of the bar's client area, in screen coordinates.
inline POINT barClientCentre(HWND bar) {
    RECT client{};
    ::GetClientRect(bar, &client);
    POINT centre{(client.left + client.right) / 2, (client.top + client.bottom) / 2};
    ::ClientToScreen(bar, &centre);
    return centre;
}

}  // namespace zek::win32
