#pragma once
// Draws a frame of the status picture onto its off-screen DC with GDI+ and a few
// plain GDI black shapes. The brushes, pens, fonts and the graphics object live
// as long as the painter; a frame makes only its two gradient brushes.
#include <windows.h>

#include <array>
#include <memory>
#include <vector>

#include "core/display/dpi_scale.h"
#include "core/display/frame.h"
#include "win32/display/still_layer.h"
#include "win32/platform/unique_handle.h"

namespace Gdiplus {
class Graphics;
}

namespace zek::win32 {

struct StatusFonts {
    HFONT title = nullptr;
    HFONT text = nullptr;
    HFONT smallText = nullptr;
};

class FramePainter {
  public:
    // Null when GDI+ cannot draw on the DC or a font is missing. GDI+ must be
    // running, and the painter must be gone before it shuts down. The frames it
    // is given are in the picture's pixels at `scale`, with the fonts made for it.
    static std::unique_ptr<FramePainter> create(HDC picture, const StatusFonts& fonts,
                                                const display::DpiScale& scale);
    ~FramePainter();
    struct Objects;
    // Only `create` makes one.
    class Key {
        Key() = default;
        friend class FramePainter;
    };
    FramePainter(Key, HDC picture, const display::DpiScale& scale, std::unique_ptr<Objects> objects);
    FramePainter(const FramePainter&) = delete;
    FramePainter& operator=(const FramePainter&) = delete;

    // The icons by display::Icon (item, boot, task, extension); a missing one is not drawn.
    using Icons = std::array<HICON, 4>;
    void paint(const display::Frame& frame, const Icons& icons);

  private:
    void draw(Gdiplus::Graphics& graphics, HDC dc, const display::DrawOperation& operation,
              const Icons& icons);
    void drawRun(Gdiplus::Graphics& graphics, HDC dc, display::Frame::const_iterator begin,
                 display::Frame::const_iterator end, const Icons& icons);
    void paintStill(display::Frame::const_iterator begin, display::Frame::const_iterator end,
                    const Icons& icons);
    void paintText(const display::PaintText& text);

    HDC picture_;
    display::DpiScale scale_;
    std::unique_ptr<Objects> objects_;
    // The fixed shapes of the last frame, the last run of them drawn one by one,
    // and the run kept as a layer.
    std::vector<display::DrawOperation> lastFixedShapes_;
    std::vector<display::DrawOperation> candidateRun_;
    std::vector<display::DrawOperation> stillRun_;
    std::unique_ptr<StillLayer> still_;
};

}  // namespace zek::win32
