#pragma once
// A trail that wanders round the instrument's centre: it spirals in and out and
// swings one way or the other, is drawn in towards the centre, stops there,
// collapses onto its head and starts again from the rim.

#include <array>
#include <cstdint>

#include "core/display/frame.h"

namespace zek::display {

// The process-wide pseudo-random generator the trails share: values 0 to 32767.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual void seed(std::uint32_t value) = 0;
    virtual int next() = 0;
};

// The C runtime's classic generator, with the same range.
class LinearRandom final : public RandomSource {
  public:
    void seed(std::uint32_t value) override { state_ = value; }
    int next() override {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7FFF);
    }

  private:
    std::uint32_t state_ = 1;
};

class OrbitTrail {
  public:
    static constexpr int kPoints = 70;
    enum Mode { SpiralIn = 0, TurnOneWay = 1, TurnOtherWay = 2, SpiralOut = 3 };

    // Back to the rim at a multiple of 60 degrees; the generator is seeded with
    // the current time in whole seconds first.
    void restart(RandomSource& random, std::uint32_t seconds);
    // Moves the trail one place on (done before each draw).
    void step(RandomSource& random, std::uint32_t seconds);

    const std::array<PointF, kPoints>& points() const { return points_; }
    int mode() const { return mode_; }
    int modeCounter() const { return modeCounter_; }
    double angle() const { return angle_; }
    float radius() const { return radius_; }

  private:
    void chooseMode(RandomSource& random);
    PointF headAt() const;

    float radius_ = 50;
    double angle_ = 0;
    int mode_ = SpiralIn;
    int modeCounter_ = 100;
    std::array<PointF, kPoints> points_{};
};

}  // namespace zek::display
