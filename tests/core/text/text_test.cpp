#include "core/text/character_positions.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "core/text/compare.h"
#include "core/text/decimal.h"
#include "core/text/path_split.h"
#include "core/text/sjis_walk.h"
#include "text/decoded_compare.h"

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

void expectParts(std::string_view path, std::string_view drive, std::string_view directory,
                 std::string_view fileName, std::string_view extension) {
    const PathParts parts = splitPath(path);
    EXPECT_EQ(parts.drive, drive) << path;
    EXPECT_EQ(parts.directory, directory) << path;
    EXPECT_EQ(parts.fileName, fileName) << path;
    EXPECT_EQ(parts.extension, extension) << path;
}

TEST(SplitPath, SplitsOrdinaryPaths) {
    expectParts("C:\\Program Files\\Zek\\ZekLauncher.exe", "C:", "\\Program Files\\Zek\\", "ZekLauncher",
                ".exe");
    expectParts("C:ZekLauncher.exe", "C:", "", "ZekLauncher", ".exe");
    expectParts("C:", "C:", "", "", "");
    expectParts("\\\\server\\share\\z.exe", "", "\\\\server\\share\\", "z", ".exe");
    expectParts("d:/tools/a.b.exe", "d:", "/tools/", "a.b", ".exe");
    expectParts("C:\\dir.d\\noext", "C:", "\\dir.d\\", "noext", "");
    expectParts("", "", "", "", "");
    // A view into a longer text ends at its own end, not at the separator after it.
    expectParts(std::string_view("C:\\a.b\\c", 6), "C:", "\\", "a", ".b");
}

TEST(SplitPath, StepsOverTrailBytesThatLookLikeSeparators) {
    // "表" and "ソ" end in 0x5C, the byte of "\".
    expectParts("C:\\表\\ZekLauncher.exe", "C:", "\\表\\", "ZekLauncher", ".exe");
    expectParts("C:\\ソフト\\表", "C:", "\\ソフト\\", "表", "");
    expectParts("C:\\予定表.txt", "C:", "\\", "予定表", ".txt");
    // A dot-like trail byte does not start an extension either (0x82 0x2E is no
    // real character, but the walk must pair it all the same).
    expectParts("C:\\a\x82.b", "C:", "\\", "a\x82.b", "");
}

}  // namespace
}  // namespace zek::text
