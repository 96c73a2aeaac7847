#include "win32/data/data_file_storage_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "driver/files.h"
#include "win32/platform/unique_handle.h"

namespace zek::win32 {
namespace {

using data::WholeFile;
using e2e::isAbsent;
using e2e::isFile;
using e2e::isFolder;
using e2e::TestFolder;

// All of a literal, NULs included.
template <std::size_t N>
std::string bytesOf(const char (&text)[N]) {
    return std::string(text, N - 1);
}

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
    // and a last line without a line end.
    const std::string content = bytesOf("[100]\r\n0:ItemName=\x95\x5C\x1A\0x\n\r\n0:ItemHotKey2=78");
    ASSERT_TRUE(e2e::writeFileBytes(dat, content));
    WholeFile file = storage.readWholeFile(dat);
    EXPECT_EQ(file.status, WholeFile::Status::Read);
    EXPECT_EQ(file.bytes, content);

    ASSERT_TRUE(e2e::writeFileBytes(dat, ""));
    file = storage.readWholeFile(dat);
    EXPECT_EQ(file.status, WholeFile::Status::Read);
    EXPECT_EQ(file.bytes, "");

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
    {
        const UniqueFileHandle reader = openExisting(dat, GENERIC_READ, FILE_SHARE_READ);
        ASSERT_TRUE(reader);
        EXPECT_EQ(storage.readWholeFile(dat).status, WholeFile::Status::Read);
    }
}

TEST_F(DataFileOnDisk, ExistsForFilesAndFolders) {
    ASSERT_TRUE(e2e::writeFileBytes(dat, "x"));
    EXPECT_TRUE(storage.exists(dat));
    EXPECT_TRUE(storage.exists(folder.path()));
    EXPECT_FALSE(storage.exists(bak));
    EXPECT_FALSE(storage.exists(folder.file("no folder\\x.dat")));
}

TEST_F(DataFileOnDisk, EachReplacementKeepsThePreviousFileAsTheBackup) {
    ASSERT_TRUE(storage.replaceWithBackup(dat, "one\r\n", bak));
    EXPECT_EQ(e2e::readFileBytes(dat), "one\r\n");
    EXPECT_TRUE(isAbsent(bak));  // there was nothing to keep

    ASSERT_TRUE(storage.replaceWithBackup(dat, "two\r\n", bak));
    EXPECT_EQ(e2e::readFileBytes(dat), "two\r\n");
    EXPECT_EQ(e2e::readFileBytes(bak), "one\r\n");

    ASSERT_TRUE(storage.replaceWithBackup(dat, bytesOf("three\0\x1A"), bak));
    EXPECT_EQ(e2e::readFileBytes(dat), bytesOf("three\0\x1A"));
    EXPECT_EQ(e2e::readFileBytes(bak), "two\r\n");

    ASSERT_TRUE(storage.replaceWithBackup(dat, "", ""));  // no backup asked for
    EXPECT_EQ(e2e::readFileBytes(dat), "");
    EXPECT_EQ(e2e::readFileBytes(bak), "two\r\n");

    EXPECT_TRUE(isAbsent(fresh));
    EXPECT_TRUE(isAbsent(bak + ".new"));
}

TEST_F(DataFileOnDisk, AFailedReplacementLeavesTheFileAsItWas) {
    const auto expectUntouched = [&](const char* step) {
        EXPECT_EQ(e2e::readFileBytes(dat), "old\r\n") << step;
        EXPECT_EQ(e2e::readFileBytes(bak), "older\r\n") << step;
        EXPECT_TRUE(isAbsent(bak + ".new")) << step;
    };
    ASSERT_TRUE(e2e::writeFileBytes(dat, "old\r\n"));
    ASSERT_TRUE(e2e::writeFileBytes(bak, "older\r\n"));

    // The new content cannot be written beside the file.
    ASSERT_TRUE(::CreateDirectoryA(fresh.c_str(), nullptr));
    EXPECT_FALSE(storage.replaceWithBackup(dat, "new\r\n", bak));
    expectUntouched("new file blocked");
    EXPECT_TRUE(isFolder(fresh));  // not ours to remove
    ASSERT_TRUE(::RemoveDirectoryA(fresh.c_str()));

    // The backup cannot be written.
    ASSERT_TRUE(::CreateDirectoryA((bak + ".new").c_str(), nullptr));
    EXPECT_FALSE(storage.replaceWithBackup(dat, "new\r\n", bak));
    EXPECT_EQ(e2e::readFileBytes(dat), "old\r\n");
    EXPECT_EQ(e2e::readFileBytes(bak), "older\r\n");
    EXPECT_TRUE(isAbsent(fresh));
    ASSERT_TRUE(::RemoveDirectoryA((bak + ".new").c_str()));

    // The backup cannot be replaced.
    const std::string otherBackup = folder.file("backup folder");
    ASSERT_TRUE(::CreateDirectoryA(otherBackup.c_str(), nullptr));
    EXPECT_FALSE(storage.replaceWithBackup(dat, "new\r\n", otherBackup));
    expectUntouched("backup is a folder");
    EXPECT_TRUE(isFolder(otherBackup));
    EXPECT_TRUE(isAbsent(otherBackup + ".new"));
    EXPECT_TRUE(isAbsent(fresh));

    // The file cannot be read to keep it as the backup.
    {
        const UniqueFileHandle writer = openExisting(dat, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE);
        ASSERT_TRUE(writer);
        EXPECT_FALSE(storage.replaceWithBackup(dat, "new\r\n", bak));
    }
    expectUntouched("file held open for writing");
    EXPECT_TRUE(isAbsent(fresh));

    // The file is open in another program that does not let it be replaced. The
    // backup already holds the current content then, which is not lost either way.
    {
        const UniqueFileHandle reader = openExisting(dat, GENERIC_READ, FILE_SHARE_READ);
        ASSERT_TRUE(reader);
        EXPECT_FALSE(storage.replaceWithBackup(dat, "new\r\n", bak));
    }
    EXPECT_EQ(e2e::readFileBytes(dat), "old\r\n");
    EXPECT_EQ(e2e::readFileBytes(bak), "old\r\n");
    EXPECT_TRUE(isAbsent(fresh));
    ASSERT_TRUE(e2e::writeFileBytes(bak, "older\r\n"));

    // A folder where the file should be: it cannot be replaced, with or without backup.
    const std::string target = folder.file("target");
    ASSERT_TRUE(::CreateDirectoryA(target.c_str(), nullptr));
    EXPECT_FALSE(storage.replaceWithBackup(target, "new\r\n", target + ".bak"));
    EXPECT_FALSE(storage.replaceWithBackup(target, "new\r\n", ""));
    EXPECT_TRUE(isFolder(target));
    EXPECT_TRUE(isAbsent(target + ".new"));
    EXPECT_TRUE(isAbsent(target + ".bak"));

    // No folder to write in.
    EXPECT_FALSE(storage.replaceWithBackup(folder.file("no folder\\x.dat"), "new\r\n", bak));
    expectUntouched("no folder");
}

TEST_F(DataFileOnDisk, MovingAsideNeverOverwrites) {
    const std::string aside = dat + ".unreadable";
    ASSERT_TRUE(e2e::writeFileBytes(dat, "damaged"));
    ASSERT_TRUE(storage.moveAside(dat, aside));
    EXPECT_TRUE(isAbsent(dat));
    EXPECT_EQ(e2e::readFileBytes(aside), "damaged");

    ASSERT_TRUE(e2e::writeFileBytes(dat, "second"));
    EXPECT_FALSE(storage.moveAside(dat, aside));
    EXPECT_EQ(e2e::readFileBytes(dat), "second");
    EXPECT_EQ(e2e::readFileBytes(aside), "damaged");

    EXPECT_FALSE(storage.moveAside(folder.file("missing.dat"), folder.file("missing.aside")));
    EXPECT_TRUE(isAbsent(folder.file("missing.aside")));
    EXPECT_TRUE(isFile(dat));
}

}  // namespace
}  // namespace zek::win32
