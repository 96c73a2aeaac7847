#include "core/display/orbit_trail.h"

#include <cmath>

namespace zek::display {

namespace {
constexpr int kCentre = 50;
constexpr float kStartRadius = 50;
constexpr int kCentreMargin = 10;
constexpr int kModeChangeAt = 20;
constexpr double kRadiansPerDegree = 0.01745329252;

bool insideCentreSquare(PointF point) {
    return point.x > kCentre - kCentreMargin && point.x < kCentre + kCentreMargin &&
           point.y > kCentre - kCentreMargin && point.y < kCentre + kCentreMargin;
}
}  // namespace

PointF OrbitTrail::headAt() const {
    const double radians = angle_ * kRadiansPerDegree;
    return {static_cast<float>(kCentre - radius_ * std::sin(radians)),
            static_cast<float>(kCentre + radius_ * std::cos(radians))};
}

void OrbitTrail::restart(RandomSource& random, std::uint32_t seconds) {
    radius_ = kStartRadius;
    mode_ = SpiralIn;
    modeCounter_ = 100;
    random.seed(seconds);
    angle_ = 60.0 * (random.next() / 5461);
    points_.fill(headAt());
}

void OrbitTrail::chooseMode(RandomSource& random) {
    if (mode_ == SpiralIn || mode_ == SpiralOut) {
        mode_ = random.next() / 16383 + 1;  // 3 only for the two largest values
    } else {
        mode_ = random.next() / 10922 == 0 ? SpiralOut : SpiralIn;
    }
    const int value = random.next();
    switch (mode_) {
        case SpiralIn:
            modeCounter_ = value / 16383 + 16;
            break;
        case SpiralOut:
            modeCounter_ = value / 10922 + 16;
            break;
        default:
            modeCounter_ = value / 2730;
            break;
    }
}

void OrbitTrail::step(RandomSource& random, std::uint32_t seconds) {
    for (int k = kPoints - 2; k >= 0; --k) {
        points_[k + 1] = points_[k];
    }
    if (insideCentreSquare(points_[0])) {
        if (points_[kPoints - 1] == points_[0]) {
            restart(random, seconds);
        }
        return;
    }
    if (++modeCounter_ >= kModeChangeAt) {
        chooseMode(random);
    }
    switch (mode_) {
        case SpiralIn:
            radius_ = radius_ * 0.97f - 1;
            break;
        case TurnOneWay:
            angle_ -= 6;
            break;
        case TurnOtherWay:
            angle_ += 6;
            break;
        default:
            radius_ = radius_ * 1.03f + 1;
            break;
    }
    points_[0] = headAt();
}

}  // namespace zek::display
