#include "core/text/character_positions.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <utility>
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
    EXPECT_EQ(characterIndexOfByte(text, 4), 3u);  // inside 計: that character counts
    EXPECT_EQ(characterIndexOfByte(text, 99), 4u);
    EXPECT_EQ(byteOffsetOfCharacter(text, 3), 5u);
    EXPECT_EQ(byteOffsetOfCharacter(text, 99), 6u);
    EXPECT_EQ(characterCount("a\x95"), 2u);  // a lead byte at the very end stands alone
}

int sign(int value) {
    return (value > 0) - (value < 0);
}

// Names from bytes that matter: '_' (between the two alphabets), the trail byte 0x5C,
// single bytes above ASCII, lone lead bytes, full-width letters, and trail bytes that
// look like letters (0x83 0x41 and 0x83 0x61 must never fold to one).
std::string randomName(std::mt19937& random) {
    static const std::string kPieces[] = {"a",    "A",    "b",        "_",  "\\",   "\xB1",
                                          "\xDF", "ア",   "\x83\x61", "表", "ソ",   "Ａ",
                                          "ａ",   "\x81", "\xFC\xFC", "z",  "\x7F", "\x80"};
    std::string name;
    for (std::size_t n = std::uniform_int_distribution<std::size_t>(0, 5)(random); n > 0; --n) {
        name += kPieces[std::uniform_int_distribution<std::size_t>(0, std::size(kPieces) - 1)(random)];
    }
    return name;
}

TEST(Compare, AgreesWithDecodedValuesAndItsShortcutsHoldWhereTheyClaimTo) {
    std::mt19937 random(20240611);
    for (int round = 0; round < 20000; ++round) {
        const std::string a = randomName(random);
        const std::string b = randomName(random);
        const std::string ab = a + b;  // a read past the end of `a` finds `b`
        const std::string_view headA(ab.data(), a.size());
        SCOPED_TRACE(a + " / " + b);
        const int expected = test::decodedCompare(a, b, false);
        ASSERT_EQ(sign(compareExact(headA, b)), expected);
        ASSERT_EQ(sign(compareExact(b, headA)), -expected);
        ASSERT_EQ(sign(compareIgnoringCase(headA, b)), test::decodedCompare(a, b, true));
        for (const bool fold : {false, true}) {
            const std::uint64_t keyA = orderKey(headA, fold);
            const std::uint64_t keyB = orderKey(b, fold);
            if (keyA != keyB) {
                ASSERT_EQ(keyA < keyB ? -1 : 1, fold ? sign(compareIgnoringCase(a, b)) : expected);
            }
        }
        if (bytesOrderLikeCharacters(headA) && bytesOrderLikeCharacters(b)) {
            ASSERT_EQ(sign(std::string_view(a).compare(b)), expected);
        }
    }
    // The byte order shortcut holds only where no high byte stands alone.
    EXPECT_TRUE(bytesOrderLikeCharacters(std::string_view("notepad\xB1", 7)));  // up to its own end
    EXPECT_TRUE(bytesOrderLikeCharacters("メモ帳表"));
    EXPECT_FALSE(bytesOrderLikeCharacters("ｱｲｳ"));
    EXPECT_FALSE(bytesOrderLikeCharacters("ab\x81"));
}

TEST(SjisWalk, CutsOnlyBetweenCharacters) {
    EXPECT_EQ(headWithinBytes("abc", 5), "abc");
    EXPECT_EQ(headWithinBytes("a表", 2), "a");  // never half of 0x95 0x5C
    EXPECT_EQ(headWithinBytes("a表", 3), "a表");
    EXPECT_TRUE(endsInsideCharacter("a\x95"));
    EXPECT_FALSE(endsInsideCharacter("a表"));
    EXPECT_FALSE(endsInsideCharacter("\x95\x95"));
    // No terminator after this text: a read past its end stops the sanitizer.
    const std::vector<char> exact{'a', 'b'};
    EXPECT_FALSE(endsInsideCharacter({exact.data(), exact.size()}));
}

TEST(Decimal, ReadsLikeAtoiSaturatingAndFormatsLikePercentD) {
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(parseLeadingInt("  -12abc"), -12);
    EXPECT_EQ(parseLeadingInt(" \t\n\v\f\r+7"), 7);     // every blank atoi skips
    EXPECT_EQ(parseLeadingInt(std::string_view{}), 0);  // no text, not even a terminator
    EXPECT_EQ(parseLeadingInt("- 5"), 0);
    EXPECT_EQ(parseLeadingInt("2147483647"), kMax);
    EXPECT_EQ(parseLeadingInt("2147483648"), kMax);
    EXPECT_EQ(parseLeadingInt("-2147483648"), kMin);
    EXPECT_EQ(parseLeadingInt("-99999999999999999999999"), kMin);
    EXPECT_EQ(parseLeadingInt(std::string(5000, '9')), kMax);
    std::string out = "x";
    for (const std::int32_t value : {0, -5, 78, kMin}) {
        appendDecimal(out, value);
    }
    EXPECT_EQ(out, "x0-578-2147483648");
}

TEST(SplitPath, SplitsLikeTheMultibyteRuntimeAndStepsOverTrailBytes) {
    // The path, then its drive, directory, file name and extension.
    const std::pair<std::string_view, std::array<std::string_view, 4>> cases[] = {
        {"C:\\Program Files\\Zek\\ZekLauncher.exe", {"C:", "\\Program Files\\Zek\\", "ZekLauncher", ".exe"}},
        {"C:ZekLauncher.exe", {"C:", "", "ZekLauncher", ".exe"}},
        {"C:", {"C:", "", "", ""}},
        {"\\\\server\\share\\z.exe", {"", "\\\\server\\share\\", "z", ".exe"}},
        {"d:/tools/a.b.exe", {"d:", "/tools/", "a.b", ".exe"}},
        {"C:\\dir.d\\noext", {"C:", "\\dir.d\\", "noext", ""}},
        {"", {"", "", "", ""}},
        // A view into a longer text ends at its own end, not at the separator after it.
        {std::string_view("C:\\a.b\\c", 6), {"C:", "\\", "a", ".b"}},
        // "表" and "ソ" end in 0x5C, the byte of "\".
        {"C:\\ソフト\\表", {"C:", "\\ソフト\\", "表", ""}},
        // 0x82 0x2E is no real character, but the walk must pair it all the same.
        {"C:\\a\x82.b", {"C:", "\\", "a\x82.b", ""}},
    };
    for (const auto& [path, expected] : cases) {
        const PathParts parts = splitPath(path);
        EXPECT_EQ((std::array{parts.drive, parts.directory, parts.fileName, parts.extension}), expected)
            << path;
    }
}

}  // namespace
}  // namespace zek::text
