#pragma once
// Every size of the launcher is stated in pixels of a 96-DPI screen. A screen of
// another DPI gets each figure times dpi / 96, rounded to the nearest pixel with
// halves away from zero (as MulDiv rounds); rules keep working in 96-DPI units and
// the shell converts their results here, once, on the way to the screen.

#include "core/display/frame.h"

namespace zek::display {

inline constexpr int kBaseDpi = 96;

class DpiScale {
  public:
    constexpr DpiScale() = default;
    // A DPI no screen has (zero or less, or beyond 20 times the base) counts as 96.
    explicit constexpr DpiScale(int dpi) : dpi_(dpi > 0 && dpi <= 20 * kBaseDpi ? dpi : kBaseDpi) {}

    constexpr int dpi() const { return dpi_; }
    constexpr bool isBase() const { return dpi_ == kBaseDpi; }
    bool operator==(const DpiScale&) const = default;

    // Units to pixels.
    int px(int units) const;
    float px(float units) const;
    // Pixels back to units, for what a rule measures on the screen.
    int units(int pixels) const;
    // A rectangle's edges are scaled, not its size: shapes that meet still meet.
    Box px(const Box& box) const;
    Corners px(const Corners& corners) const;
    Point px(const Point& point) const;

  private:
    int dpi_ = kBaseDpi;
};

// The frame with every position, size and line scaled; angles, colours and texts
// stay as they are. At 96 DPI it is the frame itself.
Frame scaledFrame(Frame frame, const DpiScale& scale);

}  // namespace zek::display
