#include "core/data/item_store_file.h"

#include <gtest/gtest.h>

#include <map>
#include <new>
#include <set>

#include "core/data/data_file_writer.h"
#include "item_test_support.h"

namespace zek::data {
namespace {

using test::crlfLines;
using test::item;

const std::string kDat = "C:\\Zek\\ZekLauncher.dat";
const std::string kCurrent = crlfLines({"[100]", "0:ItemName=command", "0:ItemType=1", "0:ItemLevel=1",
                                        "1:ItemName=mail", "1:ItemType=4", "1:ItemLevel=1"});
const std::string kOldFormat = "ItemName0=mail\r\nItemType0=4\r\nItemLevel0=1\r\n";
const std::string kDamaged = std::string("\x81\xFF garbage\r\n\0\0\0", 15) + "more garbage without a pair";

// Files in memory, with the storage's promises kept and failures on request, to see
// that no failure costs a file. The Win32 storage is held to the same promises on disk.
class MemoryStorage final : public DataFileStorage {
  public:
    std::map<std::string, std::string> files;
    std::set<std::string> unreadable;
    bool outOfMemory = false;
    bool failReplace = false;
    bool failMove = false;
    bool asideNamesTaken = false;
    int writes = 0;

    WholeFile readWholeFile(const std::string& path) override {
        if (outOfMemory) {
            throw std::bad_alloc();
        }
        if (unreadable.contains(path)) {
            return {WholeFile::Status::Unreadable, {}};
        }
        const auto found = files.find(path);
        return found == files.end() ? WholeFile{} : WholeFile{WholeFile::Status::Read, found->second};
    }
    bool exists(const std::string& path) override {
        return asideNamesTaken || files.contains(path) || unreadable.contains(path);
    }
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

TEST_F(ItemStoreFileTest, FirstSaveCreatesTheFileLaterSavesKeepABackup) {
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
    EXPECT_EQ(storage.files.at(kDat), kOldFormat);

    storage.failReplace = false;
    EXPECT_NE(file.load()->findByName("mail"), nullptr);
    EXPECT_TRUE(file.lastLoad().conversionWritten);
    EXPECT_EQ(storage.files.at(kDat),
              crlfLines({"[100]", "0:ItemName=mail", "0:ItemType=4", "0:ItemLevel=1"}));
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
    EXPECT_FALSE(file.lastLoad().convertedFromOldFormat);
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
    storage.unreadable.insert(kDat);
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

TEST_F(ItemStoreFileTest, FailedSaveLeavesTheFileAsItWas) {
    storage.files[kDat] = kCurrent;
    auto store = file.load();
    store->addToRoot(store->createItem(item(ItemType::RootItem, "new")));
    storage.failReplace = true;
    EXPECT_EQ(file.save(*store), SaveResult::WriteFailed);
    EXPECT_EQ(storage.files, (std::map<std::string, std::string>{{kDat, kCurrent}}));
}

TEST_F(ItemStoreFileTest, UnknownFolderWritesNothing) {
    ItemStoreFile nowhere(storage, std::nullopt);
    auto store = nowhere.load();
    EXPECT_EQ(store->count(), 9);
    EXPECT_EQ(nowhere.save(*store), SaveResult::NoPath);
    EXPECT_EQ(ItemStoreFile(storage, "").save(*store), SaveResult::NoPath);
    EXPECT_TRUE(storage.files.empty());
}

}  // namespace
}  // namespace zek::data
