#include "win32/app/layered_display.h"

#include "win32/platform/unique_handle.h"

namespace zek::win32 {

void applyLayeredAttributes(HWND bar, std::uint8_t alpha) {
    using SetLayeredWindowAttributesFunction = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
    UniqueModule user32(::LoadLibraryA("user32.dll"));
    if (!user32) {
        return;
    }
    const auto setAttributes = reinterpret_cast<SetLayeredWindowAttributesFunction>(
        reinterpret_cast<void*>(::GetProcAddress(user32.get(), "SetLayeredWindowAttributes")));
    if (setAttributes != nullptr) {
        setAttributes(bar, RGB(0, 0, 0), alpha, LWA_COLORKEY | LWA_ALPHA);
    }
}

}  // namespace zek::win32
