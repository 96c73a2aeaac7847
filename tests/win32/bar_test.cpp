// Chosen frames of the status picture drawn off-screen, into the surface the bar
// draws into, with a fixed clock and a scripted random source, then read back pixel
// by pixel; and the bar's animation timer, which must not outlive the picture. And
// the bar is made before the launcher reads its files (their folder is found from
// the bar's process), and a second start or the shell can reach it then. Whatever
// arrives meanwhile must find no settings and no items missing, and a hand-over
// must run once the files are read.
#include <gtest/gtest.h>
#include <windows.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "bar_in_process.h"
#include "core/app/messages.h"
#include "core/data/config_paths.h"
#include "core/data/launcher_item.h"
#include "core/data/launcher_settings.h"
#include "core/display/status_animation.h"
#include "driver/files.h"
#include "driver/object_counts.h"
#include "driver/window_query.h"
#include "icon_kit.h"
#include "resource.h"
#include "win32/app/bar_animation.h"
#include "win32/app/handover.h"
#include "win32/display/bar_look.h"
#include "win32/display/frame_painter.h"
#include "win32/display/recoloured_icon.h"
#include "win32/display/status_display.h"
#include "win32/platform/gdi_scope.h"

namespace zek::win32 {
namespace {

class SteadyRandom final : public display::RandomSource {
  public:
    void seed(std::uint32_t) override {}
    int next() override { return 16000; }
};

class FixedPitch final : public display::TextMeasurer {
  public:
    int extent(std::string_view text) override { return static_cast<int>(text.size()) * 6; }
};

constexpr display::FrameClock kClock{.step = 10, .time = {2026, 12, 7, 9, 5, 3, 42}, .seconds = 0};

// An opaque 16 x 16 icon of pure black, the bar's see-through colour.
UniqueIcon blackIcon() {
    const std::vector<std::uint32_t> colour(16 * 16, 0);
    const std::vector<std::uint8_t> mask(16 * 2, 0);
    const UniqueBitmap colourBitmap(::CreateBitmap(16, 16, 1, 32, colour.data()));
    const UniqueBitmap maskBitmap(::CreateBitmap(16, 16, 1, 1, mask.data()));
    ICONINFO info{TRUE, 0, 0, maskBitmap.get(), colourBitmap.get()};
    return UniqueIcon(::CreateIconIndirect(&info));
}

data::LauncherItem itemWithLongComment() {
    return data::LauncherItem({.type = data::ItemType::DataItem,
                               .name = "notepad",
                               .comment = "a comment long enough to widen the panel a good way"});
}

class StatusPicture : public ::testing::Test {
  protected:
    explicit StatusPicture(int dpi = display::kBaseDpi) : scale_(dpi), look_(BarLook::create(scale_)) {}

    void SetUp() override {
        ASSERT_TRUE(
            surface_.create(nullptr, scale_.px(display::kPictureWidth), scale_.px(display::kPictureHeight)));
        painter_ = FramePainter::create(surface_.dc(), fonts(), scale_);
        ASSERT_NE(painter_, nullptr);
        icon_ = recolouredCopy(blackIcon().get());
        ASSERT_TRUE(icon_);
    }
    StatusFonts fonts() const { return {look_.title.get(), look_.text.get(), look_.small.get()}; }
    void draw(const display::Frame& frame) {
        painter_->paint(display::scaledFrame(frame, scale_), {icon_.get(), nullptr, nullptr, nullptr});
        ::GdiFlush();
    }
    // 0x00RRGGBB of the pixel at a place given in pixels.
    std::uint32_t pixel(int x, int y) const {
        const COLORREF c = ::GetPixel(surface_.dc(), x, y);
        return std::uint32_t{GetRValue(c)} << 16 | std::uint32_t{GetGValue(c)} << 8 | GetBValue(c);
    }
    // The same at a place given in units.
    std::uint32_t at(int x, int y) const { return pixel(scale_.px(x), scale_.px(y)); }
    int count(RECT units, std::uint32_t colour) const {
        return count(units, [colour](std::uint32_t c) { return c == colour; });
    }
    template <typename Wanted>
    int count(RECT units, Wanted wanted) const {
        const display::Corners area =
            scale_.px(display::Corners{units.left, units.top, units.right, units.bottom});
        int found = 0;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                found += wanted(pixel(x, y)) ? 1 : 0;
            }
        }
        return found;
    }
    std::uint32_t onCircle(int radius, double degrees) const {
        const double radians = degrees * 3.14159265358979 / 180;
        return at(50 + static_cast<int>(std::lround(radius * std::cos(radians))),
                  50 + static_cast<int>(std::lround(radius * std::sin(radians))));
    }

    GdiplusSession gdiplus_;
    const display::DpiScale scale_;
    BarLook look_;
    PictureSurface surface_;
    std::unique_ptr<FramePainter> painter_;  // gone before the surface and GDI+
    UniqueIcon icon_;
    SteadyRandom random_;
    display::StatusAnimation animation_{random_, 0};
};

