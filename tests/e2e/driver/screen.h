#pragma once
// What the screen shows, read through GDI as any program could, for pixel checks.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/display/dpi_scale.h"

namespace zek::e2e {

class ScreenImage {
  public:
    ScreenImage() = default;
    ScreenImage(int width, int height, std::vector<std::uint32_t> pixels)
        : width_(width), height_(height), pixels_(std::move(pixels)) {}

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return pixels_.empty(); }
    // The pixel as a COLORREF (0x00BBGGRR); 0xFFFFFFFF outside the image.
    COLORREF at(int x, int y) const;
    // How many pixels of the rectangle (clipped to the image) have exactly this colour.
    int count(const RECT& area, COLORREF colour) const;

  private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;  // top-down rows of 0x00RRGGBB
};

// The screen's DPI as every program sees it (under Wine, that of the prefix when
// its server started).
display::DpiScale screenScale();

// The whole virtual screen as it is now; empty when it cannot be read.
ScreenImage captureScreen();
// Pixels of this colour inside the window, once the screen shows at least `least` of them
// (or the time is up).
int waitForColourIn(HWND window, COLORREF colour, int least, DWORD timeoutMs = 5000);

}  // namespace zek::e2e
