#include "core/launch/launch_requests.h"

#include <gtest/gtest.h>

#include "launch_test_support.h"

namespace zek::launch {
namespace {

using data::ItemFields;
using data::ItemType;
using data::LauncherItem;
using test::dataItem;
using test::kFolder;
using test::kRegularFile;
using test::withOwnAssociations;

constexpr bool kFiler = true;
constexpr bool kNoFiler = false;
const std::string kFilerApp = R"(C:\tools\filer.exe)";

// One desktop for every case: "表" and "ソ" end in the byte of a backslash, so a
// byte-wise reading of those paths would split them in the wrong place.
class LaunchRequestTest : public ::testing::Test {
  protected:
    LaunchRequestTest() {
        files.entries = {{R"(D:\work)", kFolder},
                         {R"(D:\notes.txt)", kFolder},  // a folder whose name has an extension
                         {R"(D:\a\b.txt)", kRegularFile},
                         {R"(D:\prog.exe)", kRegularFile},
                         {R"(D:\odd)", FileStatus{.directory = true, .regularFile = true}},  // no folder
                         {R"(D:\docs)", kFolder},
                         {R"(D:\docs\a.txt)", kRegularFile},
                         {R"(D:\docs\A.TXT)", kRegularFile},
                         {R"(D:\docs\ソ.pdf)", kRegularFile},
                         {"readme", kRegularFile},
                         {R"(D:\tools\x.exe)", kRegularFile},
                         {R"(D:\表\ソ.exe)", kRegularFile},
                         {R"(\\.\device)", FileStatus{}}};  // neither a folder nor a regular file
        EXPECT_TRUE(holder_.settings.addAssociation("txt", R"(D:\ed.exe)", "-r "));
        EXPECT_TRUE(holder_.settings.addAssociation("表", R"(D:\hyou.exe)", ""));
    }

    void useFiler(bool on) { ASSERT_TRUE(holder_.settings.setFiler(on ? kFilerApp : "", on ? "/e," : "")); }
    const data::LauncherSettings& settings() const { return holder_.settings; }

    test::FakeFiles files;

