#include "win32/app/layered_display.h"

#include "win32/platform/system_function.h"

namespace zek::win32 {

void applyLayeredAttributes(HWND bar, std::uint8_t alpha) {
    static const auto setAttributes =
        systemFunction<BOOL WINAPI(HWND, COLORREF, BYTE, DWORD)>("user32.dll", "SetLayeredWindowAttributes");
    if (setAttributes != nullptr) {
        setAttributes(bar, RGB(0, 0, 0), alpha, LWA_COLORKEY | LWA_ALPHA);
    }
}

}  // namespace zek::win32
