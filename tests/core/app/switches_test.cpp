#include "core/app/switches.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/app/command_line.h"

namespace zek::app {
namespace {

// Records the actions in order, as text.
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

std::pair<bool, std::vector<std::string>> run(std::vector<std::string_view> words) {
    words.insert(words.begin(), "ZekLauncher.exe");
    RemoteCommand block{};
    const std::size_t count = parseCommandLine(words, block.entries, kRemoteRecordCount);
    RecordingActions actions;
    const bool exit = runSwitches(block.entries, count, actions);
    return {exit, actions.calls};
}

using ::testing::ElementsAre;

TEST(RunSwitches, RunsRecordsInOrderAndExitsOnlyAfterAll) {
    const auto [exit, calls] = run({"/c", "notepad", "/x", "/e", "editor", "a.txt", "/f", "b.txt", "/s", "/h",
                                    "/help", "/z", "/u", "/m", "/n", "/i"});
    EXPECT_TRUE(exit);
    EXPECT_THAT(calls, ElementsAre("run notepad", "open a.txt with editor", "open b.txt", "show", "hide",
                                   "help", "minimize", "restore", "trim", "next", "import"));
    EXPECT_THAT(run({"/e", "editor"}).second, ElementsAre("open  with editor"));
}

TEST(RunSwitches, AHostileBlockIsReadWithinItsBounds) {
    RemoteCommand block;
    std::memset(&block, 'A', sizeof block);  // no terminator anywhere
    std::memcpy(block.entries[3].switchName, "/c", 3);
    RecordingActions actions;
    // A count far above the records the block holds reads only those records.
    EXPECT_FALSE(runSwitches(block.entries, 1000, actions));
    ASSERT_EQ(actions.calls.size(), 1u);
    EXPECT_EQ(actions.calls[0], "run " + std::string(511, 'A'));
}

TEST(RunSwitches, ASwitchNameIsReadUpToItsTerminator) {
    RemoteCommand block{};
    std::memcpy(block.entries[0].switchName, "/s\0junk", 7);
    RecordingActions actions;
    EXPECT_FALSE(runSwitches(block.entries, 1, actions));
    EXPECT_THAT(actions.calls, ElementsAre("show"));
}

TEST(HelpText, IsByteExact) {
    EXPECT_EQ(kHelpText.size(), 268u);
    EXPECT_NE(kHelpText.find("command    \n/x"), std::string_view::npos);
}

}  // namespace
}  // namespace zek::app
