#include "core/app/command_line.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "core/app/display_rules.h"
#include "core/app/global_hotkeys.h"
#include "core/app/switches.h"

namespace zek::app {
namespace {

using Record = std::array<std::string, 3>;  // switch name, argument1, argument2
using ::testing::ElementsAre;

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

TEST(ParseCommandLine, SwitchesOpenRecordsTheirArgumentsFillAndAreCutOnAWholeCharacter) {
    // 256 double-byte characters whose trail byte 0x81 is also a lead byte: the cut
    // falls before the last one, and only a walk from the first byte finds where.
    std::string japanese;
    for (int i = 0; i < 256; ++i) {
        japanese += "メ";
    }
    const struct {
        std::vector<std::string> words;
        std::vector<Record> records;
    } cases[] = {
        // Arguments before the first switch are ignored; the last extra argument wins.
        {{"a", "b", "/c", "name", "x", "y", "z"}, {{"/c", "name", "z"}}},
        // Switches are exact and case-sensitive.
        {{"/C", "name", "/Help", "/x "}, {}},
        {{"/e", "editor", "C:\\a b\\file.txt", "/c", "tool"},
         {{"/e", "editor", "C:\\a b\\file.txt"}, {"/c", "tool", ""}}},
        // An empty argument leaves the first argument open for the next.
        {{"/e", "", "name", "path"}, {{"/e", "name", "path"}}},
        {{"/c", std::string(512, 'b'), japanese}, {{"/c", std::string(511, 'b'), japanese.substr(0, 510)}}},
        {{"/f", "a\x95"}, {{"/f", "a\x95", ""}}},  // a lead byte that ends the text is a character of its own
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.words));
        EXPECT_EQ(parse(c.words), c.records);
    }
}

class RecordingActions : public SwitchActions {
  public:
    std::vector<std::string> calls;
    void runCommand(std::string_view name) override { calls.push_back("run " + std::string(name)); }
    void openFile(std::string_view path) override { calls.push_back("open " + std::string(path)); }
    void openFileWithCommand(std::string_view name, std::string_view path) override {
        calls.push_back("open " + std::string(path) + " with " + std::string(name));
    }
    void showBar() override { calls.push_back("show"); }
    void hideBar() override { calls.push_back("hide"); }
    void showHelp() override { calls.push_back("help"); }
    void minimizeAllWindows() override { calls.push_back("minimize"); }
    void restoreAllWindows() override { calls.push_back("restore"); }
    void trimAllProcesses() override { calls.push_back("trim"); }
    void activateNextWindow() override { calls.push_back("next"); }
    void importStartMenu() override { calls.push_back("import"); }
};

TEST(RunSwitches, RunRecordsInOrderWithinTheBlockAndExitOnlyAfterAll) {
    const std::vector<std::string_view> words = {
        "Zek.exe", "/c",    "notepad", "/x", "/e", "editor", "a.txt", "/f", "b.txt", "/s",
        "/h",      "/help", "/z",      "/u", "/m", "/n",     "/i",    "/e", "editor"};
    RemoteCommand block{};
    RecordingActions actions;
    EXPECT_TRUE(
        runSwitches(block.entries, parseCommandLine(words, block.entries, kRemoteRecordCount), actions));
    EXPECT_THAT(actions.calls,
                ElementsAre("run notepad", "open a.txt with editor", "open b.txt", "show", "hide", "help",
                            "minimize", "restore", "trim", "next", "import", "open  with editor"));

    // A hostile block, with no terminator anywhere, is read within its bounds and a
    // name up to its terminator; a count far above its records reads only those.
    std::memset(&block, 'A', sizeof block);
    std::memcpy(block.entries[3].switchName, "/c", 3);
    std::memcpy(block.entries[5].switchName, "/s\0junk", 7);
    actions.calls.clear();
    EXPECT_FALSE(runSwitches(block.entries, 1000, actions));
    EXPECT_THAT(actions.calls, ElementsAre("run " + std::string(511, 'A'), "show"));
}

// The box shows this constant as it stands: it has to hold the help text byte for byte.
TEST(HelpText, IsByteExact) {
    EXPECT_EQ(kHelpText,
              "/c [command] : Command execution\n/f [FilePath] : File execution\n/e [command] [FilePath] : "
              "File execution from command    \n/x : Exit ZekLauncher\n/s : Show ZekLauncher\n/h : Hide "
              "ZekLauncher\n/m : Physical memory optimization\n/n : Next window activate\n/help : This "
              "message");
}

// Windows + Return is the modifier set and the key; a first part of 20 or more is a
// lone key (the second only has to be non-zero), and so are negative first parts,
// large when taken unsigned. A zero part turns the hotkey off.
TEST(GlobalHotkeys, PairsBecomeRegistrationsAZeroPartTurnsTheHotkeyOffAndFailuresNameTheirHotkey) {
    const struct {
        HotkeyPair pair;
        unsigned modifiers, virtualKey;
    } registered[] = {{{8, 13}, 8, 13}, {{19, 65}, 19, 65}, {{20, 65}, 0, 20}, {{-1, 5}, 0, ~0u}};
    for (const auto& [pair, modifiers, virtualKey] : registered) {
        const auto registration = registrationFor(pair);
        ASSERT_TRUE(registration) << pair.first;
        EXPECT_EQ(std::pair(registration->modifiers, registration->virtualKey),
                  std::pair(modifiers, virtualKey))
            << pair.first;
    }
    for (const HotkeyPair off : {HotkeyPair{0, -1}, HotkeyPair{8, 0}}) {
        EXPECT_FALSE(registrationFor(off)) << off.first << " " << off.second;  // {0, -1}: the third's default
    }
    const std::string tail = "ホットキーの設定に失敗しました。動作設定で確認して下さい。";
    EXPECT_EQ(globalHotkeyFailureText(0), "ランチャー起動" + tail);
    EXPECT_EQ(globalHotkeyFailureText(1), "タスク切り替え" + tail);
    EXPECT_EQ(globalHotkeyFailureText(2), "特定タスク切り替え" + tail);
    EXPECT_TRUE(globalHotkeyFailureText(3).empty());
}

TEST(DisplayRules, AlphaIsTruncatedFromThePercentAndTheIntervalFollowsTheCpuLevel) {
    // 0 % gives 254: 255.0 in exact arithmetic, 254.99... in double.
    const std::pair<std::int32_t, int> alphas[] = {
        {0, 254}, {50, 127}, {100, 0}, {INT32_MAX, 0}, {INT32_MIN, 254}};
    for (const auto& [percent, alpha] : alphas) {
        EXPECT_EQ(static_cast<int>(alphaForTransparency(percent)), alpha) << percent;
    }
    const std::pair<std::int32_t, unsigned> intervals[] = {{100, 20u}, {1, 119u}, {500, 20u}, {0, 119u}};
    for (const auto& [cpu, intervalMs] : intervals) {
        EXPECT_EQ(animationIntervalMs(cpu), intervalMs) << cpu;
    }
}

}  // namespace
}  // namespace zek::app
