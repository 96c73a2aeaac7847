#include "core/text/compare.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "core/text/sjis_walk.h"
#include "text/decoded_compare.h"

namespace zek::text {
namespace {

int sign(int value) {
    return (value > 0) - (value < 0);
}

// Random names from bytes that matter: ASCII letters, '_' (between the upper and
// lower case alphabets), the trail byte 0x5C, 0x80 and half-width katakana (single
// bytes above ASCII), lead bytes alone, full-width letters, and trail bytes that
// look like letters (0x83 0x41 and 0x83 0x61 must never fold to one).
std::string randomName(std::mt19937& random) {
    static const std::string kPieces[] = {"a",    "A",    "b",        "_",  "\\",   "\xB1",
                                          "\xDF", "ア",   "\x83\x61", "表", "ソ",   "Ａ",
                                          "ａ",   "\x81", "\xFC\xFC", "z",  "\x7F", "\x80"};
    std::uniform_int_distribution<std::size_t> length(0, 5);
    std::uniform_int_distribution<std::size_t> piece(0, std::size(kPieces) - 1);
    std::string name;
    for (std::size_t n = length(random); n > 0; --n) {
        name += kPieces[piece(random)];
    }
    return name;
}

TEST(Compare, AgreesWithDecodedValuesAndItsShortcuts) {
    std::mt19937 random(20240611);
    for (int round = 0; round < 20000; ++round) {
        const std::string a = randomName(random);
        const std::string b = randomName(random);
        const std::string ab = a + b;  // a read past the end of `a` finds `b`
        const std::string_view headA(ab.data(), a.size());
        const int expected = test::decodedCompare(a, b, false);
        ASSERT_EQ(sign(compareExact(headA, b)), expected) << a << " / " << b;
        ASSERT_EQ(sign(compareExact(b, headA)), -expected) << a << " / " << b;
        ASSERT_EQ(sign(compareIgnoringCase(headA, b)), test::decodedCompare(a, b, true)) << a << " / " << b;
        const std::uint64_t keyA = orderKey(headA, false);
        const std::uint64_t keyB = orderKey(b, false);
        if (keyA != keyB) {
            ASSERT_EQ(keyA < keyB ? -1 : 1, expected) << a << " / " << b;
        }
        const std::uint64_t foldedA = orderKey(headA, true);
        const std::uint64_t foldedB = orderKey(b, true);
        if (foldedA != foldedB) {
            ASSERT_EQ(foldedA < foldedB ? -1 : 1, sign(compareIgnoringCase(a, b))) << a << " / " << b;
        }
        if (bytesOrderLikeCharacters(headA) && bytesOrderLikeCharacters(b)) {
            ASSERT_EQ(sign(std::string_view(a).compare(b)), expected) << a << " / " << b;
        }
    }
}

TEST(BytesOrderLikeCharacters, RejectsLoneHighBytes) {
    EXPECT_TRUE(bytesOrderLikeCharacters(std::string_view("notepad\xB1", 7)));  // up to its own end
    EXPECT_TRUE(bytesOrderLikeCharacters("メモ帳表"));
    EXPECT_FALSE(bytesOrderLikeCharacters("ｱｲｳ"));
    EXPECT_FALSE(bytesOrderLikeCharacters("ab\x81"));
}

TEST(SjisWalk, CutsOnlyBetweenCharacters) {
    EXPECT_EQ(headWithinBytes("abc", 5), "abc");
    EXPECT_EQ(headWithinBytes("a表", 2), "a");  // never half of 0x95 0x5C
    EXPECT_EQ(headWithinBytes("a表", 3), "a表");
    EXPECT_EQ(headWithinBytes("表表", 3), "表");
    EXPECT_TRUE(endsInsideCharacter("a\x95"));
    EXPECT_FALSE(endsInsideCharacter("a表"));
    EXPECT_TRUE(endsInsideCharacter("表\x95"));
    EXPECT_FALSE(endsInsideCharacter("\x95\x95"));
    // No terminator after this text: a read past its end stops the sanitizer.
    const std::vector<char> exact{'a', 'b'};
    EXPECT_FALSE(endsInsideCharacter({exact.data(), exact.size()}));
}

}  // namespace
}  // namespace zek::text
