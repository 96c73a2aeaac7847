#include "app/command_line.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/switches.h"

namespace zek::app {
namespace {

// Parses `words` (the program path is added in front) into a block pre-filled
// with garbage, so fields the parser forgets to clear show up.
struct Parsed {
    RemoteCommand block;
    std::size_t count;
};

Parsed parse(const std::vector<std::string>& words, std::size_t maxEntries = kRemoteRecordCount) {
    std::vector<std::string_view> arguments{"C:\\ZekLauncher\\ZekLauncher.exe"};
    arguments.insert(arguments.end(), words.begin(), words.end());
    Parsed parsed{};
    std::memset(&parsed.block, 'G', sizeof parsed.block);
    parsed.count = parseCommandLine(arguments, parsed.block.entries, maxEntries);
    return parsed;
}

TEST(ParseCommandLine, ArgumentsBeforeTheFirstSwitchAreIgnoredAndTheLastExtraArgumentWins) {
    const Parsed parsed = parse({"a", "b", "/c", "name", "x", "y", "z"});
    ASSERT_EQ(parsed.count, 1u);
    const SwitchEntry& entry = parsed.block.entries[0];
    EXPECT_EQ(fieldText(entry.switchName), "/c");
    EXPECT_EQ(fieldText(entry.argument1), "name");
    EXPECT_EQ(fieldText(entry.argument2), "z");
    // The switch name is zero-padded to its whole field: the receiver compares it exactly.
    for (std::size_t i = 2; i < kSwitchNameSize; ++i) {
        EXPECT_EQ(entry.switchName[i], '\0') << i;
    }
}

TEST(ParseCommandLine, SwitchesAreExactAndCaseSensitive) {
    EXPECT_EQ(parse({"/C", "name"}).count, 0u);
    EXPECT_EQ(parse({"/Help", "/X", "-x", "/x "}).count, 0u);

    const Parsed parsed = parse({"/f", "/e", "/s", "/x", "/c", "/h", "/m", "/help", "/z", "/u", "/n"});
    ASSERT_EQ(parsed.count, 11u);
    EXPECT_EQ(fieldText(parsed.block.entries[7].switchName), "/help");
    for (std::size_t i = 0; i < parsed.count; ++i) {
        EXPECT_EQ(parsed.block.entries[i].argument1[0], '\0');
        EXPECT_EQ(parsed.block.entries[i].argument2[0], '\0');
    }
}

TEST(ParseCommandLine, EachSwitchStartsAFreshRecord) {
    const Parsed parsed = parse({"/e", "editor", "C:\\a b\\file.txt", "/c", "tool"});
    ASSERT_EQ(parsed.count, 2u);
    EXPECT_EQ(fieldText(parsed.block.entries[0].argument1), "editor");
    EXPECT_EQ(fieldText(parsed.block.entries[0].argument2), "C:\\a b\\file.txt");
    EXPECT_EQ(fieldText(parsed.block.entries[1].argument1), "tool");
    EXPECT_EQ(fieldText(parsed.block.entries[1].argument2), "");

    // An empty argument leaves the first argument open for the next.
    const Parsed empty = parse({"/e", "", "name", "path"});
    ASSERT_EQ(empty.count, 1u);
    EXPECT_EQ(fieldText(empty.block.entries[0].argument1), "name");
    EXPECT_EQ(fieldText(empty.block.entries[0].argument2), "path");
}

TEST(ParseCommandLine, RecordLimitsDropTheRestOfTheLine) {
    std::vector<std::string> words;
    for (int i = 0; i < 17; ++i) {
        words.push_back(i % 2 == 0 ? "/s" : "/h");
    }
    words.push_back("after");
    EXPECT_EQ(parse(words, kRemoteRecordCount).count, 16u);
    const Parsed own = parse(words, kOwnCommandLineRecordCount);
    EXPECT_EQ(own.count, 12u);
    // The dropped switch's argument does not land in the last kept record.
    EXPECT_EQ(fieldText(own.block.entries[11].argument1), "");

    // No arguments, not even the program's path, give no records.
    EXPECT_EQ(parse({}).count, 0u);
    RemoteCommand block{};
    EXPECT_EQ(parseCommandLine({}, block.entries, 16), 0u);
}

TEST(ParseCommandLine, OverlongArgumentsAreCutAndAlwaysTerminated) {
    const std::string ascii(600, 'a');
    Parsed parsed = parse({"/c", ascii, ascii});
    ASSERT_EQ(parsed.count, 1u);
    EXPECT_EQ(fieldText(parsed.block.entries[0].argument1), std::string(511, 'a'));
    EXPECT_EQ(parsed.block.entries[0].argument1[511], '\0');
    EXPECT_EQ(parsed.block.entries[0].argument2[511], '\0');

    EXPECT_EQ(fieldText(parse({"/c", std::string(511, 'b')}).block.entries[0].argument1).size(), 511u);
    EXPECT_EQ(fieldText(parse({"/c", std::string(512, 'b')}).block.entries[0].argument1).size(), 511u);

    // 255 double-byte characters and one more: the cut falls before the last
    // character instead of keeping its lead byte alone.
    std::string japanese = "x";
    for (int i = 0; i < 256; ++i) {
        japanese += "表";
    }
    parsed = parse({"/c", japanese});
    const std::string_view kept = fieldText(parsed.block.entries[0].argument1);
    EXPECT_EQ(kept.size(), 511u);
    EXPECT_EQ(kept, std::string_view(japanese).substr(0, 511));
    EXPECT_EQ(static_cast<unsigned char>(kept.back()), 0x5C);
}

TEST(CopyToField, CutsBeforeALeadByteThatWouldLoseItsTrailByte) {
    char field[4];
    copyToField(field, "ab表");  // 'a' 'b' 0x95 0x5C: only three bytes fit
    EXPECT_EQ(std::string_view(field), "ab");
    EXPECT_EQ(field[3], '\0');
    copyToField(field, "表x");
    EXPECT_EQ(std::string_view(field), "表x");
}

}  // namespace
}  // namespace zek::app
