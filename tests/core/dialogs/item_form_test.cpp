#include "core/dialogs/item_form.h"

#include <gtest/gtest.h>

namespace zek::dialogs {
namespace {

TEST(ItemFormTest, TrimsBlanksAndFullWidthSpacesButNoTrailByte) {
    const struct {
        std::string_view typed, stored;
    } cases[] = {
        {"\x81\x40 \tnotepad\t \x81\x40", "notepad"},
        {"note pad\r\n", "note pad"},
        {"\r\nname", "\r\nname"},          // CR and LF go only at the end
        {"\x83\x40", "\x83\x40"},          // "ァ": its trail byte 0x40 is no space
        {"\x95\x5c\x81\x40", "\x95\x5c"},  // "表" then a full-width space
        {std::string_view("  ", 1), ""},   // the blank after the view is not its own
    };
    for (const auto& each : cases) {
        EXPECT_EQ(trimField(each.typed), each.stored) << each.typed;
    }
}

TEST(ItemFormTest, DroppedFileFillsNameProgramAndFolder) {
    const DroppedFileFields tool = droppedFileFields("D:\\Tools\\MyApp.EXE");
    EXPECT_EQ(tool.name, "myapp");
    EXPECT_EQ(tool.app, "D:\\Tools\\MyApp.EXE");
    EXPECT_EQ(tool.dir, "D:\\Tools\\");
    // "表A\ソフトＡ.exe": the trail byte 0x5C of 表 and ソ is no separator, a trail
    // byte 'A' (0x41 after 0x83) and the full-width Ａ keep their case.
    const DroppedFileFields japanese = droppedFileFields(
        "C:\\\x95\x5c"
        "A\\\x83\x5c\x83\x41\x82\x60.exe");
    EXPECT_EQ(japanese.name, "\x83\x5c\x83\x41\x82\x60");
    EXPECT_EQ(japanese.dir,
              "C:\\\x95\x5c"
              "A\\");
    EXPECT_EQ(droppedNodeName("D:\\Tools\\MyApp.EXE"), "MyApp");
}

TEST(ItemFormTest, HotkeyBoxesGiveThePair) {
    const struct {
        std::string_view first, second;
        bool secondEnabled;
        app::HotkeyPair pair;
    } cases[] = {
        {"F5キーのみ", "A", false, {0x74, 1}},
        {"使用しない", "A", false, {0, 0}},
        {"ランチャーボタン1", "", false, {0xB6, 1}},
        {"Ctrl", "Space", true, {2, 0x20}},
    };
    for (const auto& each : cases) {
        EXPECT_EQ(secondHotkeyBoxEnabled(each.first), each.secondEnabled) << each.first;
        const app::HotkeyPair pair = hotkeyPairFromBoxes(each.first, each.second);
        EXPECT_EQ(std::pair(pair.first, pair.second), std::pair(each.pair.first, each.pair.second))
            << each.first;
    }
}

TEST(ItemFormTest, OkRegistersOnlyAChangedPairAndReleasesTheOldOne) {
    using Pair = app::HotkeyPair;
    const struct {
        std::optional<Pair> source;
        Pair chosen;
        bool registerNew, releaseOld;
    } cases[] = {
        {std::nullopt, {2, 'N'}, true, false},
        {std::nullopt, {0, 0}, false, false},
        {Pair{2, 'N'}, {2, 'N'}, false, false},
        {Pair{2, 'N'}, {3, 'N'}, true, true},
        {Pair{2, 'N'}, {2, 'M'}, true, true},
        {Pair{0, 0}, {3, 'N'}, true, false},
        {Pair{2, 'N'}, {0, 0}, false, true},
        // The form reads a lone key as (key, 1); the file may hold another second part.
        {Pair{0x74, 0x41}, {0x74, 1}, false, false},
    };
    for (const auto& each : cases) {
        const HotkeyChange change = planHotkeyChange(each.source, each.chosen);
        EXPECT_EQ(std::pair(change.registerNew, change.releaseOld),
                  std::pair(each.registerNew, each.releaseOld));
    }
    EXPECT_EQ(hotkeyTakenMessage({2, 'N'}), "Ctrl + Nのホットキーはすでに使用されています。");
    EXPECT_EQ(hotkeyTakenMessage({0x74, 1}), "F5キーのみ のホットキーはすでに使用されています。");
}

TEST(ItemFormTest, OkKeepsOnlyTheFieldsOfTheChosenMode) {
    ItemFormValues form{.nodeMode = true,
                        .name = " tools\x81\x40",
                        .app = "a.exe",
                        .option = "-x",
                        .dir = "C:\\",
                        .boot = true,
                        .tsk = true,
                        .extension = true,
                        .priority = 40,
                        .hotkey = {2, 'T'}};
    const auto node = itemFromForm(form);
    ASSERT_TRUE(node);
    EXPECT_EQ(*node, (data::ItemFields{.type = data::ItemType::NodeItem,
                                       .name = "tools",
                                       .boot = 1,
                                       .priority = 40,
                                       .hotKey1 = 2,
                                       .hotKey2 = 'T'}));
    form.nodeMode = false;
    form.option = " -x \r\n";
    const auto item = itemFromForm(form);
    ASSERT_TRUE(item);
    EXPECT_EQ(*item, (data::ItemFields{.type = data::ItemType::DataItem,
                                       .name = "tools",
                                       .app = "a.exe",
                                       .option = "-x",
                                       .dir = "C:\\",
                                       .tsk = 1,
                                       .extension = 1,
                                       .priority = 40,
                                       .hotKey1 = 2,
                                       .hotKey2 = 'T'}));
    // Unchecked boxes store 0.
    form.boot = form.tsk = form.extension = false;
    EXPECT_EQ(itemFromForm(form)->tsk + itemFromForm(form)->extension, 0);
    form.nodeMode = true;
    EXPECT_EQ(itemFromForm(form)->boot, 0);
    form.name = "\x81\x40\t";
    EXPECT_FALSE(itemFromForm(form));
    EXPECT_FALSE(rootNodeFromForm(" ", "x.ico", 5));
    EXPECT_EQ(rootNodeFromForm(" root ", " x.ico", 5)->icon, "x.ico");
}

}  // namespace
}  // namespace zek::dialogs
