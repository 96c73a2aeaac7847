#include "win32/data/data_file_storage_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "driver/files.h"
#include "win32/platform/unique_handle.h"

namespace zek::win32 {
namespace {

using data::WholeFile;
using e2e::fileExists;
using e2e::isFile;
using e2e::isFolder;
using e2e::TestFolder;

using namespace std::string_literals;  // NULs included

class DataFileOnDisk : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(folder.created()) << folder.path(); }

    UniqueFileHandle openExisting(const std::string& path, DWORD access, DWORD share) {
        return UniqueFileHandle(::CreateFileA(path.c_str(), access, share, nullptr, OPEN_EXISTING,
                                              FILE_ATTRIBUTE_NORMAL, nullptr));
    }

    TestFolder folder;
    Win32DataFileStorage storage;
    const std::string dat = folder.file("ZekLauncher.dat");
    const std::string bak = dat + ".bak";
    const std::string fresh = dat + ".new";
};

TEST_F(DataFileOnDisk, ReadsEveryByteAsItIsOnDisk) {
    // CR LF and a lone LF, a NUL, Ctrl-Z (which ends a text-mode read), Shift-JIS,
    // and a last line without a line end; and nothing at all.
    for (const std::string& content : {"[100]\r\n0:ItemName=\x95\x5C\x1A\0x\n\r\n0:ItemHotKey2=78"s, ""s}) {
        ASSERT_TRUE(e2e::writeFileBytes(dat, content));
        const WholeFile file = storage.readWholeFile(dat);
        EXPECT_EQ(file.status, WholeFile::Status::Read);
        EXPECT_EQ(file.bytes, content);
    }
    EXPECT_EQ(storage.readWholeFile(folder.file("missing.dat")).status, WholeFile::Status::Missing);
    EXPECT_EQ(storage.readWholeFile(folder.file("no folder\\x.dat")).status, WholeFile::Status::Missing);
    EXPECT_EQ(storage.readWholeFile(folder.path()).status, WholeFile::Status::Unreadable);
}

TEST_F(DataFileOnDisk, AFileBeingWrittenByOthersIsUnreadable) {
    ASSERT_TRUE(e2e::writeFileBytes(dat, "[100]\r\n"));
    {
        const UniqueFileHandle writer = openExisting(dat, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE);
        ASSERT_TRUE(writer);
        const WholeFile file = storage.readWholeFile(dat);
        EXPECT_EQ(file.status, WholeFile::Status::Unreadable);
        EXPECT_EQ(file.bytes, "");
    }
    const UniqueFileHandle reader = openExisting(dat, GENERIC_READ, FILE_SHARE_READ);
    ASSERT_TRUE(reader);
    EXPECT_EQ(storage.readWholeFile(dat).status, WholeFile::Status::Read);
    EXPECT_TRUE(storage.exists(dat));
    EXPECT_TRUE(storage.exists(folder.path()));
    EXPECT_FALSE(storage.exists(bak));
}

TEST_F(DataFileOnDisk, EachReplacementKeepsThePreviousFileAsTheBackup) {
    ASSERT_TRUE(storage.replaceWithBackup(dat, "one\r\n", bak));
    EXPECT_EQ(e2e::readFileBytes(dat), "one\r\n");
    EXPECT_FALSE(fileExists(bak));  // there was nothing to keep

    ASSERT_TRUE(storage.replaceWithBackup(dat, "two\r\n", bak));
    EXPECT_EQ(e2e::readFileBytes(dat), "two\r\n");
    EXPECT_EQ(e2e::readFileBytes(bak), "one\r\n");

    ASSERT_TRUE(storage.replaceWithBackup(dat, "three\0\x1A"s, bak));
    EXPECT_EQ(e2e::readFileBytes(dat), "three\0\x1A"s);
    EXPECT_EQ(e2e::readFileBytes(bak), "two\r\n");

    ASSERT_TRUE(storage.replaceWithBackup(dat, "", ""));  // no backup asked for
    EXPECT_EQ(e2e::readFileBytes(dat), "");
    EXPECT_EQ(e2e::readFileBytes(bak), "two\r\n");

    EXPECT_FALSE(fileExists(fresh));
    EXPECT_FALSE(fileExists(bak + ".new"));
}

