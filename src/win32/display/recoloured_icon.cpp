#include "win32/display/recoloured_icon.h"

#include <cstdint>
#include <vector>

namespace zek::win32 {

UniqueIcon recolouredCopy(HICON icon) {
    ICONINFO info{};
    if (icon == nullptr || !::GetIconInfo(icon, &info)) {
        return {};
    }
    const UniqueBitmap colour(info.hbmColor);
    const UniqueBitmap mask(info.hbmMask);
    if (!colour) {
        return UniqueIcon(::CopyIcon(icon));  // a monochrome icon has no colour pixels to change
    }
    BITMAP bitmap{};
    ::GetObjectA(colour.get(), sizeof bitmap, &bitmap);
    BITMAPINFO layout{};
    layout.bmiHeader.biSize = sizeof layout.bmiHeader;
    layout.bmiHeader.biWidth = bitmap.bmWidth;
    layout.bmiHeader.biHeight = bitmap.bmHeight;
    layout.bmiHeader.biPlanes = 1;
    layout.bmiHeader.biBitCount = 32;
    layout.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(bitmap.bmWidth) *
                                      static_cast<std::size_t>(bitmap.bmHeight));
    const UniqueMemoryDC dc(::CreateCompatibleDC(nullptr));
    const auto lines = static_cast<UINT>(bitmap.bmHeight);
    if (!dc || pixels.empty() ||
        ::GetDIBits(dc.get(), colour.get(), 0, lines, pixels.data(), &layout, DIB_RGB_COLORS) == 0) {
        return {};
    }
    for (std::uint32_t& pixel : pixels) {
        if (pixel == 0) {
            pixel = 0x000F0F0F;
        }
    }
    ::SetDIBits(dc.get(), colour.get(), 0, lines, pixels.data(), &layout, DIB_RGB_COLORS);
    ICONINFO recoloured{TRUE, 0, 0, mask.get(), colour.get()};
    return UniqueIcon(::CreateIconIndirect(&recoloured));
}

}  // namespace zek::win32