bool isCyan(std::uint32_t c) {
    const int r = (c >> 16) & 0xFF, g = (c >> 8) & 0xFF, b = c & 0xFF;
    return r < 0x30 && g > 0x80 && b > 0x80 && std::abs(g - b) < 8;
}
bool isGrey(std::uint32_t c) {
    const int r = (c >> 16) & 0xFF, g = (c >> 8) & 0xFF, b = c & 0xFF;
    return r > 0x30 && r == g && g == b;
}

// The same picture at the screen's own pixels, every figure scaled.
class ScaledStatusPicture : public StatusPicture, public ::testing::WithParamInterface<int> {
  protected:
    ScaledStatusPicture() : StatusPicture(GetParam()) {}
};
INSTANTIATE_TEST_SUITE_P(Dpi, ScaledStatusPicture, ::testing::Values(96, 144, 192));

TEST_P(ScaledStatusPicture, ItemFrameShowsInstrumentTextsAndIcon) {
    do {
        draw(animation_.nextFrame(kClock));
    } while (animation_.state() != display::AnimationState::Idle);
    FixedPitch measure;
    draw(animation_.showItem({.key = 1, .name = "notepad", .app = "C:\\np.exe", .type = 4, .hasIcon = true},
                             measure, kClock));
    for (int i = 0; i < 12; ++i) {
        draw(animation_.nextFrame(kClock));
    }
    for (double degrees : {0.0, 30.0, 90.0, 150.0, 180.0}) {
        EXPECT_EQ(onCircle(25, degrees), 0u) << "the see-through ring at " << degrees;
    }
    int cyan = 0, grey = 0;
    for (int degrees = 0; degrees < 360; degrees += 2) {
        cyan += isCyan(onCircle(43, degrees)) ? 1 : 0;
        grey += isGrey(onCircle(43, degrees)) ? 1 : 0;
    }
    EXPECT_GT(cyan, 20) << "the cyan pies";
    EXPECT_GT(grey, 20) << "the grey pie";
    EXPECT_EQ(at(240, 45), 0x191919u) << "the outline's right edge at width 150";
    EXPECT_GT(count({100, 9, 200, 23}, 0x32DCA0u), 10) << "the name";
    EXPECT_GT(count({5, 20, 75, 34}, 0xFAFAFAu), 10) << "the date";
    EXPECT_GT(count({35, 70, 100, 84}, 0xFAFAFAu), 4) << "the time";
    EXPECT_GT(
        count({0, 0, 45, 14}, [](std::uint32_t c) { return (c & 0xFF) > 0xC0 && ((c >> 8) & 0xFF) > 0xC0; }),
        10)
        << "\"On Line\"";
    EXPECT_EQ(count({42, 42, 58, 58}, 0x0F0F0Fu), scale_.px(16) * scale_.px(16)) << "the recoloured icon";
}

// Three hundred shows and hides with ten frames and an item each, as the bar runs them.
TEST_F(StatusPicture, ShowsHidesAndFramesKeepNothing) {
    auto display = StatusDisplay::create(surface_.dc(), ::GetModuleHandleA(nullptr), fonts(), scale_);
    ASSERT_NE(display, nullptr);
    const data::LauncherItem item = itemWithLongComment();
    const auto cycle = [&] {
        display->reset();
        for (int frame = 0; frame < 10; ++frame) {
            if (frame == 5) {
                display->showItem(item, icon_.get(), 10);
            }
            display->nextFrame(10);
        }
        display->showNoItem();
        display->dropItem();
    };
    for (int i = 0; i < 50; ++i) {
        cycle();  // caches that stay for good
    }
    const std::optional<std::uint32_t> objects = e2e::countGdiObjects();
    const std::size_t bytes = e2e::committedBytesOf(::GetCurrentProcessId());
    for (int i = 0; i < 250; ++i) {
        cycle();
    }
    EXPECT_EQ(e2e::countGdiObjects(), objects);
    EXPECT_LT(e2e::committedBytesOf(::GetCurrentProcessId()), bytes + 256 * 1024);
}

// Whether the animation timer ticks within the time.
bool animationTicks(HWND window, DWORD withinMs) {
    MSG message;
    const auto tick = [&] {
        return ::PeekMessageA(&message, window, WM_TIMER, WM_TIMER, PM_REMOVE) && message.wParam == 2;
    };
    return e2e::waitUntil(tick, withinMs);
}