// Each way a replacement can fail, with what is in the way: the file and its
// backup stay as they were, and nothing is left beside them.
TEST_F(DataFileOnDisk, AFailedReplacementLeavesTheFileAsItWas) {
    ASSERT_TRUE(e2e::writeFileBytes(dat, "old\r\n"));
    EXPECT_FALSE(storage.replaceWithBackup(folder.file("no folder\\x.dat"), "new\r\n", bak));
    EXPECT_FALSE(fileExists(bak));
    const std::string backupFolder = folder.file("backup folder");
    const struct {
        const char* what;
        std::string blocker;  // a folder made in the way
        std::string backup;
        DWORD holderAccess;  // another program's handle on the file; 0 for none
        DWORD holderSharing;
    } cases[] = {
        {"new file blocked", fresh, bak, 0, 0},
        {"new backup blocked", bak + ".new", bak, 0, 0},
        {"backup is a folder", backupFolder, backupFolder, 0, 0},
        {"file held open for writing", "", bak, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE},
        // The backup already holds the current content then, which is not lost either way.
        {"file open elsewhere, not to be replaced", "", bak, GENERIC_READ, FILE_SHARE_READ},
    };
    for (const auto& [what, blocker, backup, holderAccess, holderSharing] : cases) {
        SCOPED_TRACE(what);
        ASSERT_TRUE(e2e::writeFileBytes(bak, "older\r\n"));
        ASSERT_TRUE(blocker.empty() || ::CreateDirectoryA(blocker.c_str(), nullptr));
        {
            const UniqueFileHandle holder =
                holderAccess != 0 ? openExisting(dat, holderAccess, holderSharing) : UniqueFileHandle{};
            EXPECT_FALSE(storage.replaceWithBackup(dat, "new\r\n", backup));
        }
        EXPECT_EQ(e2e::readFileBytes(dat), "old\r\n");
        EXPECT_EQ(e2e::readFileBytes(bak), holderSharing == FILE_SHARE_READ ? "old\r\n" : "older\r\n");
        EXPECT_TRUE(blocker.empty() || isFolder(blocker));  // not ours to remove
        for (const std::string& leftover : {fresh, bak + ".new", backupFolder + ".new"}) {
            EXPECT_TRUE(leftover == blocker || !fileExists(leftover)) << leftover;
        }
        ASSERT_TRUE(blocker.empty() || ::RemoveDirectoryA(blocker.c_str()));
    }

    // A folder where the file should be: it cannot be replaced, with or without backup.
    const std::string target = folder.file("target");
    ASSERT_TRUE(::CreateDirectoryA(target.c_str(), nullptr));
    EXPECT_FALSE(storage.replaceWithBackup(target, "new\r\n", target + ".bak"));
    EXPECT_FALSE(storage.replaceWithBackup(target, "new\r\n", ""));
    EXPECT_TRUE(isFolder(target));
    EXPECT_FALSE(fileExists(target + ".new"));
    EXPECT_FALSE(fileExists(target + ".bak"));
}

TEST_F(DataFileOnDisk, MovingAsideNeverOverwrites) {
    const std::string aside = dat + ".unreadable";
    ASSERT_TRUE(e2e::writeFileBytes(dat, "damaged"));
    ASSERT_TRUE(storage.moveAside(dat, aside));
    EXPECT_FALSE(fileExists(dat));
    EXPECT_EQ(e2e::readFileBytes(aside), "damaged");

    ASSERT_TRUE(e2e::writeFileBytes(dat, "second"));
    EXPECT_FALSE(storage.moveAside(dat, aside));
    EXPECT_EQ(e2e::readFileBytes(dat), "second");
    EXPECT_EQ(e2e::readFileBytes(aside), "damaged");

    EXPECT_FALSE(storage.moveAside(folder.file("missing.dat"), folder.file("missing.aside")));
    EXPECT_FALSE(fileExists(folder.file("missing.aside")));
    EXPECT_TRUE(isFile(dat));
}

}  // namespace
}  // namespace zek::win32
