#include "core/data/data_file.h"

#include <algorithm>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/data/data_file_writer.h"
#include "item_test_support.h"

namespace zek::data {
namespace {

using test::crlfLines;
using test::defaultStore;
using test::expectStoreInvariants;
using test::item;
using test::namesOf;
using test::storeFromFile;
using ::testing::ElementsAre;

const std::string kWorkedExample =
    "[100]\r\n"
    "0:ItemName=command\r\n0:ItemComment=command node\r\n0:ItemType=1\r\n0:ItemLevel=1\r\n0:ItemBoot=0\r\n"
    "0:ItemTsk=0\r\n0:ItemExtension=0\r\n0:ItemPriority=0\r\n0:ItemHotKey1=0\r\n0:ItemHotKey2=0\r\n"
    "1:ItemName=tools\r\n1:ItemType=2\r\n1:ItemLevel=1\r\n1:ItemBoot=0\r\n1:ItemTsk=0\r\n"
    "1:ItemExtension=0\r\n1:ItemPriority=0\r\n1:ItemHotKey1=0\r\n1:ItemHotKey2=0\r\n"
    "2:ItemName=notepad\r\n2:ItemComment=text editor\r\n2:ItemApp=C:\\Windows\\notepad.exe\r\n"
    "2:ItemDir=C:\\Windows\r\n2:ItemType=4\r\n2:ItemLevel=2\r\n2:ItemBoot=0\r\n2:ItemTsk=1\r\n"
    "2:ItemExtension=0\r\n2:ItemPriority=50\r\n2:ItemHotKey1=2\r\n2:ItemHotKey2=78\r\n";

TEST(DataFileWorkedExample, BuiltInTheDialogsWayItSavesByteForByte) {
    auto store = defaultStore();
    LauncherItem* tools = store->addToRoot(store->createItem(item(ItemType::RootItem, "tools")));
    store->addChild(tools, store->createItem(ItemFields{.type = ItemType::DataItem,
                                                        .name = "notepad",
                                                        .comment = "text editor",
                                                        .app = "C:\\Windows\\notepad.exe",
                                                        .dir = "C:\\Windows",
                                                        .tsk = 1,
                                                        .priority = 50,
                                                        .hotKey1 = 2,
                                                        .hotKey2 = 78}));
    EXPECT_EQ(writeItemTree(*store), kWorkedExample);
}

TEST(DataFileWorkedExample, ReadsBackToTheSameTreeAndBytes) {
    const auto store = storeFromFile(kWorkedExample);
    expectStoreInvariants(*store);
    EXPECT_EQ(writeItemTree(*store), kWorkedExample);

    // The same file with bare LF line ends and no final line end reads the same.
    std::string bare = kWorkedExample;
    std::erase(bare, '\r');
    bare.pop_back();
    EXPECT_EQ(writeItemTree(*storeFromFile(bare)), kWorkedExample);
}

TEST(DataFileWorkedExample, WhatTheStoreHoldsIsWhatASaveAndLoadGiveBack) {
    auto store = defaultStore();
    const std::string longJapanese = std::string(510, 'a') + "表";  // the character would end at byte 512
    LauncherItem* edited =
        store->addToRoot(store->createItem(ItemFields{.type = ItemType::DataItem,
                                                      .name = "mail\r\n5:ItemName=injected",
                                                      .comment = std::string(600, 'c'),
                                                      .app = std::string("C:\\a.exe\0tail", 14),
                                                      .option = longJapanese}));
    EXPECT_EQ(edited->name(), "mail\r");
    EXPECT_EQ(edited->fields().comment, std::string(511, 'c'));
    EXPECT_EQ(edited->fields().app, "C:\\a.exe");
    EXPECT_EQ(edited->fields().option, std::string(510, 'a'));
    ItemFields fields = edited->fields();
    fields.dir = std::string(300, 'd') + "\nD:\\y";
    fields.icon = "C:\\i.ico";  // every field set, every number at its longest: the most room a record takes
    fields.boot = fields.tsk = fields.extension = fields.priority = fields.hotKey1 = fields.hotKey2 =
        INT32_MIN;
    store->setItemFields(edited, fields);
    EXPECT_EQ(edited->fields().dir, std::string(300, 'd'));

    const std::string saved = writeItemTree(*store);
    const auto reloaded = storeFromFile(saved);
    ASSERT_EQ(reloaded->count(), store->count()) << "no record of its own from a line feed";
    EXPECT_EQ(reloaded->findByName("mail\r")->fields(), edited->fields());
    EXPECT_EQ(writeItemTree(*reloaded), saved);
}

TEST(DataFileReading, ALevelJumpOrAnEmptyNameEndsTheLoad) {
    for (const char* ending : {"1:ItemName=b\r\n1:ItemLevel=3", "1:ItemName=\r\n1:ItemLevel=1"}) {
        SCOPED_TRACE(ending);
        const auto store = storeFromFile(
            crlfLines({"[100]", "0:ItemName=a", "0:ItemLevel=1", ending, "2:ItemName=c", "2:ItemLevel=1"}));
        EXPECT_EQ(store->itemsFromFile(), 1);
        // Without a built-in node record, the built-in node hangs nowhere: its commands
        // are found by name but in no tree.
        EXPECT_EQ(store->commandNode()->parent(), nullptr);
        EXPECT_NE(store->findByName("list"), nullptr);
        EXPECT_TRUE(store->collectByName("list").empty());
        EXPECT_EQ(store->count(), 9);
        expectStoreInvariants(*store);
        EXPECT_EQ(writeItemTree(*store),
                  "[100]\r\n0:ItemName=a\r\n0:ItemType=0\r\n0:ItemLevel=1\r\n0:ItemBoot=0\r\n0:ItemTsk=0\r\n"
                  "0:ItemExtension=0\r\n0:ItemPriority=0\r\n0:ItemHotKey1=0\r\n0:ItemHotKey2=0\r\n");
    }
}

TEST(DataFileReading, NoItemDeeperThanTheLevelLimit) {
    std::string file = "[100]\r\n";
    for (int record = 0; record <= kMaxItemLevel + 1; ++record) {
        const std::string n = std::to_string(record);
        file += n + ":ItemName=n" + n + "\r\n" + n + ":ItemLevel=" + std::to_string(record + 1) + "\r\n";
    }
    const auto store = storeFromFile(file);
    EXPECT_EQ(store->itemsFromFile(), kMaxItemLevel);
    EXPECT_EQ(store->findByName("n19")->level(), kMaxItemLevel);
    EXPECT_EQ(store->findByName("n20"), nullptr);
    expectStoreInvariants(*store);
}

// Records of the built-in types in a hand-edited file: the one built-in node is
// placed once, and nothing a save would skip comes from the file, so a save keeps
// every record with what lies below it.
TEST(DataFileReading, BuiltInTypesFromTheFileLoadAsOrdinaryItemsThatASaveKeeps) {
    const auto store = storeFromFile(
        crlfLines({"[100]", "0:ItemName=command", "0:ItemType=1", "0:ItemLevel=1", "1:ItemName=command",
                   "1:ItemComment=second", "1:ItemType=1", "1:ItemLevel=1", "2:ItemName=kept", "2:ItemType=4",
                   "2:ItemLevel=2", "3:ItemName=exit", "3:ItemType=6", "3:ItemLevel=1", "4:ItemName=under",
                   "4:ItemType=4", "4:ItemLevel=2"}));
    EXPECT_EQ(store->itemsFromFile(), 5);
    const auto commands = store->collectByName("command");
    ASSERT_EQ(commands.size(), 2u);
    EXPECT_EQ(commands[0], store->commandNode());  // the first record placed the built-in node
    EXPECT_EQ(commands[0]->childCount(), 8);
    EXPECT_EQ(commands[1]->type(), ItemType::RootItem);
    EXPECT_EQ(commands[1]->fields().comment, "second");
    EXPECT_THAT(namesOf(commands[1]->children()), ElementsAre("kept"));
    const auto exits = store->collectByName("exit");
    const auto fromFile = std::find_if(exits.begin(), exits.end(), [&](const LauncherItem* item) {
        return item->parent() == store->root();
    });
    ASSERT_NE(fromFile, exits.end());
    EXPECT_EQ((*fromFile)->type(), ItemType::DataItem);
    EXPECT_THAT(namesOf((*fromFile)->children()), ElementsAre("under"));
    expectStoreInvariants(*store);

    const std::string saved = writeItemTree(*store);
    EXPECT_NE(saved.find("ItemName=under"), std::string::npos);
    EXPECT_EQ(writeItemTree(*storeFromFile(saved)), saved);
}

TEST(DataFileReading, LongLinesAreReadWholeAndValuesCutOnACharacter) {
    // The tail of an overlong line must not come back as a line of its own.
    const std::string tail = "1:ItemName=injected";
    const auto reading = readDataFile(crlfLines({
        "[100]",
        "0:ItemName=" + std::string(600, 'n'),
        "0:ItemApp=" + std::string(1023 - 10, 'a') + tail,
        "0:ItemDir=" + std::string(510, 'd') + "表",
        "0:ItemOption=" + std::string(511, 'o'),
    }));
    ASSERT_EQ(reading.records.recordCount(), 1);
    EXPECT_EQ(reading.records.getString(0, "ItemName"), std::string(511, 'n'));
    EXPECT_EQ(reading.records.getString(0, "ItemApp").size(), 511u);
    EXPECT_EQ(reading.records.getString(0, "ItemDir"), std::string(510, 'd'));  // never half a character
    EXPECT_EQ(reading.records.getString(0, "ItemOption"), std::string(511, 'o'));
}

TEST(DataFileReading, UnsoundLinesAreSkippedAndUnknownKeysKeptButNotWritten) {
    const auto reading = readDataFile(crlfLines({
        "[100]", "0:ItemName=a", "0:ItemLevel=1", "0:" + std::string(510, 'k') + "=e",  // "=" at position 512
        "0:" + std::string(509, 'k') + "=f",                                            // "=" at 511: sound
        "x:ItemComment=first",  // reads as record 0, as atoi would
        "-1:ItemName=b",        // no record of its own
        "0:ItemComment=second", "0:ItemPriority=", "0:ItemColour=red",
        std::string("0:ItemDir=D:\\x\0junk", 19),  // C string functions end at the NUL
    }));
    ASSERT_EQ(reading.records.recordCount(), 1);
    EXPECT_EQ(reading.records.pairCount(0), 8u);
    EXPECT_EQ(reading.records.getString(0, "ItemDir"), "D:\\x");
    EXPECT_EQ(reading.records.getString(0, std::string(509, 'k')), "f");
    EXPECT_EQ(reading.records.getString(0, "ItemComment"), "first");
    EXPECT_EQ(reading.records.getInt(0, "ItemPriority", 42), 42);  // the empty value reads as missing
    EXPECT_EQ(reading.records.getString(0, "ItemColour"), "red");
    EXPECT_EQ(writeItemTree(ItemStore(reading.records)).find("Colour"), std::string::npos);
}

TEST(DataFileReading, LinesOfAnEarlierRecordJoinItInFileOrder) {
    const auto reading = readDataFile(crlfLines(
        {"[100]", "0:ItemName=a", "1:ItemName=b", "0:ItemLevel=1", "1:ItemLevel=2", "0:ItemComment=c"}));
    ASSERT_EQ(reading.records.recordCount(), 2);
    EXPECT_EQ(reading.records.pairCount(0), 3u);
    EXPECT_EQ(reading.records.key(0, 2), "ItemComment");
    EXPECT_EQ(reading.records.key(1, 1), "ItemLevel");
}

TEST(DataFileOldFormat, ConvertsSuffixNumbersPastNine) {
    std::string old;
    std::string expected = "[100]\r\n";
    for (int record = 0; record <= 10; ++record) {
        const std::string n = std::to_string(record);
        const char name = static_cast<char>('a' + record);
        old += "ItemName" + n + "=" + name + "\r\n";
        expected += n + ":ItemName=" + name + "\r\n";
    }
    const DataFileReading reading = readDataFile(old);
    ASSERT_TRUE(reading.convertedFromOldFormat);
    EXPECT_EQ(reading.convertedText, expected);
}

TEST(DataFileOldFormat, ConvertsWholeRecordsAndSkipsAForeignHeader) {
    const DataFileReading reading = readDataFile(
        "[99]\nItemName0=tools\nItemType0=2\nItemLevel0=1\n# "
        "note\nItemName1=メモ帳\nItemApp1=C:\\表\\memo.exe\n"
        "ItemLevel1=2\nItemType1=4\n");
    ASSERT_TRUE(reading.convertedFromOldFormat);
    EXPECT_EQ(reading.convertedText,
              crlfLines({"[100]", "0:ItemName=tools", "0:ItemType=2", "0:ItemLevel=1", "1:ItemName=メモ帳",
                         "1:ItemApp=C:\\表\\memo.exe", "1:ItemLevel=2", "1:ItemType=4"}));
    const ItemStore store(reading.records);
    EXPECT_EQ(store.findByName("メモ帳")->parent()->name(), "tools");
}

}  // namespace
}  // namespace zek::data
