#include "core/text/character_positions.h"

#include <gtest/gtest.h>

namespace zek::text {
namespace {

TEST(CharacterPositions, DoubleByteCharactersCountOnce) {
    const std::string_view text = "a表計b";  // bytes: a, 0x95 0x5C, 0x8C 0x76, b
    EXPECT_EQ(characterCount(text), 4u);
    EXPECT_EQ(characterIndexOfByte(text, 1), 1u);
    EXPECT_EQ(characterIndexOfByte(text, 3), 2u);
    EXPECT_EQ(characterIndexOfByte(text, 5), 3u);
    EXPECT_EQ(byteOffsetOfCharacter(text, 2), 3u);
    EXPECT_EQ(byteOffsetOfCharacter(text, 3), 5u);
}

TEST(CharacterPositions, OutOfRangeAndSplitPositionsStayInside) {
    const std::string_view text = "表x";
    EXPECT_EQ(characterIndexOfByte(text, 1), 1u);  // inside 表: that character counts
    EXPECT_EQ(characterIndexOfByte(text, 99), 2u);
    EXPECT_EQ(byteOffsetOfCharacter(text, 99), 3u);
    EXPECT_EQ(characterCount(""), 0u);
    // A lead byte at the very end is a character of its own.
    EXPECT_EQ(characterCount("a\x95"), 2u);
}

}  // namespace
}  // namespace zek::text
