#include "win32/data/profile_store_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "../core/data/profile_double.h"
#include "../core/data/settings_snapshot.h"
#include "core/data/launcher_settings.h"
#include "driver/files.h"

namespace zek::win32 {
namespace {

using data::LauncherSettings;
using e2e::fileExists;
using e2e::isFile;
using e2e::isFolder;
using e2e::TestFolder;
using zek::test::Snapshot;
using zek::test::snapshotOf;

// In a folder named in Shift-JIS, as the program's own folder may be.
class SettingsOnDisk : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(folder.created()) << folder.path(); }

    TestFolder folder{"_設定表"};
    Win32ProfileStore profile;
    const std::string ini = folder.file("ZekLauncher.ini");
    const std::string aside = ini + ".tmp";
};

// The core's tests run on an in-memory double of the profile functions; what they
// prove holds only as far as the double reads and writes files the way the system
// does. Each file (none: no file) is loaded, edited and saved through both. The
// system caches profile files: one case's keys must not come back in the next
// case's save, after the file was deleted and built anew.
TEST_F(SettingsOnDisk, TheCoreTestsDoubleReadsAndWritesAsTheSystemDoes) {
    using Edit = std::function<void(LauncherSettings&)>;
    const Edit none = [](LauncherSettings&) {};
    const struct {
        std::optional<std::string> file;
        Edit edit;
    } cases[] = {
        {std::nullopt, none},
        {std::nullopt,
         [](LauncherSettings& settings) {
             ASSERT_TRUE(settings.setFiler("C:\\Tools\\filer.exe", "/n"));
             ASSERT_TRUE(settings.addAssociation("txt", "C:\\Windows\\notepad.exe", ""));
         }},
        // Texts the profile functions would alter unless quoted.
        {std::nullopt,
         [](LauncherSettings& settings) {
             for (const char* awkward : {" lead", "trail\t", "\"quoted\"", "'single'", "\x81\x40wide",
                                         "wide\x81\x40", "\"", "\"\"", " ", "a=b;c"}) {
                 ASSERT_TRUE(settings.addAssociation(awkward, "C:\\a.exe", awkward)) << awkward;
             }
             ASSERT_TRUE(settings.setFiler("C:\\f.exe", " -x "));
         }},
        // Sections and keys out of order, other case, unknown ones; hexadecimal, binary, octal.
        {"[ExtMode]\r\nOptionKey1=-n \"x\"\r\nPathKey1=C:\\\x95\x5C\\b.exe\r\nExtKey1=log\r\n"
         "PathKey0=C:\\a.exe\r\nExtKey0=txt\r\nFileAppOption=/e\r\nFileApp=C:\\f.exe\r\nUnknown=1\r\n"
         "[Other]\r\nA=1\r\n[mode]\r\nKey9=3\r\nmenutype=1\r\nTransparent=30\r\nCpu=60\r\nKey6=65\r\n"
         "Key5=0b10\r\nKey4=0o1\r\nKey3=0x70\r\nKey2=66\r\nKey1=4\r\n",
         none},
        // Numbers out of range, without digits, empty, signed, with blanks and a tail.
        {"[Mode]\r\nKey1=99999999999999999999\r\nKey2=-2147483648\r\nKey3=abc\r\nKey4=\r\nKey5=12abc\r\n"
         "Key6= -7 "
         "\r\nCpu=4294967295\r\nTransparent=+3\r\nMenuType=4294967297\r\n",
         none},
        // A gap in the numbering ends the list; an entry without application is skipped.
        {"[ExtMode]\r\nExtKey0=txt\r\nExtKey1=log\r\nPathKey1=C:\\v.exe\r\nExtKey3=bmp\r\nPathKey3=C:\\p."
         "exe\r\n",
         none},
        // Quotes, blanks around names and values, lines without '=', the first of two
        // keys and of two sections, lines before any section.
        {"stray=1\r\n  [ ExtMode ]  \r\n FileApp = \"C:\\q.exe \" \r\nFileAppOption='/o'\r\nnoequals\r\n"
         "ExtKey0=txt\r\nExtKey0=second\r\nPathKey0=\"\"\r\nExtKey1=log\r\nPathKey1= "
         "C:\\l.exe\r\nExtKey2='z'\r\n"
         "PathKey2=\"\r\nExtKey3=a\"\r\nPathKey3=\"x y\"\r\n[Mode]\r\nKey1=3\r\n[ExtMode]\r\nExtKey4=late\r\n"
         "PathKey4=C:\\late.exe\r\n[MODE]\r\nKey2=7\r\n",
         none},
        // LF line ends and no final line end.
        {"[Mode]\nKey1=3\n[ExtMode]\nExtKey0=txt\nPathKey0=C:\\t.exe", none},
        // Values longer than the program's buffers, one cut inside a double-byte character;
        // Shift-JIS whose trail bytes are backslashes.
        {"[ExtMode]\r\nFileApp=C:\\" + std::string(700, 'p') + "\r\nExtKey0=" + std::string(510, 'e') +
             "\x95\x5C\r\nPathKey0=C:\\" + std::string(600, 'q') +
             "\r\nExtKey1=表\r\nPathKey1=D:\\ソ\\a.exe\r\n"
             "OptionKey1=-表 \"%1\"\r\n",
         none},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        const auto& [file, edit] = cases[i];
        zek::test::ProfileDouble model;
        ::DeleteFileA(ini.c_str());
        if (file) {
            ASSERT_TRUE(e2e::writeFileBytes(ini, *file));
            model.files[ini] = *file;
        }
        Snapshot expected{};
        std::string expectedSave;
        {
            LauncherSettings modelled(model, ini);
            ASSERT_NO_FATAL_FAILURE(edit(modelled));
            expected = snapshotOf(modelled);
            ASSERT_TRUE(modelled.saveSettings());
            expectedSave = model.files.at(ini);
            model.writesLeftBeforeFailure = 0;  // the destructor's save changes nothing
        }
        {
            LauncherSettings real(profile, ini);
            EXPECT_EQ(fileExists(ini), file.has_value());  // loading writes nothing
            ASSERT_NO_FATAL_FAILURE(edit(real));
            EXPECT_EQ(snapshotOf(real), expected);
            ASSERT_TRUE(real.saveSettings());
            EXPECT_EQ(e2e::readFileBytes(ini), expectedSave);
        }
        EXPECT_EQ(e2e::readFileBytes(ini), expectedSave);  // written once more at destruction
        EXPECT_FALSE(fileExists(aside));
        EXPECT_EQ(snapshotOf(LauncherSettings(profile, ini)), expected);
    }
}