  private:
    test::SettingsWithoutFile holder_;
};

ItemFields ofType(ItemType type, ItemFields fields) {
    fields.type = type;
    return fields;
}

// Starting a data item: the filer for folders, the own association for files, the
// shell for everything else.
TEST_F(LaunchRequestTest, DataItemGoesToTheFilerTheOwnAssociationOrTheShell) {
    auto twoIsNotOne = dataItem(R"(D:\x\n.txt)");
    twoIsNotOne.extension = 2;  // only the value 1 switches the own associations on
    const struct {
        bool filer;
        ItemFields item;
        std::optional<ShellRequest> expected;
    } cases[] = {
        {kFiler, withOwnAssociations(dataItem(R"(D:\work)", "", R"(D:\start)")),
         ShellRequest{kFilerApp, R"(/e,"D:\work")", R"(D:\start)"}},
        {kFiler, withOwnAssociations(dataItem(R"(D:\work)", "/s")),
         ShellRequest{kFilerApp, R"(/e,/s "D:\work")", ""}},
        {kNoFiler, withOwnAssociations(dataItem(R"(D:\work)", "/s")), ShellRequest{R"(D:\work)", "/s", ""}},
        {kNoFiler, withOwnAssociations(dataItem(R"(D:\notes.txt)")),
         ShellRequest{R"(D:\ed.exe)", R"(-r "D:\notes.txt")", ""}},
        // The association's option, then the item's, then the quoted path.
        {kNoFiler, withOwnAssociations(dataItem(R"(D:\a\b.txt)", "/x", R"(D:\a)")),
         ShellRequest{R"(D:\ed.exe)", R"(-r /x "D:\a\b.txt")", R"(D:\a)"}},
        {kFiler, withOwnAssociations(dataItem(R"(D:\a\b.txt)", "/x", R"(D:\a)")),
         ShellRequest{R"(D:\ed.exe)", R"(-r /x "D:\a\b.txt")", R"(D:\a)"}},
        {kNoFiler, withOwnAssociations(dataItem(R"(D:\x.表)")),
         ShellRequest{R"(D:\hyou.exe)", R"("D:\x.表")", ""}},
        // Extensions are case-sensitive; only the last component's counts; a lone dot
        // is none.
        {kNoFiler, withOwnAssociations(dataItem(R"(D:\x\n.TXT)")), ShellRequest{R"(D:\x\n.TXT)", "", ""}},
        {kNoFiler, withOwnAssociations(dataItem(R"(D:\x.txt\run)")), ShellRequest{R"(D:\x.txt\run)", "", ""}},
        {kNoFiler, withOwnAssociations(dataItem(R"(D:\x\n.)")), ShellRequest{R"(D:\x\n.)", "", ""}},
        // Without the own associations: straight to the shell.
        {kFiler, dataItem(R"(D:\x\n.txt)", "/p", R"(D:\x)"), ShellRequest{R"(D:\x\n.txt)", "/p", R"(D:\x)"}},
        {kFiler, dataItem(R"(D:\work)"), ShellRequest{R"(D:\work)", "", ""}},
        {kFiler, twoIsNotOne, ShellRequest{R"(D:\x\n.txt)", "", ""}},
        // The filer needs an existing folder; a failed status query only rules it out.
        {kFiler, withOwnAssociations(dataItem(R"(D:\prog.exe)")), ShellRequest{R"(D:\prog.exe)", "", ""}},
        {kFiler, withOwnAssociations(dataItem(R"(D:\gone)")), ShellRequest{R"(D:\gone)", "", ""}},
        {kFiler, withOwnAssociations(dataItem(R"(D:\odd)")), ShellRequest{R"(D:\odd)", "", ""}},
        // Only data items with a program are started.
        {kFiler, dataItem(""), std::nullopt},
        {kFiler, ofType(ItemType::NodeItem, dataItem(R"(D:\prog.exe)")), std::nullopt},
    };
    for (const auto& [filer, item, expected] : cases) {
        SCOPED_TRACE(item.app + (filer ? " with filer" : ""));
        useFiler(filer);
        EXPECT_EQ(requestForDataItem(LauncherItem(item), settings(), files), expected);
    }
}

// Opening a file with a program item passes the path unchanged; without an item
// it goes to the filer, its own association or the shell, by what the path is.
TEST_F(LaunchRequestTest, OpenFileWithAProgramItemOrByItself) {
    const auto viewer = dataItem(R"(D:\tools\view.EXE)", "/v", R"(D:\tools)");
    const auto plain = dataItem(R"(D:\tools\view.exe)");
    const struct {
        bool filer;
        std::optional<ItemFields> item;
        std::string path;
        std::optional<ShellRequest> expected;
    } cases[] = {
        {kFiler, viewer, R"(D:\docs\a.txt)",
         ShellRequest{viewer.app, R"(/v "D:\docs\a.txt")", R"(D:\tools)"}},
        {kFiler, viewer, R"(D:\docs)", ShellRequest{viewer.app, R"(/v "D:\docs")", R"(D:\tools)"}},
        {kFiler, plain, R"(D:\docs\a.txt)", ShellRequest{plain.app, R"("D:\docs\a.txt")", ""}},
        // Items that are no program, and empty paths, are refused.
        {kFiler, dataItem(R"(D:\tools\view.lnk)"), R"(D:\docs\a.txt)", std::nullopt},
        {kFiler, dataItem(R"(D:\tools\exe)"), R"(D:\docs\a.txt)", std::nullopt},  // "exe" as a name
        {kFiler, ItemFields{.type = ItemType::NodeItem, .name = "node"}, R"(D:\docs\a.txt)", std::nullopt},
        {kFiler, plain, "", std::nullopt},
        {kFiler, std::nullopt, "", std::nullopt},
        {kNoFiler, std::nullopt, R"(D:\docs)", ShellRequest{R"(D:\docs)", "", ""}},
        {kFiler, std::nullopt, R"(D:\docs)", ShellRequest{kFilerApp, R"(/e,"D:\docs")", ""}},
        {kFiler, std::nullopt, R"(D:\docs\a.txt)",
         ShellRequest{R"(D:\ed.exe)", R"(-r "D:\docs\a.txt")", R"(D:\docs\)"}},
        {kFiler, std::nullopt, R"(D:\docs\A.TXT)", ShellRequest{R"(D:\docs\A.TXT)", "", R"(D:\docs\)"}},
        {kFiler, std::nullopt, R"(D:\docs\ソ.pdf)", ShellRequest{R"(D:\docs\ソ.pdf)", "", R"(D:\docs\)"}},
        {kFiler, std::nullopt, "readme", ShellRequest{"readme", "", ""}},
        {kFiler, std::nullopt, R"(D:\docs\gone.txt)", std::nullopt},
    };
    for (const auto& [filer, item, path, expected] : cases) {
        SCOPED_TRACE((item ? item->app : "no item") + " opens " + path);
        useFiler(filer);
        std::optional<LauncherItem> program;
        if (item) {
            program.emplace(*item);
        }
        EXPECT_EQ(requestForOpenFile(program ? &*program : nullptr, path, settings(), files), expected);
    }
}

// The folder of a folder item is itself, that of a file item its containing folder,
// which keeps its trailing backslash inside the filer's quotes.
TEST_F(LaunchRequestTest, ItemFolderOpensInTheFilerOrTheShell) {
    const struct {
        bool filer;
        ItemFields item;
        std::optional<ShellRequest> expected;
    } cases[] = {
        {kNoFiler, dataItem(R"(D:\work)", "/s", R"(D:\start)"), ShellRequest{R"(D:\work)", "", R"(D:\work)"}},
        {kFiler, dataItem(R"(D:\work)", "/s", R"(D:\start)"),
         ShellRequest{kFilerApp, R"(/e,/s "D:\work")", R"(D:\start)"}},
        {kNoFiler, dataItem(R"(D:\tools\x.exe)", "/s"), ShellRequest{R"(D:\tools\)", "", R"(D:\tools\)"}},
        {kNoFiler, dataItem(R"(D:\表\ソ.exe)"), ShellRequest{R"(D:\表\)", "", R"(D:\表\)"}},
        {kFiler, dataItem(R"(D:\tools\x.exe)"), ShellRequest{kFilerApp, R"(/e,"D:\tools\")", R"(D:\tools\)"}},
        {kFiler, dataItem(R"(D:\tools\x.exe)", "/s", R"(D:\start)"),
         ShellRequest{kFilerApp, R"(/e,/s "D:\tools\")", R"(D:\tools\)"}},
        {kFiler, dataItem(R"(D:\tools\gone.exe)"), std::nullopt},
        {kFiler, dataItem(R"(\\.\device)"), std::nullopt},
        {kFiler, ofType(ItemType::RootItem, dataItem(R"(D:\tools\x.exe)")), std::nullopt},
    };
    for (const auto& [filer, item, expected] : cases) {
        SCOPED_TRACE(item.app + (filer ? " with filer" : ""));
        useFiler(filer);
        const LauncherItem launcherItem(item);
        EXPECT_EQ(requestForItemFolder(&launcherItem, settings(), files), expected);
    }
    EXPECT_FALSE(requestForItemFolder(nullptr, settings(), files));
}

}  // namespace
}  // namespace zek::launch
