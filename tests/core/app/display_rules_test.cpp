#include "app/display_rules.h"

#include <gtest/gtest.h>

#include <limits>

namespace zek::app {
namespace {

TEST(DisplayRules, AlphaIsTruncatedFromThePercent) {
    EXPECT_EQ(alphaForTransparency(0), 254);  // 255.0 in exact arithmetic, 254.99... in double
    EXPECT_EQ(alphaForTransparency(5), 242);
    EXPECT_EQ(alphaForTransparency(20), 204);
    EXPECT_EQ(alphaForTransparency(50), 127);
}

TEST(DisplayRules, HandEditedValuesStayInRange) {
    EXPECT_EQ(alphaForTransparency(-40), 254);
    EXPECT_EQ(alphaForTransparency(100), 0);
    EXPECT_EQ(alphaForTransparency(std::numeric_limits<std::int32_t>::max()), 0);
    EXPECT_EQ(alphaForTransparency(std::numeric_limits<std::int32_t>::min()), 254);
}

TEST(DisplayRules, AnimationIntervalFollowsTheCpuLevel) {
    EXPECT_EQ(animationIntervalMs(100), 20u);
    EXPECT_EQ(animationIntervalMs(1), 119u);
    EXPECT_EQ(animationIntervalMs(500), 20u);
    EXPECT_EQ(animationIntervalMs(0), 119u);
    EXPECT_EQ(animationIntervalMs(-7), 119u);
}

}  // namespace
}  // namespace zek::app
