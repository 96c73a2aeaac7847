#include "driver/screen.h"

#include <algorithm>

#include "driver/window_query.h"
#include "win32/platform/unique_handle.h"

namespace zek::e2e {
namespace {

COLORREF fromDibPixel(std::uint32_t pixel) {
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

RECT clipped(const RECT& area, int width, int height) {
    return RECT{std::max(0L, area.left), std::max(0L, area.top), std::min<LONG>(width, area.right),
                std::min<LONG>(height, area.bottom)};
}

}  // namespace

COLORREF ScreenImage::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return 0xFFFFFFFF;
    }
    return fromDibPixel(pixels_[static_cast<std::size_t>(y) * width_ + x]);
}

int ScreenImage::count(const RECT& area, COLORREF colour) const {
    const RECT inside = clipped(area, width_, height_);
    int matches = 0;
    for (int y = inside.top; y < inside.bottom; ++y) {
        for (int x = inside.left; x < inside.right; ++x) {
            matches += at(x, y) == colour ? 1 : 0;
        }
    }
    return matches;
}

display::DpiScale screenScale() {
    HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    return display::DpiScale(dpi);
}

ScreenImage captureScreen() {
    const int left = ::GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int width = ::GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int height = ::GetSystemMetrics(SM_CYVIRTUALSCREEN);
    if (width <= 0 || height <= 0) {
        return {};
    }
    HDC screen = ::GetDC(nullptr);
    win32::UniqueMemoryDC memory(::CreateCompatibleDC(screen));
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    win32::UniqueBitmap bitmap(::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    ScreenImage image;
    if (memory && bitmap && bits != nullptr) {
        HGDIOBJ previous = ::SelectObject(memory.get(), bitmap.get());
        if (::BitBlt(memory.get(), 0, 0, width, height, screen, left, top, SRCCOPY | CAPTUREBLT)) {
            ::GdiFlush();
            const auto* first = static_cast<const std::uint32_t*>(bits);
            image = ScreenImage(
                width, height,
                std::vector<std::uint32_t>(first, first + static_cast<std::size_t>(width) * height));
        }
        ::SelectObject(memory.get(), previous);
    }
    ::ReleaseDC(nullptr, screen);
    return image;
}

int waitForColourIn(HWND window, COLORREF colour, int least, DWORD timeoutMs) {
    int found = 0;
    waitUntil([&] { return (found = captureScreen().count(windowRect(window), colour)) >= least; },
              timeoutMs);
    return found;
}

}  // namespace zek::e2e
