#include "core/data/data_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <new>

#include "core/data/config_paths.h"
#include "core/data/data_file_writer.h"
#include "core/data/item_store_file.h"
#include "item_test_support.h"

namespace zek::data {
namespace {

using namespace test;
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

// Also with bare LF line ends and no final line end.
TEST(DataFileWorkedExample, SavesByteForByteAndReadsBackToTheSameBytes) {
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
    const auto loaded = storeFromFile(kWorkedExample);
    expectStoreInvariants(*loaded);
    EXPECT_EQ(writeItemTree(*loaded), kWorkedExample);
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
        // are in the flat list (see the invariants) but in no tree.
        EXPECT_EQ(store->commandNode()->parent(), nullptr);
        EXPECT_TRUE(store->collectByName("list").empty());
        expectStoreInvariants(*store);
        EXPECT_THAT(namesOf(store->root()->children()), ElementsAre("a"));
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
    expectStoreInvariants(*store);
}

// The one built-in node is placed once, and nothing a save would skip comes from
// the file, so a save keeps every record with what lies below it.
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
    EXPECT_THAT(namesOf(commands[1]->children()), ElementsAre("kept"));
    const auto exits = store->collectByName("exit");
    ASSERT_EQ(exits.size(), 1u);
    EXPECT_EQ(exits[0]->type(), ItemType::DataItem);
    EXPECT_THAT(namesOf(exits[0]->children()), ElementsAre("under"));
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

TEST(DataFileOldFormat, ConvertsWholeRecordsPastNineAndSkipsAForeignHeader) {
    std::string old =
        "[99]\nItemName0=tools\nItemType0=2\nItemLevel0=1\n# note\nItemName1=メモ帳\n"
        "ItemApp1=C:\\表\\memo.exe\nItemLevel1=2\nItemType1=4\n";
    std::string expected =
        crlfLines({"[100]", "0:ItemName=tools", "0:ItemType=2", "0:ItemLevel=1", "1:ItemName=メモ帳",
                   "1:ItemApp=C:\\表\\memo.exe", "1:ItemLevel=2", "1:ItemType=4"});
    for (int record = 2; record <= 10; ++record) {
        const std::string n = std::to_string(record);
        old += "ItemName" + n + "=n" + n + "\r\n";
        expected += n + ":ItemName=n" + n + "\r\n";
    }
    const DataFileReading reading = readDataFile(old);
    ASSERT_TRUE(reading.convertedFromOldFormat);
    EXPECT_EQ(reading.convertedText, expected);
    const ItemStore store(reading.records);
    EXPECT_EQ(store.findByName("メモ帳")->parent()->name(), "tools");
}

const std::string kDat = "C:\\Zek\\ZekLauncher.dat";
const std::string kCurrent = crlfLines({"[100]", "0:ItemName=command", "0:ItemType=1", "0:ItemLevel=1",
                                        "1:ItemName=mail", "1:ItemType=4", "1:ItemLevel=1"});
const std::string kOldFormat = "ItemName0=mail\r\nItemType0=4\r\nItemLevel0=1\r\n";
const std::string kDamaged = std::string("\x81\xFF garbage\r\n\0\0\0", 15) + "more garbage without a pair";

// The storage's promises in memory, failures on request (the Win32 one is held to them on disk).
class MemoryStorage final : public DataFileStorage {
  public:
    std::map<std::string, std::string> files;
    bool locked = false;
    bool outOfMemory = false;
    bool failReplace = false;
    bool failMove = false;
    bool asideNamesTaken = false;
    int writes = 0;

