#include "win32/app/bar_animation.h"

#include <algorithm>

#include "core/app/display_rules.h"
#include "core/data/launcher_item.h"
#include "core/data/launcher_settings.h"
#include "core/display/frame.h"
#include "win32/display/bar_look.h"
#include "win32/display/status_display.h"
#include "win32/platform/icons.h"

namespace zek::win32 {

namespace {
constexpr UINT_PTR kAnimationTimer = 2;
constexpr UINT_PTR kBuildDisplayTimer = 4;
// A timer's message comes only when no other is waiting: the display is built
// after the start-up's own work, when the launcher is idle.
constexpr UINT kBuildDisplayDelayMs = 50;
// Resized without moving, reordering, redrawing or activating it.
constexpr UINT kResizeOnly =
    SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_NOOWNERZORDER | SWP_DEFERERASE;
}  // namespace

BarAnimation::BarAnimation(LauncherProcess& process) : process_(process) {}

BarAnimation::~BarAnimation() {
    destroy();
}

void BarAnimation::create(HWND bar, HDC picture, const BarLook& look, const display::DpiScale& scale) {
    bar_ = bar;
    picture_ = picture;
    look_ = &look;
    scale_ = scale;
    if (::SetTimer(bar_, kBuildDisplayTimer, kBuildDisplayDelayMs, nullptr) == 0) {
        buildDisplay();
    }
}

void BarAnimation::buildDisplay() {
    ::KillTimer(bar_, kBuildDisplayTimer);
    if (display_ || look_ == nullptr) {
        return;
    }
    display_ = StatusDisplay::create(picture_, process_.instance(),
                                     {look_->title.get(), look_->text.get(), look_->small.get()}, scale_);
}

void BarAnimation::releaseDisplay() {
    display_.reset();
}

void BarAnimation::rescale(HDC picture, const BarLook& look, const display::DpiScale& scale) {
    display_.reset();
    picture_ = picture;
    look_ = &look;
    scale_ = scale;
    if (timer_ != 0) {
        // Shown: the picture starts afresh at the new size.
        buildDisplay();
        if (display_) {
            display_->reset();
        }
    } else if (::SetTimer(bar_, kBuildDisplayTimer, kBuildDisplayDelayMs, nullptr) == 0) {
        buildDisplay();
    }
}

void BarAnimation::destroy() {
    ::KillTimer(bar_, kBuildDisplayTimer);
    // Nothing is built after this, not even by a show.
    look_ = nullptr;
    if (timer_ != 0) {
        ::KillTimer(bar_, kAnimationTimer);
        timer_ = 0;
    }
    display_.reset();
}

int BarAnimation::step() const {
    return process_.settings().cpuStep();
}

void BarAnimation::startTimer() {
    const std::int32_t cpu = process_.settings().values().cpu;
    timer_ = ::SetTimer(bar_, kAnimationTimer, app::animationIntervalMs(cpu), nullptr);
}

void BarAnimation::onShow() {
    buildDisplay();
    if (display_) {
        display_->reset();
    }
    startTimer();
}

void BarAnimation::onHide() {
    ::KillTimer(bar_, kAnimationTimer);
    timer_ = 0;
    if (display_) {
        display_->dropItem();
    }
}

void BarAnimation::applyInterval() {
    if (timer_ != 0) {
        ::KillTimer(bar_, kAnimationTimer);
        startTimer();
    }
}

int BarAnimation::paintWidth() const {
    const int width = display_ ? display_->currentWidth() : display::kNarrowPanelWidth;
    return scale_.px(std::min(width + 100, display::kPictureWidth));
}

void BarAnimation::showItem(const data::LauncherItem& item) {
    // Loading an icon takes milliseconds; the same item again needs none.
    if (display_ && !display_->isShowing(item)) {
        const UniqueIcon icon = loadItemSmallIcon(item);
        display_->showItem(item, icon.get(), step());
    }
}

void BarAnimation::showNoItem() {
    if (display_) {
        display_->showNoItem();
    }
}

void BarAnimation::onTimer(UINT_PTR id) {
    if (id == kAnimationTimer && timer_ != 0) {
        tick();
    } else if (id == kBuildDisplayTimer) {
        buildDisplay();
    }
}

// The bar follows the display's width, the next frame is drawn into the picture,
// and only the instrument and the panel above the command box are painted again.
void BarAnimation::tick() {
    if (!display_) {
        return;
    }
    const int width = display_->currentWidth();
    if (width != lastWidth_) {
        lastWidth_ = width;
        followsPanel_ = true;
        ::SetWindowPos(bar_, nullptr, 0, 0, scale_.px(barWidth()), scale_.px(kBarHeight), kResizeOnly);
        // Wine gives a resized layered window a new surface, blank where its
        // children were: the command box must draw itself again.
        ::RedrawWindow(bar_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
    display_->nextFrame(step());
    const RECT instrument{0, 0, scale_.px(100), scale_.px(100)};
    const RECT panel{scale_.px(100), 0, scale_.px(barWidth()), scale_.px(80)};
    ::InvalidateRect(bar_, &instrument, FALSE);
    ::InvalidateRect(bar_, &panel, FALSE);
}

}  // namespace zek::win32
