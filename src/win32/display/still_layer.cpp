#include "win32/display/still_layer.h"

#include <cstdint>
#include <vector>

namespace zek::win32 {

namespace {

BITMAPINFO topDown32(int width, int height) {
    BITMAPINFO layout{};
    layout.bmiHeader = {sizeof layout.bmiHeader, width, -height, 1, 32, BI_RGB};
    return layout;
}

std::vector<std::uint32_t> pixelsOf(HDC dc, int width, int height) {
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    BITMAPINFO layout = topDown32(width, height);
    ::GetDIBits(dc, static_cast<HBITMAP>(::GetCurrentObject(dc, OBJ_BITMAP)), 0, static_cast<UINT>(height),
                pixels.data(), &layout, DIB_RGB_COLORS);
    return pixels;
}

void setPixels(HDC dc, int width, int height, const std::vector<std::uint32_t>& pixels) {
    const BITMAPINFO layout = topDown32(width, height);
    ::SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(width), static_cast<DWORD>(height), 0, 0, 0,
                        static_cast<UINT>(height), pixels.data(), &layout, DIB_RGB_COLORS);
}

}  // namespace

std::unique_ptr<StillLayer> StillLayer::capture(const RECT& area, const DrawRun& draw) {
    const int width = area.right;
    const int height = area.bottom;
    auto layer = std::make_unique<StillLayer>();
    if (!layer->keep_.create(nullptr, width, height) || !layer->colour_.create(nullptr, width, height)) {
        return nullptr;
    }
    layer->area_ = area;
    // Both start black; the run is drawn over black, then over white.
    draw(layer->colour_.dc());
    ::PatBlt(layer->keep_.dc(), 0, 0, width, height, WHITENESS);
    draw(layer->keep_.dc());
    ::GdiFlush();
    const std::vector<std::uint32_t> overBlack = pixelsOf(layer->colour_.dc(), width, height);
    std::vector<std::uint32_t> keep = pixelsOf(layer->keep_.dc(), width, height);
    std::vector<std::uint32_t> colour = overBlack;
    for (std::size_t i = 0; i < keep.size(); ++i) {
        const bool covered = keep[i] == overBlack[i];
        keep[i] = covered ? 0 : 0xFFFFFFFFu;
        colour[i] = covered ? overBlack[i] : 0;
    }
    setPixels(layer->keep_.dc(), width, height, keep);
    setPixels(layer->colour_.dc(), width, height, colour);
    return layer;
}

void StillLayer::putOnto(HDC picture) const {
    const int width = area_.right - area_.left;
    const int height = area_.bottom - area_.top;
    ::BitBlt(picture, area_.left, area_.top, width, height, keep_.dc(), area_.left, area_.top, SRCAND);
    ::BitBlt(picture, area_.left, area_.top, width, height, colour_.dc(), area_.left, area_.top, SRCPAINT);
}

}  // namespace zek::win32
