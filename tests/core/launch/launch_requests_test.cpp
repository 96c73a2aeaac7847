#include "launch/launch_requests.h"

#include <gtest/gtest.h>

#include "launch_test_support.h"

namespace zek::launch {
namespace {

using data::ItemType;
using data::LauncherItem;
using test::dataItem;
using test::FakeFiles;
using test::kFolder;
using test::kRegularFile;
using test::SettingsWithoutFile;
using test::withOwnAssociations;

class LaunchRequestTest : public ::testing::Test {
  protected:
    data::LauncherSettings& settings() { return holder_.settings; }
    void setFiler(std::string_view app, std::string_view option) {
        ASSERT_TRUE(settings().setFiler(app, option));
    }
    void addAssociation(std::string_view ext, std::string_view app, std::string_view option) {
        ASSERT_TRUE(settings().addAssociation(ext, app, option));
    }

    std::optional<ShellRequest> forDataItem(data::ItemFields fields) {
        return requestForDataItem(LauncherItem(std::move(fields)), settings(), files);
    }
    std::optional<ShellRequest> forFile(const data::ItemFields* fields, std::string_view path) {
        if (fields == nullptr) {
            return requestForOpenFile(nullptr, path, settings(), files);
        }
        const LauncherItem item(*fields);
        return requestForOpenFile(&item, path, settings(), files);
    }
    std::optional<ShellRequest> forItemFolder(data::ItemFields fields) {
        const LauncherItem item(std::move(fields));
        return requestForItemFolder(&item, settings(), files);
    }

    FakeFiles files;

