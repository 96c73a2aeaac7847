#include "core/app/display_rules.h"

#include <gtest/gtest.h>

#include <limits>
#include <utility>

namespace zek::app {
namespace {

TEST(DisplayRules, AlphaIsTruncatedFromThePercentAndHeldInRange) {
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    // 0 % gives 254: 255.0 in exact arithmetic, 254.99... in double.
    const std::pair<std::int32_t, int> alphas[] = {{0, 254},   {5, 242}, {20, 204}, {50, 127},
                                                   {-40, 254}, {100, 0}, {kMax, 0}, {kMin, 254}};
    for (const auto& [percent, alpha] : alphas) {
        EXPECT_EQ(static_cast<int>(alphaForTransparency(percent)), alpha) << percent;
    }
}

TEST(DisplayRules, AnimationIntervalFollowsTheCpuLevel) {
    EXPECT_EQ(animationIntervalMs(100), 20u);
    EXPECT_EQ(animationIntervalMs(1), 119u);
    EXPECT_EQ(animationIntervalMs(500), 20u);
    EXPECT_EQ(animationIntervalMs(0), 119u);
}

}  // namespace
}  // namespace zek::app
