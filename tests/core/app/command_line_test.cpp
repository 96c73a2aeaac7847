#include "core/app/command_line.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "core/app/switches.h"

namespace zek::app {
namespace {

// Switch name, argument1, argument2.
using Record = std::array<std::string, 3>;

// Parses `words` (the program path is added in front) into a block pre-filled
// with garbage, so fields the parser forgets to clear show up.
std::vector<Record> parse(const std::vector<std::string>& words,
                          std::size_t maxEntries = kRemoteRecordCount) {
    std::vector<std::unique_ptr<char[]>> buffers;  // each word alone: a read past its end stops the sanitizer
    std::vector<std::string_view> arguments{"C:\\ZekLauncher\\ZekLauncher.exe"};
    for (const std::string& word : words) {
        char* buffer = buffers.emplace_back(std::make_unique_for_overwrite<char[]>(word.size())).get();
        // An empty word is a view with no text behind it at all.
        arguments.push_back(word.empty() ? std::string_view{}
                                         : std::string_view(buffer, word.copy(buffer, word.size())));
    }
    RemoteCommand block;
    std::memset(&block, 'G', sizeof block);
    const std::size_t count = parseCommandLine(arguments, block.entries, maxEntries);
    std::vector<Record> records;
    for (std::size_t i = 0; i < count; ++i) {
        const SwitchEntry& entry = block.entries[i];
        const Record& record = records.emplace_back(Record{std::string(fieldText(entry.switchName)),
                                                           std::string(fieldText(entry.argument1)),
                                                           std::string(fieldText(entry.argument2))});
        // Every field is terminated, even when cut; the switch name is zero-padded to
        // its whole field, as the receiver compares it exactly.
        EXPECT_EQ(entry.argument1[record[1].size()], '\0') << i;
        EXPECT_EQ(entry.argument2[record[2].size()], '\0') << i;
        for (std::size_t pad = record[0].size(); pad < kSwitchNameSize; ++pad) {
            EXPECT_EQ(entry.switchName[pad], '\0') << i << " " << pad;
        }
    }
    return records;
}

TEST(ParseCommandLine, SwitchesOpenRecordsTheirArgumentsFill) {
    const struct {
        std::vector<std::string> words;
        std::vector<Record> records;
    } cases[] = {
        // Arguments before the first switch are ignored; the last extra argument wins.
        {{"a", "b", "/c", "name", "x", "y", "z"}, {{"/c", "name", "z"}}},
        // Switches are exact and case-sensitive.
        {{"/C", "name", "/Help", "/x "}, {}},
        {{"/f", "/help", "/n"}, {{"/f", "", ""}, {"/help", "", ""}, {"/n", "", ""}}},
        {{"/e", "editor", "C:\\a b\\file.txt", "/c", "tool"},
         {{"/e", "editor", "C:\\a b\\file.txt"}, {"/c", "tool", ""}}},
        // An empty argument leaves the first argument open for the next.
        {{"/e", "", "name", "path"}, {{"/e", "name", "path"}}},
        {{}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.words));
        EXPECT_EQ(parse(c.words), c.records);
    }
}

TEST(ParseCommandLine, RecordLimitsDropTheRestOfTheLine) {
    std::vector<std::string> words;
    for (int i = 0; i < 17; ++i) {
        words.push_back(i % 2 == 0 ? "/s" : "/h");
    }
    words.push_back("after");
    EXPECT_EQ(parse(words, kRemoteRecordCount).size(), 16u);
    const auto own = parse(words, kOwnCommandLineRecordCount);
    ASSERT_EQ(own.size(), 12u);
    // The dropped switch's argument does not land in the last kept record.
    EXPECT_EQ(own.back(), (Record{"/h", "", ""}));

    // No arguments, not even the program's path, give no records.
    RemoteCommand block{};
    EXPECT_EQ(parseCommandLine({}, block.entries, 16), 0u);
}

TEST(ParseCommandLine, ArgumentsAreCutToTheFieldOnAWholeCharacter) {
    // 256 double-byte characters whose trail byte 0x81 is also a lead byte: the cut
    // falls before the last one, and only a walk from the first byte finds where.
    std::string japanese;
    for (int i = 0; i < 256; ++i) {
        japanese += "メ";
    }
    const struct {
        std::string argument, kept;
    } cases[] = {
        {std::string(510, 'a'), std::string(510, 'a')},
        {std::string(511, 'b'), std::string(511, 'b')},
        {std::string(512, 'b'), std::string(511, 'b')},
        {japanese, japanese.substr(0, 510)},
        {"a\x95", "a\x95"},  // a lead byte that ends the text is a character of its own
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.argument.size());
        EXPECT_EQ(parse({"/c", c.argument, c.argument}), (std::vector<Record>{{"/c", c.kept, c.kept}}));
    }
}

}  // namespace
}  // namespace zek::app
