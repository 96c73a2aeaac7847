#include "win32/display/status_display.h"

#include <ctime>

#include "core/data/launcher_item.h"
#include "resource.h"
#include "win32/display/recoloured_icon.h"
#include "win32/platform/gdi_scope.h"

namespace zek::win32 {

namespace {

std::uint32_t wholeSeconds() {
    return static_cast<std::uint32_t>(std::time(nullptr));
}

UniqueIcon flagIcon(HINSTANCE resources, int id, int size) {
    return UniqueIcon(
        static_cast<HICON>(::LoadImageA(resources, MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0)));
}

// Text extents in the bar's text font on the screen, in the units the panel's
// width is reckoned in.
class ScreenMeasurer final : public display::TextMeasurer {
  public:
    ScreenMeasurer(HFONT font, const display::DpiScale& scale) : font_(screen_.get(), font), scale_(scale) {}
    int extent(std::string_view text) override {
        SIZE size{};
        ::GetTextExtentPoint32A(screen_.get(), text.data(), static_cast<int>(text.size()), &size);
        return scale_.units(size.cx);
    }

  private:
    ScopedGetDC screen_;
    ScopedSelectObject font_;
    display::DpiScale scale_;
};

}  // namespace

class StatusDisplay::Lock {
  public:
    explicit Lock(CRITICAL_SECTION& section) : section_(section) { ::EnterCriticalSection(&section_); }
    ~Lock() { ::LeaveCriticalSection(&section_); }
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;

  private:
    CRITICAL_SECTION& section_;
};

std::unique_ptr<StatusDisplay> StatusDisplay::create(HDC picture, HINSTANCE resources,
                                                     const StatusFonts& fonts,
                                                     const display::DpiScale& scale) {
    auto painter = FramePainter::create(picture, fonts, scale);
    if (!painter) {
        return nullptr;
    }
    return std::make_unique<StatusDisplay>(Key{}, std::move(painter), resources, fonts.text, scale);
}

StatusDisplay::StatusDisplay(Key, std::unique_ptr<FramePainter> painter, HINSTANCE resources, HFONT textFont,
                             const display::DpiScale& scale)
    : painter_(std::move(painter)),
      textFont_(textFont),
      scale_(scale),
      animation_(random_, wholeSeconds()),
      bootIcon_(flagIcon(resources, IDI_FLAG_BOOT, scale.px(16))),
      taskIcon_(flagIcon(resources, IDI_FLAG_TASK, scale.px(16))),
      extensionIcon_(flagIcon(resources, IDI_FLAG_EXTENSION, scale.px(16))) {
    ::InitializeCriticalSection(&lock_);
}

StatusDisplay::~StatusDisplay() {
    ::DeleteCriticalSection(&lock_);
}

display::FrameClock StatusDisplay::clockFor(int step) const {
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    return {.step = step,
            .time = {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond, now.wMilliseconds},
            .seconds = wholeSeconds()};
}

void StatusDisplay::paint(display::Frame frame) {
    if (!frame.empty()) {
        painter_->paint(display::scaledFrame(std::move(frame), scale_),
                        {itemIcon_.get(), bootIcon_.get(), taskIcon_.get(), extensionIcon_.get()});
    }
}

void StatusDisplay::reset() {
    animation_.reset(wholeSeconds());
    itemIcon_.reset();
}

void StatusDisplay::dropItem() {
    animation_.dropItem();
    itemIcon_.reset();
}

void StatusDisplay::showItem(const data::LauncherItem& item, HICON icon, int step) {
    const Lock lock(lock_);
    if (isShowing(item)) {
        return;  // the same item again: the typing goes on
    }
    const data::ItemFields& fields = item.fields();
    itemIcon_ = recolouredCopy(icon);
    display::ShownItem shown{.key = item.serial(),
                             .name = fields.name,
                             .app = fields.app,
                             .option = fields.option,
                             .comment = fields.comment,
                             .type = static_cast<std::int32_t>(fields.type),
                             .boot = fields.boot,
                             .task = fields.tsk,
                             .extension = fields.extension,
                             .hasIcon = static_cast<bool>(itemIcon_)};
    ScreenMeasurer measurer(textFont_, scale_);
    paint(animation_.showItem(std::move(shown), measurer, clockFor(step)));
}

bool StatusDisplay::isShowing(const data::LauncherItem& item) const {
    return animation_.holdsItem() && animation_.shownKey() == item.serial();
}

void StatusDisplay::showNoItem() {
    const Lock lock(lock_);
    animation_.showNoItem();
    itemIcon_.reset();
}

void StatusDisplay::nextFrame(int step) {
    const Lock lock(lock_);
    paint(animation_.nextFrame(clockFor(step)));
}

}  // namespace zek::win32
