#pragma once
// The animated picture of the launcher bar: the animation of the core, drawn by
// the frame painter onto the bar's off-screen DC, with the shown item's icon and
// the flag icons.
#include <windows.h>

#include <memory>

#include "core/display/orbit_trail.h"
#include "core/display/status_animation.h"
#include "win32/display/frame_painter.h"
#include "win32/platform/unique_handle.h"

namespace zek::data {
class LauncherItem;
}

namespace zek::win32 {

class StatusDisplay {
  public:
    // Null when the picture cannot be drawn (GDI+ not running, a font missing).
    // The animation works in 96-DPI units; its frames are drawn at `scale`, with
    // fonts made for it.
    static std::unique_ptr<StatusDisplay> create(HDC picture, HINSTANCE resources, const StatusFonts& fonts,
                                                 const display::DpiScale& scale);
    ~StatusDisplay();
    // Only `create` makes one.
    class Key {
        Key() = default;
        friend class StatusDisplay;
    };
    StatusDisplay(Key, std::unique_ptr<FramePainter> painter, HINSTANCE resources, HFONT textFont,
                  const display::DpiScale& scale);
    StatusDisplay(const StatusDisplay&) = delete;
    StatusDisplay& operator=(const StatusDisplay&) = delete;

    void reset();
    void dropItem();
    // Shows the item with a copy of `icon` (the caller keeps its own); `step` is
    // the settings' animation step.
    void showItem(const data::LauncherItem& item, HICON icon, int step);
    void showNoItem();
    // Whether this item is the one shown already (showing it again changes nothing).
    bool isShowing(const data::LauncherItem& item) const;
    void nextFrame(int step);
    // In 96-DPI units.
    int currentWidth() const { return animation_.currentWidth(); }

  private:
    display::FrameClock clockFor(int step) const;
    void paint(display::Frame frame);

    class Lock;
    std::unique_ptr<FramePainter> painter_;
    HFONT textFont_;
    display::DpiScale scale_;
    display::LinearRandom random_;
    display::StatusAnimation animation_;
    UniqueIcon itemIcon_;
    UniqueIcon bootIcon_;
    UniqueIcon taskIcon_;
    UniqueIcon extensionIcon_;
    CRITICAL_SECTION lock_;
};

}  // namespace zek::win32
