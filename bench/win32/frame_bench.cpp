// What a frame of the status picture costs, drawn under Wine onto an off-screen
// picture like the bar's: median and 99th percentile for intro, idle and item
// frames, and for the idle frame by shape family, at 96 DPI or at the DPI given
// as the argument (the frames scaled as the bar scales them). Needs a display (Xvfb). The
// launcher's CPU while the bar is shown is measured by launcher_cpu.sh.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <variant>
#include <vector>

#include "bench_clock.h"
#include "core/display/dpi_scale.h"
#include "core/display/status_animation.h"
#include "win32/app/gdiplus_session.h"
#include "win32/display/bar_look.h"
#include "win32/display/frame_painter.h"
#include "win32/platform/unique_handle.h"

namespace {

using namespace zek;

constexpr int kFrames = 200;

class FixedPitch final : public display::TextMeasurer {
  public:
    int extent(std::string_view text) override { return static_cast<int>(text.size()) * 6; }
};

display::FrameClock clockNow() {
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    return {.step = 10,
            .time = {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond, now.wMilliseconds},
            .seconds = static_cast<std::uint32_t>(std::time(nullptr))};
}

void report(const char* kind, std::vector<double> times) {
    std::sort(times.begin(), times.end());
    std::printf("%-22s median %.3f ms  p99 %.3f ms  (%zu frames)\n", kind, bench::median(times),
                times[times.size() * 99 / 100], times.size());
}

// The part of a frame made of one family of shapes.
template <typename... Kinds>
display::Frame only(const display::Frame& frame) {
    display::Frame part;
    for (const auto& operation : frame) {
        if ((std::holds_alternative<Kinds>(operation) || ...) ||
            std::holds_alternative<display::MakeGradient>(operation)) {
            part.push_back(operation);
        }
    }
    return part;
}

// On a bitmap compatible with the screen, as the bar's picture is.
void measureFrames(const display::DpiScale& scale) {
    const win32::BarLook look = win32::BarLook::create(scale);
    HDC screen = ::GetDC(nullptr);
    const win32::UniqueMemoryDC dc(::CreateCompatibleDC(screen));
    const win32::UniqueBitmap bitmap(::CreateCompatibleBitmap(screen, scale.px(display::kPictureWidth),
                                                              scale.px(display::kPictureHeight)));
    ::ReleaseDC(nullptr, screen);
    const HGDIOBJ previous = ::SelectObject(dc.get(), bitmap.get());
    {
        auto painter = win32::FramePainter::create(
            dc.get(), {look.title.get(), look.text.get(), look.small.get()}, scale);
        if (!painter) {
            std::printf("the painter could not be made\n");
            return;
        }
        const win32::FramePainter::Icons icons{::LoadIconA(nullptr, IDI_APPLICATION), nullptr, nullptr,
                                               nullptr};
        display::LinearRandom random;
        display::StatusAnimation animation(random, 0);
        FixedPitch measure;
        const auto timed = [&](auto&& makeFrame) {
            const double start = bench::nowMs();
            painter->paint(display::scaledFrame(makeFrame(), scale), icons);
            ::GdiFlush();
            return bench::nowMs() - start;
        };

        std::vector<double> intro;
        while (intro.size() < kFrames) {
            animation.reset(0);
            while (animation.state() != display::AnimationState::Idle) {
                intro.push_back(timed([&] { return animation.nextFrame(clockNow()); }));
            }
        }
        report("intro frame", intro);

        std::vector<double> idle;
        std::vector<display::Frame> idleFrames;
        for (int i = 0; i < kFrames; ++i) {
            display::Frame frame;
            idle.push_back(timed([&] { return frame = animation.nextFrame(clockNow()); }));
            if (i % 10 == 0) {
                idleFrames.push_back(std::move(frame));
            }
        }
        report("idle frame", idle);

        std::vector<double> item;
        for (int i = 0; i < kFrames; ++i) {
            if (i % 200 == 0) {
                animation.showItem({.key = i,
                                    .name = "notepad",
                                    .app = "C:\\windows\\notepad.exe",
                                    .option = "/a",
                                    .comment = "a comment of some length",
                                    .type = 4,
                                    .boot = 1,
                                    .hasIcon = true},
                                   measure, clockNow());
            }
            item.push_back(timed([&] { return animation.nextFrame(clockNow()); }));
        }
        report("item frame", item);

        const auto family = [&](const char* name, auto select) {
            std::vector<double> times;
            for (int round = 0; round < 5; ++round) {
                for (const display::Frame& frame : idleFrames) {
                    const display::Frame part = select(frame);
                    times.push_back(timed([&] { return part; }));
                }
            }
            report(name, times);
        };
        family("  black fills", only<display::BlackRectangle, display::BlackEllipse>);
        family("  pies and ellipses", only<display::FillPie, display::FillEllipse, display::DrawEllipse>);
        family("  panel outline", only<display::PanelOutline, display::DrawLine>);
        family("  trails", only<display::DrawLines>);
        family("  texts", only<display::PaintText>);
    }
    ::SelectObject(dc.get(), previous);
}

}  // namespace

int main(int argc, char** argv) {
    win32::GdiplusSession gdiplus;
    const display::DpiScale scale(argc > 1 ? std::atoi(argv[1]) : display::kBaseDpi);
    std::printf("at %d DPI\n", scale.dpi());
    measureFrames(scale);
    return 0;
}
