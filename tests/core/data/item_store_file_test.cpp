#include "data/item_store_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "data/data_file_writer.h"
#include "filesystem_storage.h"
#include "item_test_support.h"

namespace zek::data {
namespace {

using test::crlfLines;
using test::item;

const std::string kCurrent = crlfLines({"[100]", "0:ItemName=command", "0:ItemType=1", "0:ItemLevel=1",
                                        "1:ItemName=mail", "1:ItemType=4", "1:ItemLevel=1"});
const std::string kOldFormat = "ItemName0=mail\r\nItemType0=4\r\nItemLevel0=1\r\n";
const std::string kDamaged = std::string("\x81\xFF garbage\r\n\0\0\0", 15) + "more garbage without a pair";

class OnDisk : public ::testing::Test {
  protected:
    void SetUp() override {
        directory = std::filesystem::temp_directory_path() /
                    ("zek_data_file_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                     "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(directory);
        std::filesystem::create_directories(directory);
        dat = (directory / "ZekLauncher.dat").string();
    }
    void TearDown() override { std::filesystem::remove_all(directory); }

    void write(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    std::string read(const std::string& path) {
        WholeFile file = storage.readWholeFile(path);
        EXPECT_EQ(file.status, WholeFile::Status::Read) << path;
        return file.bytes;
    }
    bool exists(const std::string& path) { return std::filesystem::exists(path); }

    std::filesystem::path directory;
    std::string dat;
    test::FilesystemStorage storage;
};

TEST_F(OnDisk, FirstSaveCreatesTheFileLaterSavesKeepABackup) {
    ItemStoreFile file(storage, dat);
    auto store = file.load();
    EXPECT_EQ(file.lastLoad().fileStatus, WholeFile::Status::Missing);
    EXPECT_FALSE(exists(dat));  // loading never writes a missing file
    EXPECT_EQ(file.save(*store), SaveResult::Written);
    const std::string first = read(dat);
    EXPECT_EQ(first, writeItemTree(*store));
    EXPECT_FALSE(exists(dat + ".bak"));

    store->addToRoot(store->createItem(item(ItemType::RootItem, "tools")));
    EXPECT_EQ(file.save(*store), SaveResult::Written);
    EXPECT_EQ(read(dat + ".bak"), first);
    EXPECT_EQ(read(dat), writeItemTree(*store));
    EXPECT_FALSE(exists(dat + ".new"));
}

TEST_F(OnDisk, CurrentFileIsNotTouchedByLoading) {
    write(dat, kCurrent);
    const auto before = std::filesystem::last_write_time(dat);
    ItemStoreFile file(storage, dat);
    auto store = file.load();
    EXPECT_EQ(store->itemsFromFile(), 2);
    EXPECT_EQ(read(dat), kCurrent);
    EXPECT_EQ(std::filesystem::last_write_time(dat), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(directory), {}), 1);
}

TEST_F(OnDisk, OldFormatIsConvertedOnDiskAndKeptAsBackup) {
    write(dat, kOldFormat);
    ItemStoreFile file(storage, dat);
    auto store = file.load();
    EXPECT_TRUE(file.lastLoad().convertedFromOldFormat);
    EXPECT_TRUE(file.lastLoad().conversionWritten);
    EXPECT_EQ(read(dat), crlfLines({"[100]", "0:ItemName=mail", "0:ItemType=4", "0:ItemLevel=1"}));
    EXPECT_EQ(read(dat + ".bak"), kOldFormat);
    ASSERT_NE(store->findByName("mail"), nullptr);

    ItemStoreFile again(storage, dat);
    again.load();
    EXPECT_FALSE(again.lastLoad().convertedFromOldFormat);
    EXPECT_EQ(read(dat + ".bak"), kOldFormat);
}

TEST_F(OnDisk, DamagedFileIsKeptAsideNotOverwritten) {
    write(dat, kDamaged);
    ItemStoreFile file(storage, dat);
    auto store = file.load();
    EXPECT_EQ(store->count(), 9);  // the default tree
    EXPECT_EQ(file.lastLoad().keptAsidePath, dat + ".unreadable");
    EXPECT_EQ(read(dat + ".unreadable"), kDamaged);
    EXPECT_FALSE(exists(dat));
    EXPECT_EQ(file.save(*store), SaveResult::Written);
    EXPECT_EQ(read(dat + ".unreadable"), kDamaged);

    // A second damaged file does not take the first one's place.
    write(dat, "second damage");
    ItemStoreFile later(storage, dat);
    later.load();
    EXPECT_EQ(later.lastLoad().keptAsidePath, dat + ".unreadable1");
    EXPECT_EQ(read(dat + ".unreadable1"), "second damage");
    EXPECT_EQ(read(dat + ".unreadable"), kDamaged);
}

TEST_F(OnDisk, EmptyAndHeaderOnlyFilesAreNoDamage) {
    for (const std::string& bytes : {std::string(), std::string("[100]\r\n"), std::string("[100]")}) {
        write(dat, bytes);
        ItemStoreFile file(storage, dat);
        file.load();
        EXPECT_EQ(file.lastLoad().keptAsidePath, "") << bytes;
        EXPECT_EQ(read(dat), bytes);
    }
}

// Storage in memory that can be told to fail, to see that no failure costs a file.
class FailingStorage final : public DataFileStorage {
  public:
    std::map<std::string, std::string> files;
    std::set<std::string> unreadable;
    bool failReplace = false;
    bool failMove = false;
    int writes = 0;