// With no picture to draw on, the bar still runs its timer from show to hide and
// paints the command box's strip on black, without calling into a missing display.
// A change of Cpu while it is shown takes effect at once.
TEST(BarWithoutStatusDisplay, ShowsTicksAndHides) {
    Win32ProfileStore profile;
    LauncherProcess process(nullptr);
    process.adoptFiles({}, std::make_unique<data::LauncherSettings>(profile, ""), nullptr, nullptr);
    data::LauncherSettings& settings = process.settings();
    data::BasicSettings values = settings.values();
    values.cpu = 100;  // a tick every 20 ms
    settings.applyValues(values);
    const UniqueWindow window(
        ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 240, 100, nullptr, nullptr, nullptr, nullptr));
    const BarLook look = BarLook::create({});
    BarAnimation animation(process);
    animation.create(window.get(), nullptr, look, {});
    animation.onShow();
    EXPECT_TRUE(animationTicks(window.get(), 2000));
    values.cpu = 1;  // every 119 ms
    settings.applyValues(values);
    animation.applyInterval();
    animationTicks(window.get(), 0);  // one already queued
    int ticks = 0;
    for (const DWORD start = ::GetTickCount(); ::GetTickCount() - start < 500;) {
        ticks += animationTicks(window.get(), 0) ? 1 : 0;
        ::Sleep(10);
    }
    EXPECT_LE(ticks, 5) << "the timer kept its old interval";
    animation.showItem(itemWithLongComment());
    animation.onTimer(2);
    animation.showNoItem();
    EXPECT_EQ(animation.paintWidth(), 250);
    EXPECT_EQ(e2e::windowWidth(window.get()), 240);
    animation.onHide();
    EXPECT_FALSE(::KillTimer(window.get(), 2)) << "the animation timer outlived the hide";
}

// The program leaves by sending the bar WM_DESTROY, and a nested message loop may
// still dispatch messages after it: no tick may come to draw into the freed picture.
TEST(BarShutdown, TheAnimationEndsWithThePicture) {
    BarInProcess launcher;
    ASSERT_TRUE(launcher.create());
    launcher.openNoFiles();
    const HWND bar = launcher.bar.window();
    ::SendMessageA(bar, app::LM_SHOWBAR, 0, 0);
    EXPECT_TRUE(animationTicks(bar, 2000));
    ::SendMessageA(bar, WM_DESTROY, 0, 0);
    EXPECT_FALSE(::KillTimer(bar, 2)) << "the animation timer outlived the picture";
    launcher.leave();
}

HandOverResult handOver(HWND bar, std::string_view switchText) {
    return handOverCommandLine(bar, std::vector<std::string_view>{"ZekLauncher.exe", switchText});
}

TEST(BarBeforeFiles, AnswersWithoutTheFilesAndRunsWhatWasHandedOverOnceTheyAreRead) {
    const e2e::TestFolder folder;
    ASSERT_TRUE(folder.created());
    const data::ConfigPaths paths{folder.file("ZekLauncher.ini"), folder.file("ZekLauncher.dat")};
    {
        BarInProcess launcher;
        ASSERT_TRUE(launcher.create());
        LauncherBar& bar = launcher.bar;
        const HWND window = bar.window();

        // Held until the files are read, in order: the bar ends up shown.
        for (int start = 0; start < 7; ++start) {
            EXPECT_EQ(handOver(window, "/h"), HandOverResult::Sent);
        }
        EXPECT_EQ(handOver(window, "/s"), HandOverResult::Sent);
        // The starts it holds meanwhile are few; one more is told to try again later.
        EXPECT_EQ(handOver(window, "/h"), HandOverResult::Refused);
        const struct {
            UINT message;
            WPARAM wParam;
            LPARAM lParam;
        } reachable[] = {
            {WM_CLOSE, 0, 0},
            {WM_HOTKEY, app::HOTKEY_ID_BAR, 0},
            {WM_HOTKEY, app::HOTKEY_ID_TASKMENU, 0},
            {WM_HOTKEY, 1234, 0},
            {WM_COMMAND, IDM_LAUNCHER_SETTINGS, 0},
            {WM_COMMAND, IDM_BASIC_SETTINGS, 0},
            {WM_COMMAND, IDM_COMMAND_LIST, 0},
            {app::LM_RELOADLIST, 0, 0},
            {app::LM_SHOWBAR, 0, 0},
            {app::LM_HIDEBAR, 0, 0},
            {app::LM_SETHOTKEYS, 1, 0},
            {app::LM_APPLYDISPLAY, 0, 0},
            {app::LM_TRAYNOTIFY, 0, WM_RBUTTONUP},
            {WM_TIMER, 2, 0},
        };
        for (const auto& each : reachable) {
            ::SendMessageA(window, each.message, each.wParam, each.lParam);
        }
        EXPECT_FALSE(::IsWindowVisible(window)) << "the bar was shown before its files were read";
        EXPECT_EQ(::GetFileAttributesA(paths.iniPath->c_str()), INVALID_FILE_ATTRIBUTES)
            << "the settings file was written before it was read";

        launcher.process.openFiles(paths, launcher.profile, launcher.storage);
        bar.runHeldHandOvers();
        EXPECT_TRUE(::IsWindowVisible(window));
        bar.hide();
        bar.runHeldHandOvers();  // nothing is held any more, nor run twice
        EXPECT_FALSE(::IsWindowVisible(window));
        EXPECT_EQ(handOver(window, "/s"), HandOverResult::Sent);
        EXPECT_TRUE(::IsWindowVisible(window)) << "a hand-over once the files are read runs at once";
        launcher.leave();
    }
}

}  // namespace
}  // namespace zek::win32
