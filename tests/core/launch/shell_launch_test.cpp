#include "core/launch/shell_launch.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "core/data/item_store.h"
#include "launch_test_support.h"

namespace zek::launch {
namespace {

using data::ItemType;
using data::LauncherItem;
using test::dataItem;
using test::FakeFiles;
using test::kFolder;
using test::RecordingShell;
using test::SettingsWithoutFile;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

// "を実行することができません　" in code page 932, written out so that a wrong
// execution character set shows.
const std::string kFailureTail =
    "\x82\xF0\x8E\xC0\x8D\x73\x82\xB7\x82\xE9\x82\xB1\x82\xC6\x82\xAA\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1"
    "\x81\x40";

class ShellLaunchTest : public ::testing::Test {
  protected:
    LaunchContext context() { return {holder.settings, files, shell}; }

    SettingsWithoutFile holder;
    FakeFiles files;
    RecordingShell shell;
};

TEST(LaunchFailureMessage, NamesFileAndParametersThenTheFixedTextInCodePage932) {
    EXPECT_EQ(kLaunchFailureCaption, "\x8B\x4E\x93\xAE\x8E\xB8\x94\x73");  // 起動失敗
    // Bounded: 510 single bytes and then "表", which straddles the limit and goes whole;
    // the folder is not named.
    const std::string longText = std::string(510, 'a') + "表";
    EXPECT_EQ(launchFailureMessage({longText, longText, R"(D:\)"}),
              std::string(510, 'a') + " " + std::string(510, 'a') + kFailureTail);
}

TEST_F(ShellLaunchTest, AFailedStartShowsTheMessageForWhatWasTried) {
    shell.refusedFiles.insert(R"(D:\nothing.exe)");
    const LauncherItem missing(dataItem(R"(D:\nothing.exe)"));
    EXPECT_FALSE(launchDataItem(missing, context()));
    EXPECT_THAT(shell.opened, ElementsAre(ShellRequest{R"(D:\nothing.exe)", "", ""}));
    EXPECT_THAT(shell.failures, ElementsAre(R"(D:\nothing.exe )" + kFailureTail));

    const LauncherItem present(dataItem(R"(D:\here.exe)", "/a", R"(D:\)"));
    EXPECT_TRUE(launchDataItem(present, context()));
    EXPECT_EQ(shell.opened.back(), (ShellRequest{R"(D:\here.exe)", "/a", R"(D:\)"}));
    EXPECT_EQ(shell.failures.size(), 1u);
}

TEST_F(ShellLaunchTest, QuietRefusalsShowNothing) {
    const LauncherItem shortcut(dataItem(R"(D:\tools\view.lnk)"));
    EXPECT_FALSE(openFile(&shortcut, R"(D:\a.txt)", context()));
    EXPECT_FALSE(openFile(nullptr, R"(D:\gone.txt)", context()));
    EXPECT_FALSE(openItemFolder(&shortcut, context()));  // the shortcut does not exist
    EXPECT_FALSE(launchDataItem(LauncherItem(dataItem("")), context()));
    EXPECT_THAT(shell.opened, IsEmpty());
    EXPECT_THAT(shell.failures, IsEmpty());
}

TEST_F(ShellLaunchTest, OpenFileAndItemFolderSendTheirRequests) {
    files.entries[R"(D:\docs)"] = kFolder;
    ASSERT_TRUE(holder.settings.setFiler(R"(C:\filer.exe)", "/e,"));
    EXPECT_TRUE(openFile(nullptr, R"(D:\docs)", context()));
    const LauncherItem folderItem(dataItem(R"(D:\docs)"));
    EXPECT_TRUE(openItemFolder(&folderItem, context()));
    EXPECT_THAT(shell.opened, ElementsAre(ShellRequest{R"(C:\filer.exe)", R"(/e,"D:\docs")", ""},
                                          ShellRequest{R"(C:\filer.exe)", R"(/e,"D:\docs")", ""}));
    shell.refusedFiles.insert(R"(C:\filer.exe)");
    EXPECT_FALSE(openFile(nullptr, R"(D:\docs)", context()));
    EXPECT_THAT(shell.failures, ElementsAre(R"(C:\filer.exe /e,"D:\docs")" + kFailureTail));
}

// A composition longer than the program's 511-character buffers is refused with the
// failure message rather than cut: a cut path would start something else.
TEST_F(ShellLaunchTest, OverlongCompositionsAreRefusedWithTheFailureMessage) {
    ASSERT_TRUE(holder.settings.addAssociation("txt", R"(D:\ed.exe)", ""));
    const std::string prefix = R"(D:\)";
    const std::string suffix = ".txt";
    // Quotes included, exactly 511 bytes: still sent.
    const std::string fits = prefix + std::string(511 - 2 - prefix.size() - suffix.size(), 'f') + suffix;
    EXPECT_TRUE(launchDataItem(LauncherItem(test::withOwnAssociations(dataItem(fits))), context()));
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(shell.opened[0].parameters.size(), 511u);

    // One byte more: not sent, and the user is told.
    const std::string overlong = prefix + std::string(511 - 1 - prefix.size() - suffix.size(), 'f') + suffix;
    EXPECT_FALSE(launchDataItem(LauncherItem(test::withOwnAssociations(dataItem(overlong))), context()));
    EXPECT_EQ(shell.opened.size(), 1u);
    ASSERT_EQ(shell.failures.size(), 1u);
    EXPECT_TRUE(shell.failures[0].starts_with(R"(D:\ed.exe ")"));
    EXPECT_TRUE(shell.failures[0].ends_with(kFailureTail));
    EXPECT_LE(shell.failures[0].size(), 9 + 1 + kMaxRequestTextBytes + kFailureTail.size());

    // Counted in bytes: 255 double-byte characters and the quotes make 512.
    std::string wide;
    for (int i = 0; i < 255; ++i) {
        wide += "表";
    }
    const LauncherItem program(dataItem(R"(D:\v.exe)"));
    EXPECT_FALSE(openFile(&program, wide, context()));
    EXPECT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(shell.failures.size(), 2u);
}

TEST_F(ShellLaunchTest, EveryTextOfARequestMustFit) {
    const std::string longText(512, 'x');
    EXPECT_FALSE(sendRequest({longText, "", ""}, shell));
    EXPECT_FALSE(sendRequest({"a.exe", "", longText}, shell));
    EXPECT_THAT(shell.opened, IsEmpty());
    EXPECT_EQ(shell.failures.size(), 2u);
    EXPECT_TRUE(sendRequest({std::string(511, 'x'), std::string(511, 'y'), std::string(511, 'z')}, shell));
}

// A node that starts everything: depth first, in child order (names ignoring case).
class RunSubtreeTest : public ShellLaunchTest {
  protected:
    LauncherItem* add(LauncherItem* parent, data::ItemFields fields) {
        return store.addChild(parent, store.createItem(std::move(fields)));
    }
    static data::ItemFields node(std::string name) {
        return {.type = ItemType::NodeItem, .name = std::move(name)};
    }
    static data::ItemFields named(std::string name, std::string app) {
        auto fields = dataItem(std::move(app));
        fields.name = std::move(name);
        return fields;
    }

    data::ItemStore store{data::RecordTable{}};
};

TEST_F(RunSubtreeTest, StartsDataItemsDepthFirstAndGoesOnAfterAFailure) {
    EXPECT_FALSE(runSubtree(nullptr, context()));
    EXPECT_TRUE(runSubtree(store.commandNode(), context()));  // built-in commands only: nothing starts
    LauncherItem* boot =
        store.addToRoot(store.createItem({.type = ItemType::RootItem, .name = "boot", .boot = 1}));
    add(boot, named("1 x", R"(D:\x.exe)"));
    LauncherItem* sub = add(boot, node("2 sub"));  // not boot itself: still walked
    add(sub, named("a z", R"(D:\z.exe)"));
    LauncherItem* deeper = add(sub, node("b deeper"));
    add(deeper, named("w", R"(D:\w.exe)"));
    auto switching = named("3 y", R"(D:\y.exe)");
    switching.tsk = 1;  // no window chooser here: started directly
    // A data item with children starts after them.
    add(add(boot, switching), named("c", R"(D:\c.exe)"));
    add(boot, {.type = ItemType::DataItem, .name = "4 no program"});
    add(boot, {.type = ItemType::DefaultCommand, .name = "nextwnd"});
    shell.refusedFiles.insert(R"(D:\z.exe)");

    EXPECT_TRUE(runSubtree(boot, context()));
    std::vector<std::string> started;
    for (const ShellRequest& request : shell.opened) {
        started.push_back(request.file);
    }
    EXPECT_THAT(started,
                ElementsAre(R"(D:\x.exe)", R"(D:\z.exe)", R"(D:\w.exe)", R"(D:\c.exe)", R"(D:\y.exe)"));
    EXPECT_THAT(shell.failures, ElementsAre(R"(D:\z.exe )" + kFailureTail));

    // The node goes while the failure is shown: the rest still starts as decided.
    shell.opened.clear();
    shell.whileShowingFailure = [&] { store.removeItem(boot); };
    EXPECT_TRUE(runSubtree(boot, context()));
    EXPECT_EQ(shell.opened.size(), started.size());
    EXPECT_EQ(shell.opened.back().file, R"(D:\y.exe)");
}

}  // namespace
}  // namespace zek::launch