    WholeFile readWholeFile(const std::string& path) override {
        if (unreadable.contains(path)) {
            return {WholeFile::Status::Unreadable, {}};
        }
        const auto found = files.find(path);
        if (found == files.end()) {
            return {};
        }
        return {WholeFile::Status::Read, found->second};
    }
    bool exists(const std::string& path) override {
        return files.contains(path) || unreadable.contains(path);
    }
    bool replaceWithBackup(const std::string& path, std::string_view content,
                           const std::string& backupPath) override {
        if (failReplace) {
            return false;
        }
        ++writes;
        if (files.contains(path)) {
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

TEST(StorageFailures, FailedSaveLeavesTheFileAsItWas) {
    FailingStorage storage;
    storage.files["ZekLauncher.dat"] = kCurrent;
    ItemStoreFile file(storage, "ZekLauncher.dat");
    auto store = file.load();
    EXPECT_EQ(storage.writes, 0);
    store->addToRoot(store->createItem(item(ItemType::RootItem, "new")));
    storage.failReplace = true;
    EXPECT_EQ(file.save(*store), SaveResult::WriteFailed);
    EXPECT_EQ(storage.files["ZekLauncher.dat"], kCurrent);
    EXPECT_FALSE(storage.files.contains("ZekLauncher.dat.bak"));
}

TEST(StorageFailures, FailedConversionKeepsTheOldFileAndTheConvertedTree) {
    FailingStorage storage;
    storage.files["ZekLauncher.dat"] = kOldFormat;
    storage.failReplace = true;
    ItemStoreFile file(storage, "ZekLauncher.dat");
    auto store = file.load();
    EXPECT_TRUE(file.lastLoad().convertedFromOldFormat);
    EXPECT_FALSE(file.lastLoad().conversionWritten);
    EXPECT_NE(store->findByName("mail"), nullptr);
    EXPECT_EQ(storage.files["ZekLauncher.dat"], kOldFormat);
}

TEST(StorageFailures, FileThatCannotBeSetAsideIsNeverOverwritten) {
    FailingStorage storage;
    storage.files["ZekLauncher.dat"] = kDamaged;
    storage.failMove = true;
    ItemStoreFile file(storage, "ZekLauncher.dat");
    auto store = file.load();
    EXPECT_EQ(file.lastLoad().keptAsidePath, "");
    EXPECT_EQ(file.save(*store), SaveResult::Blocked);
    EXPECT_EQ(storage.files["ZekLauncher.dat"], kDamaged);
}

TEST(StorageFailures, FileThatCannotBeReadIsNeverOverwritten) {
    FailingStorage storage;
    storage.unreadable.insert("ZekLauncher.dat");
    ItemStoreFile file(storage, "ZekLauncher.dat");
    auto store = file.load();
    EXPECT_EQ(file.lastLoad().fileStatus, WholeFile::Status::Unreadable);
    EXPECT_EQ(store->count(), 9);
    EXPECT_EQ(file.save(*store), SaveResult::Blocked);
    EXPECT_EQ(storage.writes, 0);
}

TEST(StorageFailures, UnknownFolderWritesNothing) {
    FailingStorage storage;
    ItemStoreFile file(storage, std::nullopt);
    auto store = file.load();
    EXPECT_EQ(store->count(), 9);
    EXPECT_EQ(file.save(*store), SaveResult::NoPath);
    EXPECT_TRUE(storage.files.empty());
}

}  // namespace
}  // namespace zek::data
