#pragma once
// The bar's living picture: the status display on the off-screen picture, the
// animation timer that draws its frames while the bar is shown, and the bar's
// width that follows the panel.
#include <windows.h>

#include <memory>

#include "core/display/dpi_scale.h"
#include "core/display/status_texts.h"
#include "win32/box/command_box.h"
#include "win32/process/launcher_process.h"

namespace zek::win32 {

struct BarLook;
class StatusDisplay;

// The bar's size in 96-DPI units: created this wide, it keeps that width until
// the display first reports a panel width other than the narrow one; from then on
// it is the panel's width and the room around it.
inline constexpr int kCreatedBarWidth = 240;
inline constexpr int kBarHeight = 100;
inline constexpr int kBarWidthAroundPanel = 110;

class BarAnimation final : public StatusSink {
  public:
    explicit BarAnimation(LauncherProcess& process);
    ~BarAnimation();
    BarAnimation(const BarAnimation&) = delete;
    BarAnimation& operator=(const BarAnimation&) = delete;

    // Keeps what the status display is built from. The display itself is built
    // once the launcher waits for input after start-up (its GDI+ objects take
    // milliseconds no one waits for then), or by the first show if that comes
    // sooner. Without one the bar shows its command box on black and nothing here
    // draws.
    void create(HWND bar, HDC picture, const BarLook& look, const display::DpiScale& scale);
    // The picture and the look made anew for another DPI: the display is built
    // again for them (at once when the bar is shown, else as at start-up).
    void rescale(HDC picture, const BarLook& look, const display::DpiScale& scale);
    // Lets the display go, to be built again by `rescale`; the timers go on.
    void releaseDisplay();
    // The bar's width in units, as the display last set it.
    int barWidth() const { return followsPanel_ ? lastWidth_ + kBarWidthAroundPanel : kCreatedBarWidth; }
    // Stops the timer and lets the display go (before GDI+ shuts down).
    void destroy();

    void onShow();  // a fresh picture and the timer started
    void onHide();  // the timer stopped and the item let go
    // The timer, if it runs, starts again at the interval of the current settings.
    void applyInterval();
    // The bar's WM_TIMER: timer 2 draws the next frame, timer 4 builds the display.
    void onTimer(UINT_PTR id);
    // How many pixels of the picture the bar copies on paint (screen pixels).
    int paintWidth() const;

    void showItem(const data::LauncherItem& item) override;
    void showNoItem() override;

  private:
    void buildDisplay();
    void tick();
    void startTimer();
    int step() const;

    LauncherProcess& process_;
    HWND bar_ = nullptr;
    HDC picture_ = nullptr;
    const BarLook* look_ = nullptr;
    display::DpiScale scale_;
    std::unique_ptr<StatusDisplay> display_;
    UINT_PTR timer_ = 0;
    int lastWidth_ = display::kNarrowPanelWidth;
    bool followsPanel_ = false;
};

}  // namespace zek::win32