    WholeFile readWholeFile(const std::string& path) override {
        if (outOfMemory) {
            throw std::bad_alloc();
        }
        if (locked) {
            return {WholeFile::Status::Unreadable, {}};
        }
        const auto found = files.find(path);
        return found == files.end() ? WholeFile{} : WholeFile{WholeFile::Status::Read, found->second};
    }
    bool exists(const std::string& path) override { return asideNamesTaken || files.contains(path); }
    bool replaceWithBackup(const std::string& path, std::string_view content,
                           const std::string& backupPath) override {
        if (failReplace) {
            return false;
        }
        ++writes;
        if (files.contains(path) && !backupPath.empty()) {
            files[backupPath] = files[path];
        }
        files[path] = std::string(content);
        return true;
    }
    bool moveAside(const std::string& path, const std::string& asidePath) override {
        if (failMove || files.contains(asidePath)) {
            return false;
        }
        files[asidePath] = files[path];
        files.erase(path);
        return true;
    }
};

class ItemStoreFileTest : public ::testing::Test {
  protected:
    MemoryStorage storage;
    ItemStoreFile file{storage, kDat};
};

TEST_F(ItemStoreFileTest, FirstSaveCreatesTheFileLaterSavesKeepABackupAndAFailureIsReported) {
    auto store = file.load();
    EXPECT_EQ(file.lastLoad().fileStatus, WholeFile::Status::Missing);
    EXPECT_TRUE(storage.files.empty());  // loading never writes a missing file
    EXPECT_EQ(file.save(*store), SaveResult::Written);
    const std::string first = storage.files.at(kDat);
    EXPECT_EQ(first, writeItemTree(*store));
    EXPECT_FALSE(storage.files.contains(kDat + ".bak"));

    store->addToRoot(store->createItem(item(ItemType::RootItem, "tools")));
    EXPECT_EQ(file.save(*store), SaveResult::Written);
    EXPECT_EQ(storage.files.at(kDat + ".bak"), first);
    storage.failReplace = true;
    EXPECT_EQ(file.save(*store), SaveResult::WriteFailed);
}

TEST_F(ItemStoreFileTest, CurrentEmptyAndHeaderOnlyFilesAreLoadedWithoutWriting) {
    for (const std::string& bytes :
         {kCurrent, std::string(), std::string("[100]\r\n\r\n"), std::string("[100]")}) {
        SCOPED_TRACE(bytes);
        storage.files = {{kDat, bytes}};
        auto store = file.load();
        EXPECT_EQ(store->itemsFromFile(), bytes == kCurrent ? 2 : 0);
        EXPECT_EQ(file.lastLoad().keptAsidePath, "");
        EXPECT_EQ(storage.files, (std::map<std::string, std::string>{{kDat, bytes}}));
    }
    EXPECT_EQ(storage.writes, 0);
}

TEST_F(ItemStoreFileTest, OldFormatIsConvertedOnDiskAndKeptAsBackup) {
    storage.files[kDat] = kOldFormat;
    storage.failReplace = true;  // a failed conversion keeps the old file and the converted tree
    EXPECT_NE(file.load()->findByName("mail"), nullptr);
    EXPECT_TRUE(file.lastLoad().convertedFromOldFormat);
    EXPECT_FALSE(file.lastLoad().conversionWritten);

    storage.failReplace = false;
    EXPECT_NE(file.load()->findByName("mail"), nullptr);
    EXPECT_TRUE(file.lastLoad().conversionWritten);
    EXPECT_EQ(storage.files.at(kDat), readDataFile(kOldFormat).convertedText);
    EXPECT_EQ(storage.files.at(kDat + ".bak"), kOldFormat);

    ItemStoreFile again(storage, kDat);
    again.load();
    EXPECT_FALSE(again.lastLoad().convertedFromOldFormat);
    EXPECT_EQ(storage.writes, 1);
}

TEST_F(ItemStoreFileTest, DamagedFileIsKeptAsideNotOverwritten) {
    storage.files[kDat] = kDamaged;
    auto store = file.load();
    EXPECT_EQ(store->count(), 9);  // the default tree
    EXPECT_EQ(file.lastLoad().keptAsidePath, kDat + ".unreadable");
    EXPECT_EQ(storage.files.at(kDat + ".unreadable"), kDamaged);
    EXPECT_FALSE(storage.files.contains(kDat));
    EXPECT_EQ(file.save(*store), SaveResult::Written);
    EXPECT_EQ(storage.files.at(kDat + ".unreadable"), kDamaged);

    // A second damaged file does not take the first one's place.
    storage.files[kDat] = "second damage";
    ItemStoreFile later(storage, kDat);
    later.load();
    EXPECT_EQ(later.lastLoad().keptAsidePath, kDat + ".unreadable1");
    EXPECT_EQ(storage.files.at(kDat + ".unreadable1"), "second damage");
    EXPECT_EQ(storage.files.at(kDat + ".unreadable"), kDamaged);
}

TEST_F(ItemStoreFileTest, AFileThatCannotBeReadOrSetAsideIsNeverOverwritten) {
    storage.files[kDat] = kDamaged;
    storage.failMove = true;
    auto store = file.load();
    EXPECT_EQ(file.lastLoad().keptAsidePath, "");
    EXPECT_EQ(file.save(*store), SaveResult::Blocked);
    storage.failMove = false;
    storage.asideNamesTaken = true;  // nor when no name beside it is free
    ItemStoreFile crowded(storage, kDat);
    EXPECT_EQ(crowded.save(*crowded.load()), SaveResult::Blocked);
    EXPECT_EQ(storage.files.at(kDat), kDamaged);
    // A locked file, or one too large for the memory at hand.
    storage.files.clear();
    storage.locked = true;
    for (const bool outOfMemory : {false, true}) {
        storage.outOfMemory = outOfMemory;
        ItemStoreFile locked(storage, kDat);
        store = locked.load();
        EXPECT_EQ(locked.lastLoad().fileStatus, WholeFile::Status::Unreadable);
        EXPECT_EQ(store->itemsFromFile(), 0);
        EXPECT_EQ(locked.save(*store), SaveResult::Blocked);
    }
    EXPECT_EQ(storage.writes, 0);
}

TEST_F(ItemStoreFileTest, UnknownFolderWritesNothing) {
    ItemStoreFile nowhere(storage, std::nullopt);
    auto store = nowhere.load();
    EXPECT_EQ(store->count(), 9);
    EXPECT_EQ(nowhere.save(*store), SaveResult::NoPath);
    EXPECT_EQ(ItemStoreFile(storage, "").save(*store), SaveResult::NoPath);
    EXPECT_TRUE(storage.files.empty());
}

TEST(ConfigPaths, BesideTheProgramOrNoneForAnUnknownProgram) {
    const ConfigPaths paths = configPathsFor("C:\\Tools\\Zek\\ZekLauncher.exe");
    EXPECT_EQ(paths.iniPath, "C:\\Tools\\Zek\\ZekLauncher.ini");
    EXPECT_EQ(paths.datPath, "C:\\Tools\\Zek\\ZekLauncher.dat");
    EXPECT_EQ(configPathsFor("D:\\予定表").iniPath, "D:\\ZekLauncher.ini");
    EXPECT_FALSE(configPathsFor(std::nullopt).iniPath.has_value());
    EXPECT_FALSE(configPathsFor("").datPath.has_value());
}

}  // namespace
}  // namespace zek::data
