#include "driver/screen.h"

#include <algorithm>

#include "driver/files.h"
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

ScreenImage ScreenImage::crop(const RECT& area) const {
    const RECT inside = clipped(area, width_, height_);
    const int width = std::max(0L, inside.right - inside.left);
    const int height = std::max(0L, inside.bottom - inside.top);
    std::vector<std::uint32_t> part;
    part.reserve(static_cast<std::size_t>(width) * height);
    for (int y = inside.top; y < inside.top + height; ++y) {
        const auto row = pixels_.begin() + static_cast<std::ptrdiff_t>(y) * width_ + inside.left;
        part.insert(part.end(), row, row + width);
    }
    return ScreenImage(width, height, std::move(part));
}

bool ScreenImage::saveBitmap(const std::string& path) const {
    const std::size_t rowBytes = (static_cast<std::size_t>(width_) * 3 + 3) & ~std::size_t{3};
    const BITMAPINFOHEADER info{
        sizeof info, width_, height_, 1, 24, BI_RGB, static_cast<DWORD>(rowBytes * height_), 0, 0, 0, 0};
    const DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof info;
    const BITMAPFILEHEADER header{0x4D42 /* "BM" */, offset + info.biSizeImage, 0, 0, offset};
    std::string file(reinterpret_cast<const char*>(&header), sizeof header);
    file.append(reinterpret_cast<const char*>(&info), sizeof info);
    for (int y = height_ - 1; y >= 0; --y) {  // bottom-up rows of blue, green, red
        const std::size_t start = file.size();
        for (int x = 0; x < width_; ++x) {
            const std::uint32_t pixel = pixels_[static_cast<std::size_t>(y) * width_ + x];
            file.push_back(static_cast<char>(pixel & 0xFF));
            file.push_back(static_cast<char>((pixel >> 8) & 0xFF));
            file.push_back(static_cast<char>((pixel >> 16) & 0xFF));
        }
        file.resize(start + rowBytes, '\0');
    }
    return writeFileBytes(path, file);
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

bool waitForMenusShowing(std::size_t menuCount, COLORREF colour, int pixels, DWORD timeoutMs) {
    return waitUntil(
        [&] {
            const auto menus = openMenus();
            const ScreenImage screen = captureScreen();
            return menus.size() == menuCount && std::all_of(menus.begin(), menus.end(), [&](HWND menu) {
                       return screen.count(windowRect(menu), colour) >= pixels;
                   });
        },
        timeoutMs);
}

bool savePictureOf(const std::vector<HWND>& windows, const std::string& path) {
    if (windows.empty()) {
        return false;
    }
    RECT all = windowRect(windows.front());
    for (HWND window : windows) {
        const RECT rect = windowRect(window);
        ::UnionRect(&all, &all, &rect);
    }
    ::InflateRect(&all, 8, 8);
    return captureScreen().crop(all).saveBitmap(path);
}

}  // namespace zek::e2e