  private:
    SettingsWithoutFile holder_;
};

// Starting a data item: the filer for folders, the own association for files, the
// shell for everything else, each with and without a filer.

TEST_F(LaunchRequestTest, DataItemFolderGoesToTheFilerWithItsOptionBeforeTheQuotedFolder) {
    files.entries[R"(D:\work)"] = kFolder;
    setFiler(R"(C:\tools\filer.exe)", "/e,");
    EXPECT_EQ(forDataItem(withOwnAssociations(dataItem(R"(D:\work)", "", R"(D:\start)"))),
              (ShellRequest{R"(C:\tools\filer.exe)", R"(/e,"D:\work")", R"(D:\start)"}));
    EXPECT_EQ(forDataItem(withOwnAssociations(dataItem(R"(D:\work)", "/s"))),
              (ShellRequest{R"(C:\tools\filer.exe)", R"(/e,/s "D:\work")", ""}));
}

TEST_F(LaunchRequestTest, DataItemFolderWithoutFilerTriesTheAssociationThenTheShell) {
    files.entries[R"(D:\work)"] = kFolder;
    files.entries[R"(D:\notes.txt)"] = kFolder;  // a folder whose name has an extension
    addAssociation("txt", R"(D:\ed.exe)", "");
    EXPECT_EQ(forDataItem(withOwnAssociations(dataItem(R"(D:\work)", "/s"))),
              (ShellRequest{R"(D:\work)", "/s", ""}));
    EXPECT_EQ(forDataItem(withOwnAssociations(dataItem(R"(D:\notes.txt)"))),
              (ShellRequest{R"(D:\ed.exe)", R"("D:\notes.txt")", ""}));
}

TEST_F(LaunchRequestTest, DataItemFileGoesToItsAssociationWithBothOptionsInOrder) {
    addAssociation("txt", R"(D:\ed.exe)", "-r ");
    for (const bool withFiler : {false, true}) {
        if (withFiler) {
            setFiler(R"(C:\tools\filer.exe)", "/e,");
            files.entries[R"(D:\a\b.txt)"] = kRegularFile;
        }
        EXPECT_EQ(forDataItem(withOwnAssociations(dataItem(R"(D:\a\b.txt)", "/x", R"(D:\a)"))),
                  (ShellRequest{R"(D:\ed.exe)", R"(-r /x "D:\a\b.txt")", R"(D:\a)"}))
            << "filer set: " << withFiler;
    }
}

TEST_F(LaunchRequestTest, DataItemWithoutOwnAssociationsGoesStraightToTheShell) {
    files.entries[R"(D:\work)"] = kFolder;
    setFiler(R"(C:\tools\filer.exe)", "/e,");
    addAssociation("txt", R"(D:\ed.exe)", "");
    EXPECT_EQ(forDataItem(dataItem(R"(D:\x\n.txt)", "/p", R"(D:\x)")),
              (ShellRequest{R"(D:\x\n.txt)", "/p", R"(D:\x)"}));
    EXPECT_EQ(forDataItem(dataItem(R"(D:\work)")), (ShellRequest{R"(D:\work)", "", ""}));
    // Only the value 1 switches the own associations on.
    auto two = dataItem(R"(D:\x\n.txt)");
    two.extension = 2;
    EXPECT_EQ(forDataItem(two), (ShellRequest{R"(D:\x\n.txt)", "", ""}));
}

TEST_F(LaunchRequestTest, DataItemAssociationExamples) {
    addAssociation("txt", R"(D:\ed.exe)", "");
    // No option at all: the quoted path is the only parameter.
    EXPECT_EQ(forDataItem(withOwnAssociations(dataItem(R"(D:\x\n.txt)"))),
              (ShellRequest{R"(D:\ed.exe)", R"("D:\x\n.txt")", ""}));
    // Extensions are case-sensitive: TXT is not txt.
    EXPECT_EQ(forDataItem(withOwnAssociations(dataItem(R"(D:\x\n.TXT)"))),
              (ShellRequest{R"(D:\x\n.TXT)", "", ""}));
    // Only the last component's extension counts; a lone dot or none finds nothing.
    EXPECT_EQ(forDataItem(withOwnAssociations(dataItem(R"(D:\x.txt\run)"))),
              (ShellRequest{R"(D:\x.txt\run)", "", ""}));
    EXPECT_EQ(forDataItem(withOwnAssociations(dataItem(R"(D:\x\n.)"))), (ShellRequest{R"(D:\x\n.)", "", ""}));
}

TEST_F(LaunchRequestTest, DataItemExtensionStepsOverDoubleByteCharacters) {
    // "表" ends in the byte of a backslash: read byte by byte, D:\x.表 would end in a
    // separator and have no extension.
    addAssociation("表", R"(D:\hyou.exe)", "");
    EXPECT_EQ(forDataItem(withOwnAssociations(dataItem(R"(D:\x.表)"))),
              (ShellRequest{R"(D:\hyou.exe)", R"("D:\x.表")", ""}));
}

TEST_F(LaunchRequestTest, DataItemFilerNeedsAnExistingFolder) {
    setFiler(R"(C:\tools\filer.exe)", "/e,");
    files.entries[R"(D:\prog.exe)"] = kRegularFile;
    EXPECT_EQ(forDataItem(withOwnAssociations(dataItem(R"(D:\prog.exe)"))),
              (ShellRequest{R"(D:\prog.exe)", "", ""}));
    // A failed status query only rules the filer out.
    EXPECT_EQ(forDataItem(withOwnAssociations(dataItem(R"(D:\gone)"))), (ShellRequest{R"(D:\gone)", "", ""}));
    // Both bits set is no folder.
    files.entries[R"(D:\odd)"] = FileStatus{.directory = true, .regularFile = true};
    EXPECT_EQ(forDataItem(withOwnAssociations(dataItem(R"(D:\odd)"))), (ShellRequest{R"(D:\odd)", "", ""}));
}

TEST_F(LaunchRequestTest, OnlyDataItemsWithAProgramAreStarted) {
    EXPECT_FALSE(forDataItem(dataItem("")));
    auto node = dataItem(R"(D:\prog.exe)");
    node.type = ItemType::NodeItem;
    EXPECT_FALSE(forDataItem(node));
}

// Opening a file with an item: only programs, the path passed unchanged.

TEST_F(LaunchRequestTest, OpenFileWithAProgramItemPassesThePathQuotedAfterTheItemOption) {
    setFiler(R"(C:\tools\filer.exe)", "/e,");
    addAssociation("txt", R"(D:\ed.exe)", "-n ");
    files.entries[R"(D:\docs)"] = kFolder;
    const auto viewer = dataItem(R"(D:\tools\view.EXE)", "/v", R"(D:\tools)");
    EXPECT_EQ(forFile(&viewer, R"(D:\docs\a.txt)"),
              (ShellRequest{R"(D:\tools\view.EXE)", R"(/v "D:\docs\a.txt")", R"(D:\tools)"}));
    EXPECT_EQ(forFile(&viewer, R"(D:\docs)"),
              (ShellRequest{R"(D:\tools\view.EXE)", R"(/v "D:\docs")", R"(D:\tools)"}));
    const auto plain = dataItem(R"(D:\tools\view.exe)");
    EXPECT_EQ(forFile(&plain, R"(D:\docs\a.txt)"),
              (ShellRequest{R"(D:\tools\view.exe)", R"("D:\docs\a.txt")", ""}));
}

TEST_F(LaunchRequestTest, OpenFileRefusesItemsThatAreNoProgramAndEmptyPaths) {
    const auto shortcut = dataItem(R"(D:\tools\view.lnk)");
    EXPECT_FALSE(forFile(&shortcut, R"(D:\docs\a.txt)"));
    const auto exeFolder = dataItem(R"(D:\tools\exe)");  // "exe" as a name, not an extension
    EXPECT_FALSE(forFile(&exeFolder, R"(D:\docs\a.txt)"));
    const auto node = data::ItemFields{.type = ItemType::NodeItem, .name = "node"};
    EXPECT_FALSE(forFile(&node, R"(D:\docs\a.txt)"));
    const auto program = dataItem(R"(D:\tools\view.exe)");
    EXPECT_FALSE(forFile(&program, ""));
    EXPECT_FALSE(forFile(nullptr, ""));
}

// Opening a file by itself: filer, own association or shell, by what the path is.

TEST_F(LaunchRequestTest, OpenFolderGoesToTheFilerOrTheShell) {
    files.entries[R"(D:\docs)"] = kFolder;
    EXPECT_EQ(forFile(nullptr, R"(D:\docs)"), (ShellRequest{R"(D:\docs)", "", ""}));
    setFiler(R"(C:\tools\filer.exe)", "/e,");
    EXPECT_EQ(forFile(nullptr, R"(D:\docs)"), (ShellRequest{R"(C:\tools\filer.exe)", R"(/e,"D:\docs")", ""}));
}

TEST_F(LaunchRequestTest, OpenFileWithAnAssociationStartsInTheFilesFolder) {
    addAssociation("txt", R"(D:\ed.exe)", "-n ");
    files.entries[R"(D:\docs\a.txt)"] = kRegularFile;
    files.entries[R"(D:\docs\A.TXT)"] = kRegularFile;
    EXPECT_EQ(forFile(nullptr, R"(D:\docs\a.txt)"),
              (ShellRequest{R"(D:\ed.exe)", R"(-n "D:\docs\a.txt")", R"(D:\docs\)"}));
    EXPECT_EQ(forFile(nullptr, R"(D:\docs\A.TXT)"), (ShellRequest{R"(D:\docs\A.TXT)", "", R"(D:\docs\)"}));
}

TEST_F(LaunchRequestTest, OpenOtherFileGoesToTheShellInItsFolder) {
    setFiler(R"(C:\tools\filer.exe)", "/e,");
    files.entries[R"(D:\docs\ソ.pdf)"] = kRegularFile;  // "ソ" ends in the byte of a backslash
    files.entries["readme"] = kRegularFile;
    EXPECT_EQ(forFile(nullptr, R"(D:\docs\ソ.pdf)"), (ShellRequest{R"(D:\docs\ソ.pdf)", "", R"(D:\docs\)"}));
    EXPECT_EQ(forFile(nullptr, "readme"), (ShellRequest{"readme", "", ""}));
}

TEST_F(LaunchRequestTest, OpenFileWithoutItemRefusesPathsThatDoNotExist) {
    setFiler(R"(C:\tools\filer.exe)", "/e,");
    addAssociation("txt", R"(D:\ed.exe)", "");
    EXPECT_FALSE(forFile(nullptr, R"(D:\docs\gone.txt)"));
}

// Opening the folder of an item.

TEST_F(LaunchRequestTest, ItemFolderOfAFolderItem) {
    files.entries[R"(D:\work)"] = kFolder;
    const auto item = dataItem(R"(D:\work)", "/s", R"(D:\start)");
    EXPECT_EQ(forItemFolder(item), (ShellRequest{R"(D:\work)", "", R"(D:\work)"}));
    setFiler(R"(C:\tools\filer.exe)", "/e,");
    EXPECT_EQ(forItemFolder(item),
              (ShellRequest{R"(C:\tools\filer.exe)", R"(/e,/s "D:\work")", R"(D:\start)"}));
}

TEST_F(LaunchRequestTest, ItemFolderOfAFileItemIsItsContainingFolder) {
    files.entries[R"(D:\tools\x.exe)"] = kRegularFile;
    files.entries[R"(D:\表\ソ.exe)"] = kRegularFile;
    EXPECT_EQ(forItemFolder(dataItem(R"(D:\tools\x.exe)", "/s")),
              (ShellRequest{R"(D:\tools\)", "", R"(D:\tools\)"}));
    EXPECT_EQ(forItemFolder(dataItem(R"(D:\表\ソ.exe)")), (ShellRequest{R"(D:\表\)", "", R"(D:\表\)"}));
    setFiler(R"(C:\tools\filer.exe)", "");
    // The folder keeps its trailing backslash inside the quotes.
    EXPECT_EQ(forItemFolder(dataItem(R"(D:\tools\x.exe)")),
              (ShellRequest{R"(C:\tools\filer.exe)", R"("D:\tools\")", R"(D:\tools\)"}));
    setFiler(R"(C:\tools\filer.exe)", "/e,");
    EXPECT_EQ(forItemFolder(dataItem(R"(D:\tools\x.exe)", "/s", R"(D:\start)")),
              (ShellRequest{R"(C:\tools\filer.exe)", R"(/e,/s "D:\tools\")", R"(D:\tools\)"}));
}

TEST_F(LaunchRequestTest, ItemFolderRefusesMissingTargetsAndOtherItems) {
    setFiler(R"(C:\tools\filer.exe)", "");
    EXPECT_FALSE(forItemFolder(dataItem(R"(D:\tools\gone.exe)")));
    files.entries[R"(\\.\device)"] = FileStatus{};  // neither a folder nor a regular file
    EXPECT_FALSE(forItemFolder(dataItem(R"(\\.\device)")));
    files.entries[R"(D:\tools\x.exe)"] = kRegularFile;
    auto node = dataItem(R"(D:\tools\x.exe)");
    node.type = ItemType::RootItem;
    EXPECT_FALSE(forItemFolder(node));
    EXPECT_FALSE(requestForItemFolder(nullptr, settings(), files));
}

}  // namespace
}  // namespace zek::launch