// What the settings read and write through is held to the system's functions above;
// here the file operations a save rests on, failures included.
TEST_F(SettingsOnDisk, FlushReplaceAndRemoveSayWhetherTheyDidIt) {
    const std::string other = folder.file("other.ini");
    EXPECT_FALSE(profile.flush(other));  // there is nothing to flush
    ASSERT_TRUE(profile.writeString(other, "T", "Key", "value"));
    EXPECT_TRUE(profile.flush(other));
    EXPECT_EQ(e2e::readFileBytes(other), "[T]\r\nKey=value\r\n");

    ASSERT_TRUE(e2e::writeFileBytes(ini, "[S]\r\nText=old\r\n"));
    EXPECT_FALSE(profile.replaceFile(folder.file("missing.ini"), ini));
    ASSERT_TRUE(profile.replaceFile(other, ini));
    EXPECT_FALSE(fileExists(other));
    EXPECT_EQ(e2e::readFileBytes(ini), "[T]\r\nKey=value\r\n");
    EXPECT_EQ(profile.readString(ini, "S", "Text", "gone", 512), "gone");  // nothing cached of the old file

    // A folder in the way: of the file a save is built in, and of the file it replaces.
    const std::string directory = folder.file("directory.ini");
    ASSERT_TRUE(::CreateDirectoryA(directory.c_str(), nullptr));
    EXPECT_FALSE(profile.writeString(directory, "T", "Key", "value"));
    EXPECT_FALSE(profile.replaceFile(ini, directory));
    EXPECT_TRUE(isFile(ini));
    EXPECT_FALSE(profile.removeFile(directory));  // something is still there
    EXPECT_TRUE(isFolder(directory));

    EXPECT_TRUE(profile.removeFile(ini));
    EXPECT_FALSE(fileExists(ini));
    EXPECT_TRUE(profile.removeFile(ini));  // already gone
    EXPECT_TRUE(profile.removeFile(folder.file("no folder\\x.ini")));
}

}  // namespace
}  // namespace zek::win32
