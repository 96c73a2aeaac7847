#include "core/text/decimal.h"

#include <gtest/gtest.h>

#include <limits>

namespace zek::text {
namespace {

TEST(ParseLeadingInt, ReadsLikeAtoiAndSaturatesOutOfRange) {
    EXPECT_EQ(parseLeadingInt("78"), 78);
    EXPECT_EQ(parseLeadingInt("  -12abc"), -12);
    EXPECT_EQ(parseLeadingInt(" \t\n\v\f\r+7"), 7);  // every blank atoi skips
    EXPECT_EQ(parseLeadingInt("abc"), 0);
    EXPECT_EQ(parseLeadingInt(std::string_view{}), 0);  // no text, not even a terminator
    EXPECT_EQ(parseLeadingInt("- 5"), 0);
    EXPECT_EQ(parseLeadingInt("2147483647"), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(parseLeadingInt("2147483648"), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(parseLeadingInt("-2147483648"), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(parseLeadingInt("-99999999999999999999999"), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(parseLeadingInt(std::string(5000, '9')), std::numeric_limits<std::int32_t>::max());
}

TEST(AppendDecimal, FormatsLikePercentD) {
    std::string out = "x";
    appendDecimal(out, 0);
    appendDecimal(out, -5);
    appendDecimal(out, std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(out, "x0-5-2147483648");
}

}  // namespace
}  // namespace zek::text
