#include "core/app/start_menu_import.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "core/data/data_file_writer.h"
#include "data/item_test_support.h"

namespace zek::app {
namespace {

using data::ItemFields;
using data::ItemType;
using data::LauncherItem;
using ::testing::ElementsAre;

FoundShortcut shortcut(std::vector<std::string> folders, std::string name, bool targetExists = true) {
    return {.folders = std::move(folders),
            .path = "C:\\Start Menu\\Programs\\" + name + ".lnk",
            .target = "C:\\Apps\\" + name + ".exe",
            .targetExists = targetExists};
}

class StartMenuImportTest : public ::testing::Test {
  protected:
    void TearDown() override { data::test::expectStoreInvariants(*store); }
    LauncherItem* add(LauncherItem* parent, ItemFields fields) {
        return store->addChild(parent, store->createItem(std::move(fields)));
    }
    LauncherItem* import(const std::vector<FoundShortcut>& user,
                         const std::vector<FoundShortcut>& allUsers = {}) {
        return replaceStartMenuNode(*store, planStartMenuImport(user, allUsers));
    }

    const std::unique_ptr<data::ItemStore> store = data::test::defaultStore();
};

// The subtree below `node` as "folder/name" lines in tree order.
std::vector<std::string> pathsBelow(const LauncherItem* node, const std::string& above = "") {
    std::vector<std::string> paths;
    for (const auto& child : node->children()) {
        paths.push_back(above + std::string(child->name()));
        std::ranges::copy(pathsBelow(child.get(), paths.back() + "/"), std::back_inserter(paths));
    }
    return paths;
}

TEST_F(StartMenuImportTest, ShortcutBecomesTheItemADroppedFileGives) {
    EXPECT_EQ(
        itemForShortcut(shortcut({}, "NotePad")),
        (ItemFields{
            .type = ItemType::DataItem, .name = "notepad", .app = "C:\\Start Menu\\Programs\\NotePad.lnk"}));
    const struct {
        std::string_view path, target, name;  // name "": left out
        std::string_view shownName = {};
    } cases[] = {
        // 表 ends in the byte of '\', ア in that of 'A': neither is split nor lowered.
        {"C:\\P\\表計算アプリＡ.lnk", "C:\\F\\calc.exe", "表計算アプリＡ"},
        {"C:\\P\\ .lnk", "C:\\F\\blank.exe", ""},
        // Uninstallers, by the shortcut's name or by its target's file name.
        {"C:\\P\\Uninstall Foo.lnk", "C:\\F\\foo.exe", ""},
        {"C:\\P\\Foo を アンインストール.lnk", "C:\\F\\foo.exe", ""},
        {"C:\\P\\Foo.lnk", "C:\\F\\UnInstall.exe", ""},
        {"C:\\P\\Install Foo.lnk", "C:\\F\\setup.exe", "install foo"},
        {"C:\\P\\Foo.lnk", "C:\\Uninstall Tools\\foo.exe", "foo"},
        {"C:\\P\\Setup Menu.lnk", "C:\\F\\setup menu", "setup menu"},  // ends as "uninstall" begins
        // "ブ" ends in the byte of 'u': no uninstaller's name starts inside it.
        {"C:\\P\\\x83uninstall.lnk", "C:\\F\\b.exe", "\x83uninstall"},
        // A path by short name: the item is named as the file is shown, and an
        // uninstaller is told by its shown name.
        {"C:\\P\\CAFPRO~1.LNK", "C:\\F\\p.exe", "caf? probe", "C:\\P\\Caf? Probe.lnk"},
        {"C:\\P\\CAFUNI~1.LNK", "C:\\F\\p.exe", "", "Caf? Uninstall.lnk"},
    };
    for (const auto& [path, target, name, shownName] : cases) {
        const auto item = itemForShortcut({.path = std::string(path),
                                           .target = std::string(target),
                                           .targetExists = true,
                                           .shownName = std::string(shownName)});
        EXPECT_EQ(item ? item->name : "", name) << path << " " << target;
    }
}

TEST_F(StartMenuImportTest, BothFoldersMergeIntoOneNodeWithoutEmptyFolders) {
    const std::vector<FoundShortcut> user = {
        shortcut({"Accessories"}, "Notepad"),
        shortcut({"Games"}, "Solitaire"),
        shortcut({}, "Zeta"),
    };
    const std::vector<FoundShortcut> allUsers = {
        shortcut({"accessories"}, "Calc"),
        shortcut({"Broken"}, "Old", false),
        shortcut({"", " ", "Games"}, "Mines"),
    };
    const LauncherItem* node = import(user, allUsers);
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(node->fields(), (ItemFields{.type = ItemType::RootItem, .name = "スタートメニュー"}));
    EXPECT_THAT(pathsBelow(node), ElementsAre("Accessories", "Accessories/calc", "Accessories/notepad",
                                              "Games", "Games/mines", "Games/solitaire", "zeta"));
    EXPECT_EQ(node->children()[0]->type(), ItemType::NodeItem);
}

TEST_F(StartMenuImportTest, SecondImportReplacesOnlyItsOwnRootNode) {
    LauncherItem* apps = add(store->root(), {.type = ItemType::RootItem, .name = "Apps"});
    add(apps, {.type = ItemType::NodeItem, .name = "スタートメニュー"});
    add(store->root(), {.type = ItemType::DataItem, .name = "スタートメニュー", .app = "C:\\a.exe"});

    LauncherItem* earlier = import({shortcut({"Old"}, "Viewer"), shortcut({"Tools"}, "Grep")});
    ASSERT_NE(earlier, nullptr);
    // What the user put below the import's node, and a node of that name of his own.
    add(earlier->children()[1].get(), {.type = ItemType::DataItem, .name = "mine", .app = "C:\\m.lnk"});
    add(earlier, {.type = ItemType::DataItem, .name = "tool", .app = "C:\\Start Menu\\Programs\\tool.exe"});
    add(earlier, {.type = ItemType::NodeItem, .name = "empty"});
    LauncherItem* own = add(store->root(), {.type = ItemType::RootItem, .name = "スタートメニュー"});
    add(own, {.type = ItemType::DataItem, .name = "kept", .app = "D:\\Start Menu\\Programs\\k.lnk"});
    const std::vector<std::string> rootsBefore = data::test::namesOf(store->root()->children());

    const std::vector<FoundShortcut> second = {shortcut({}, "Browser"), shortcut({"tools"}, "Find")};
    // Each folder the shortcuts lie in is named once, however many lie there.
    EXPECT_THAT(planStartMenuImport(second, second).programsFolders,
                ElementsAre("C:\\Start Menu\\Programs", "C:\\Start Menu"));
    const LauncherItem* node = import(second);
    EXPECT_EQ(node, earlier);
    EXPECT_EQ(node->type(), ItemType::RootItem) << "a data item of that name is no import's node";
    // Neither a program nor an empty node of the user's is taken for an import's.
    EXPECT_THAT(pathsBelow(node),
                ElementsAre("browser", "empty", "tool", "Tools", "Tools/find", "Tools/mine"));
    EXPECT_THAT(pathsBelow(own), ElementsAre("kept"));
    EXPECT_EQ(data::test::namesOf(store->root()->children()), rootsBefore);
    EXPECT_THAT(pathsBelow(apps), ElementsAre("スタートメニュー"));

    // Nothing found: the earlier import stays.
    EXPECT_EQ(import({shortcut({}, "Browser", false)}), nullptr);
    EXPECT_NE(store->findByName("browser"), nullptr);
}

TEST_F(StartMenuImportTest, TheImportGoesIntoACopyAndLeavesTheStoreForAFailedSave) {
    add(store->root(), {.type = ItemType::DataItem, .name = "editor", .app = "C:\\e.exe", .hotKey1 = 2});
    const std::string before = data::writeItemTree(*store);
    const StartMenuImport plan = planStartMenuImport(std::vector{shortcut({"Tools"}, "Viewer")}, {});

    const auto copy = storeWithImport(*store, plan);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(data::writeItemTree(*store), before);
    replaceStartMenuNode(*store, plan);
    EXPECT_EQ(data::writeItemTree(*copy), data::writeItemTree(*store));
    EXPECT_EQ(storeWithImport(*store, planStartMenuImport({}, {})), nullptr);
}

TEST_F(StartMenuImportTest, DeepFoldersFlattenAndManyShortcutsStopAtTheLimit) {
    std::vector<std::string> deep;
    for (int depth = 1; depth <= 40; ++depth) {
        deep.push_back("d" + std::to_string(depth));
    }
    std::vector<FoundShortcut> many(kMaxImportedShortcuts + 2, shortcut({}, "Tool"));
    many.front() = shortcut(deep, "Deepest");
    many.push_back(shortcut({}, "Gone", false));

    const StartMenuImport plan = planStartMenuImport(many, {});
    EXPECT_EQ(plan.top.items.size() + 1, kMaxImportedShortcuts);
    EXPECT_EQ(plan.overLimit, 2u);  // the dangling one is left out before it counts

    ASSERT_NE(replaceStartMenuNode(*store, plan), nullptr);
    const LauncherItem* deepest = store->findByName("deepest");
    ASSERT_NE(deepest, nullptr);
    EXPECT_EQ(deepest->level(), data::kMaxItemLevel);
    EXPECT_EQ(deepest->parent()->name(), "d18");
}

TEST_F(StartMenuImportTest, WhatWasLeftOutIsToldWithItsReason) {
    EXPECT_EQ(importOmissionsText({}), "");
    const std::string head = "スタートメニューを取り込みましたが、次のものは取り込んでいません。\r\n\r\n";
    const std::string overLimit = "・ショートカットが5000件を超えたため、残りの7件";
    EXPECT_EQ(importOmissionsText({.overLimit = 7}), head + data::test::crlfLines({overLimit}));
    const ImportOmissions all{
        .overLimit = 7, .foldersTooDeep = 2, .unnamable = 3, .entriesCut = true, .timeCut = true};
    EXPECT_EQ(importOmissionsText(all),
              head + data::test::crlfLines({overLimit, "・32階層より深いフォルダ2個の中身",
                                            "・名前をこの言語の文字で表せないショートカット3件",
                                            "・ファイルとフォルダが50000個を超えたため、それより後の分",
                                            "・20秒で探し終わらなかったため、それより後の分"}));
}

}  // namespace
}  // namespace zek::app
