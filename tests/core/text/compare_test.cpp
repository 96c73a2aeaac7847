#include "text/compare.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

#include "text/sjis_walk.h"

namespace zek::text {
namespace {

int sign(int value) {
    return (value > 0) - (value < 0);
}

TEST(CompareExact, OrdersByCharacterValueNotByByte) {
    EXPECT_LT(compareExact("Abd", "abc"), 0);  // 'A' 0x41 before 'a' 0x61
    EXPECT_LT(compareExact("note", "notepad"), 0);
    EXPECT_EQ(compareExact("メモ", "メモ"), 0);
    // Half-width "ｱ" (one byte, 0xB1) is a single-byte character: it sorts before
    // "ア" (0x83 0x41) although its byte is greater than the lead byte 0x83.
    EXPECT_LT(compareExact("ｱ", "ア"), 0);
    EXPECT_GT(compareExact("ア", "ｱ"), 0);
    // Double-byte characters compare as lead * 256 + trail.
    EXPECT_LT(compareExact("ア", "表"), 0);  // 0x8341 < 0x955C
    EXPECT_LT(compareExact("表", "表a"), 0);
    EXPECT_LT(compareExact("z", "\x7f"), 0);
}

TEST(CompareExact, IsZeroOnlyForEqualBytes) {
    EXPECT_NE(compareExact("ab\x81", "ab"), 0);  // a lead byte with no trail still counts
    EXPECT_NE(compareExact("a\x81", "a\x81@"), 0);
    EXPECT_EQ(compareExact("", ""), 0);
    EXPECT_LT(compareExact("", "a"), 0);
}

TEST(CompareIgnoringCase, FoldsAsciiAndFullWidthLettersToLowerCase) {
    EXPECT_EQ(compareIgnoringCase("NotePad", "notepad"), 0);
    EXPECT_LT(compareIgnoringCase("abc", "Abd"), 0);
    EXPECT_EQ(compareIgnoringCase("ＡＢＣ", "ａｂｃ"), 0);
    EXPECT_NE(compareIgnoringCase("ＡＢＣ", "ABC"), 0);  // full width is not ASCII
    // Folding goes to lower case: "_" (0x5F) lies between the alphabets.
    EXPECT_LT(compareIgnoringCase("_", "A"), 0);
    EXPECT_LT(compareIgnoringCase("_", "a"), 0);
    // A trail byte is never folded: "ソ" is 0x83 0x5C and "チ" 0x83 0x60; 0x5C and 0x60
    // are no letters, but 0x83 0x61 ("ツ") must not equal 0x83 0x41 ("ア").
    EXPECT_NE(compareIgnoringCase("ツ", "ア"), 0);
    EXPECT_EQ(compareIgnoringCase("表Ａ", "表ａ"), 0);
}

// Random names from bytes that matter: ASCII letters, '_', the trail byte 0x5C,
// half-width katakana, lead bytes and full-width letters.
std::string randomName(std::mt19937& random) {
    static const std::string kPieces[] = {"a",  "A",  "b",  "_",  "\\",   "\xB1",     "\xDF", "ア",
                                          "表", "ソ", "Ａ", "ａ", "\x81", "\xFC\xFC", "z"};
    std::uniform_int_distribution<std::size_t> length(0, 5);
    std::uniform_int_distribution<std::size_t> piece(0, std::size(kPieces) - 1);
    std::string name;
    for (std::size_t n = length(random); n > 0; --n) {
        name += kPieces[piece(random)];
    }
    return name;
}

// A straightforward reference: decode to character values first, then compare.
std::vector<std::uint32_t> decode(const std::string& text) {
    std::vector<std::uint32_t> values;
    for (std::size_t pos = 0; pos < text.size();) {
        const Character character = characterAt(text, pos);
        values.push_back(character.value);
        pos += character.length;
    }
    return values;
}

TEST(CompareExact, AgreesWithDecodedValuesAndItsShortcuts) {
    std::mt19937 random(20240611);
    for (int round = 0; round < 20000; ++round) {
        const std::string a = randomName(random);
        const std::string b = randomName(random);
        const auto valuesA = decode(a);
        const auto valuesB = decode(b);
        const int expected = valuesA < valuesB ? -1 : (valuesB < valuesA ? 1 : 0);
        ASSERT_EQ(sign(compareExact(a, b)), expected) << a << " / " << b;
        const std::uint64_t keyA = orderKey(a, false);
        const std::uint64_t keyB = orderKey(b, false);
        if (keyA != keyB) {
            ASSERT_EQ(keyA < keyB ? -1 : 1, expected) << a << " / " << b;
        }
        const std::uint64_t foldedA = orderKey(a, true);
        const std::uint64_t foldedB = orderKey(b, true);
        if (foldedA != foldedB) {
            ASSERT_EQ(foldedA < foldedB ? -1 : 1, sign(compareIgnoringCase(a, b))) << a << " / " << b;
        }
        if (bytesOrderLikeCharacters(a) && bytesOrderLikeCharacters(b)) {
            ASSERT_EQ(sign(std::string_view(a).compare(b)), expected) << a << " / " << b;
        }
    }
}

TEST(BytesOrderLikeCharacters, RejectsLoneHighBytes) {
    EXPECT_TRUE(bytesOrderLikeCharacters("notepad"));
    EXPECT_TRUE(bytesOrderLikeCharacters("メモ帳表"));
    EXPECT_FALSE(bytesOrderLikeCharacters("ｱｲｳ"));
    EXPECT_FALSE(bytesOrderLikeCharacters("ab\x81"));
}

TEST(SjisWalk, CutsOnlyBetweenCharacters) {
    EXPECT_EQ(headWithinBytes("abc", 5), "abc");
    EXPECT_EQ(headWithinBytes("abc", 2), "ab");
    EXPECT_EQ(headWithinBytes("a表", 2), "a");  // never half of 0x95 0x5C
    EXPECT_EQ(headWithinBytes("a表", 3), "a表");
    EXPECT_EQ(headWithinBytes("表表", 3), "表");
    EXPECT_TRUE(endsInsideCharacter("a\x95"));
    EXPECT_FALSE(endsInsideCharacter("a表"));
    EXPECT_TRUE(endsInsideCharacter("表\x95"));
    EXPECT_FALSE(endsInsideCharacter("\x95\x95"));
}

}  // namespace
}  // namespace zek::text
