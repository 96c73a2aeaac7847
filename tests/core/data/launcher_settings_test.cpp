#include "core/data/launcher_settings.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/data/profile_value.h"
#include "data/profile_double.h"
#include "data/settings_snapshot.h"

namespace zek::data {
namespace {

using namespace test;

const std::string kIni = "C:\\Programs\\ZekLauncher\\ZekLauncher.ini";
const std::string kAside = kIni + ".tmp";
const Snapshot kDefaults{kDefaultBasicSettings, 10, {}, {}};

class LauncherSettingsTest : public ::testing::Test {
  protected:
    // Saves, loads the file again and saves that: the same settings, the same bytes.
    void expectSaveAndReloadKeepEverything(const LauncherSettings& settings) {
        ASSERT_TRUE(settings.saveSettings());
        const std::string saved = profile.files.at(kIni);
        LauncherSettings reloaded(profile, kIni);
        EXPECT_EQ(snapshotOf(reloaded), snapshotOf(settings));
        ASSERT_TRUE(reloaded.saveSettings());
        EXPECT_EQ(profile.files.at(kIni), saved);
    }

    ProfileDouble profile;
};

TEST_F(LauncherSettingsTest, NoFileGivesTheDefaultsAndOnlyAPathGetsThemWritten) {
    {
        LauncherSettings nowhere(profile, "");
        EXPECT_EQ(snapshotOf(nowhere), kDefaults);
        EXPECT_FALSE(nowhere.saveSettings());
    }
    EXPECT_TRUE(profile.writtenPaths.empty());
    { LauncherSettings(profile, kIni).setFiler("C:\\f.exe", ""); }  // the destructor saves
    EXPECT_EQ(profile.files.at(kIni), kDefaultModeSection + "[ExtMode]\r\nFileApp=C:\\f.exe\r\n");
}

TEST_F(LauncherSettingsTest, AFullFileIsReadAndRewrittenInOrderWithoutUnknownKeys) {
    profile.files[kIni] =
        "[ExtMode]\r\nOptionKey1=-n \"x\"\r\nPathKey1=C:\\\x95\x5C\\b.exe\r\nExtKey1=log\r\n"
        "PathKey0=C:\\a.exe\r\nExtKey0=txt\r\nFileAppOption=/e\r\nFileApp=C:\\f.exe\r\nUnknown=1\r\n"
        "[Other]\r\nA=1\r\n[Mode]\r\nKey9=3\r\nMenuType=1\r\nTransparent=30\r\nCpu=60\r\nKey6=65\r\n"
        "Key5=2\r\nKey4=1\r\nKey3=0x70\r\nKey2=66\r\nKey1=4\r\n";
    LauncherSettings settings(profile, kIni);
    EXPECT_EQ(settings.values(), (BasicSettings{4, 66, 112, 1, 2, 65, 60, 30, 1}));
    EXPECT_EQ(settings.cpuStep(), 6);
    ASSERT_TRUE(settings.saveSettings());
    EXPECT_EQ(profile.files.at(kIni),
              "[Mode]\r\nKey1=4\r\nKey2=66\r\nKey3=112\r\nKey4=1\r\nKey5=2\r\nKey6=65\r\nCpu=60\r\n"
              "Transparent=30\r\nMenuType=1\r\n[ExtMode]\r\nFileApp=C:\\f.exe\r\nFileAppOption=/e\r\n"
              "ExtKey0=txt\r\nPathKey0=C:\\a.exe\r\n"
              "ExtKey1=log\r\nPathKey1=C:\\\x95\x5C\\b.exe\r\nOptionKey1=-n \"x\"\r\n");
}

TEST_F(LauncherSettingsTest, AssociationsPastTheLimitAreNotReadAndASaveKeepsThoseRead) {
    std::string ini = "[ExtMode]\r\n";
    for (std::size_t n = 0; n <= kMaxAssociations; ++n) {
        ini += "ExtKey" + std::to_string(n) + "=e" + std::to_string(n) + "\r\nPathKey" + std::to_string(n) +
               "=p\r\n";
    }
    profile.files[kIni] = ini;
    LauncherSettings settings(profile, kIni);
    EXPECT_EQ(settings.associationCount(), kMaxAssociations);
    EXPECT_TRUE(settings.associationsCut());
    EXPECT_TRUE(settings.saveSettings());  // the other settings are not held back
    settings.loadSettings();               // exactly the limit is read whole and takes no more
    EXPECT_FALSE(settings.associationsCut());
    EXPECT_FALSE(settings.addAssociation("more", "p", ""));
}

TEST_F(LauncherSettingsTest, AssociationOperations) {
    LauncherSettings settings(profile, kIni);
    EXPECT_FALSE(settings.addAssociation("", "C:\\a.exe", ""));
    EXPECT_FALSE(settings.addAssociation("txt", "", "-x"));
    ASSERT_TRUE(settings.addAssociation("txt", "C:\\a.exe", "-x"));
    ASSERT_TRUE(settings.addAssociation("txt", "C:\\second.exe", ""));  // duplicates: the dialog's business
    ASSERT_TRUE(settings.addAssociation("TXT", "C:\\upper.exe", ""));

    // Extensions match exactly, case included; the first of two equal ones wins.
    EXPECT_EQ(settings.findAssociation("txt")->appPath, "C:\\a.exe");
    EXPECT_EQ(settings.findAssociation("TXT")->appPath, "C:\\upper.exe");
    EXPECT_EQ(settings.findAssociation("Txt"), nullptr);

    EXPECT_TRUE(settings.updateAssociation("txt", "C:\\b.exe", ""));
    EXPECT_FALSE(settings.updateAssociation("doc", "C:\\b.exe", ""));
    EXPECT_FALSE(settings.updateAssociation("txt", "", ""));
    EXPECT_EQ(settings.associations()[0], (Association{"txt", "C:\\b.exe", ""}));

    EXPECT_FALSE(settings.removeAssociation("doc"));
    EXPECT_TRUE(settings.removeAssociation("txt"));
    EXPECT_EQ(settings.findAssociation("txt")->appPath, "C:\\second.exe");
    EXPECT_TRUE(settings.removeAssociation("txt"));

    // What is left is saved from number 0 on, without gaps.
    ASSERT_TRUE(settings.addAssociation("bmp", "C:\\b.exe", "-b"));
    ASSERT_TRUE(settings.saveSettings());
    EXPECT_EQ(profile.files.at(kIni), kDefaultModeSection +
                                          "[ExtMode]\r\nExtKey0=TXT\r\nPathKey0=C:\\upper.exe\r\n"
                                          "ExtKey1=bmp\r\nPathKey1=C:\\b.exe\r\nOptionKey1=-b\r\n");
}

TEST_F(LauncherSettingsTest, CpuStepFollowsTheLoadLevelAndANegativeOneKeepsTheStep) {
    LauncherSettings settings(profile, kIni);
    // 0 and -1 follow levels of other steps, so that a step wrongly kept shows.
    const std::pair<std::int32_t, std::int32_t> steps[] = {{90, 10}, {0, 2},  {89, 8}, {-1, 8}, {75, 8},
                                                           {74, 6},  {50, 6}, {49, 4}, {25, 4}, {24, 2}};
    for (const auto& [cpu, step] : steps) {
        BasicSettings values = kDefaultBasicSettings;
        values.cpu = cpu;
        settings.applyValues(values);
        EXPECT_EQ(settings.cpuStep(), step) << "cpu " << cpu;
    }
}

TEST_F(LauncherSettingsTest, AFailedSaveLeavesTheOldFileAsItWas) {
    const std::string old = "[Mode]\r\nKey1=2\r\nUserNote=keep me\r\n";
    profile.files[kIni] = old;
    LauncherSettings target(profile, kIni);
    ASSERT_TRUE(target.setFiler("C:\\filer.exe", "/n"));
    ASSERT_TRUE(target.addAssociation("txt", "C:\\a.exe", "-x"));
    const auto expectOldFile = [&](const std::string& step) {
        EXPECT_FALSE(target.saveSettings()) << step;
        EXPECT_EQ(profile.files.at(kIni), old) << step;
        EXPECT_FALSE(profile.files.contains(kAside)) << step;
    };
    // A full save makes 9 + 2 + 3 writes; fail each of them in turn, then the flush
    // and the replacement.
    for (int allowed = 0; allowed < 14; ++allowed) {
        profile.writesLeftBeforeFailure = allowed;
        expectOldFile("write " + std::to_string(allowed));
    }
    profile.writesLeftBeforeFailure = -1;
    profile.failFlush = true;
    expectOldFile("flush");
    profile.failFlush = false;
    profile.failReplace = true;
    expectOldFile("replace");
    // Nothing was ever written into the settings file itself.
    EXPECT_EQ(profile.writtenPaths, std::vector<std::string>(profile.writtenPaths.size(), kAside));
    EXPECT_EQ(profile.replaceCount, 0);
}

TEST_F(LauncherSettingsTest, ALeftoverAsideFileNeverLeaksIntoTheSettings) {
    profile.files[kAside] = "[Mode]\r\nKey1=1\r\n[ExtMode]\r\nExtKey5=junk\r\nPathKey5=x\r\n";
    LauncherSettings settings(profile, kIni);
    EXPECT_EQ(snapshotOf(settings), kDefaults);
    ASSERT_TRUE(settings.saveSettings());
    EXPECT_EQ(profile.files.at(kIni), kDefaultModeSection);
    EXPECT_FALSE(profile.files.contains(kAside));

    // One that cannot be removed stops the save before anything is touched.
    profile.files[kAside] = "stale";
    profile.undeletable.insert(kAside);
    profile.files[kIni] = "[Mode]\r\nKey1=2\r\n";
    EXPECT_FALSE(settings.saveSettings());
    EXPECT_EQ(profile.files.at(kIni), "[Mode]\r\nKey1=2\r\n");
}

TEST_F(LauncherSettingsTest, TextsTheFileCannotHoldAreRefusedAndThoseTheProfileWouldAlterQuoted) {
    LauncherSettings settings(profile, kIni);
    EXPECT_FALSE(settings.addAssociation("txt\r\nFileApp=C:\\evil.exe", "C:\\a.exe", ""));
    EXPECT_FALSE(settings.addAssociation("txt", "C:\\a.exe", std::string_view{"-a\0b", 4}));
    EXPECT_FALSE(settings.addAssociation("txt", std::string(512, 'a'), ""));
    EXPECT_FALSE(settings.addAssociation("txt", " " + std::string(509, 'a'), ""));  // 512 with its quotes
    EXPECT_TRUE(settings.addAssociation("txt", std::string(511, 'a'), " " + std::string(508, 'b')));
    EXPECT_FALSE(settings.updateAssociation("txt", "C:\\b.exe\r", ""));
    EXPECT_EQ(settings.associations()[0].appPath, std::string(511, 'a'));
    // The filer is set whole or cleared whole.
    EXPECT_TRUE(settings.setFiler("", "/ignored"));
    EXPECT_EQ(settings.filer(), FilerSetting{});
    ASSERT_TRUE(settings.setFiler("C:\\f.exe", " -x "));
    EXPECT_FALSE(settings.setFiler("C:\\f.exe\r\n[Mode]", ""));
    EXPECT_FALSE(settings.setFiler("C:\\other.exe", std::string(600, 'o')));
    EXPECT_EQ(settings.filer(), (FilerSetting{"C:\\f.exe", " -x "}));

    for (const char* awkward : {" lead", "trail\t", "\"quoted\"", "'single'", "\x81\x40wide", "wide\x81\x40",
                                "\"", "\"\"", " ", "\x81\x81\x40"}) {
        ASSERT_TRUE(settings.addAssociation(awkward, "C:\\a.exe", awkward)) << awkward;
    }
    ASSERT_TRUE(settings.saveSettings());
    const std::string& file = profile.files.at(kIni);
    for (const char* line : {"\r\nExtKey1=\" lead\"\r\n", "\r\nExtKey3=\"\"quoted\"\"\r\n",
                             "\r\nExtKey7=\"\r\n",             // a lone quote is kept as it is
                             "\r\nExtKey10=\x81\x81\x40\r\n",  // ends in "@", not in a full-width space
                             "\r\nFileAppOption=\" -x \"\r\n"}) {
        EXPECT_NE(file.find(line), std::string::npos) << line;
    }
    EXPECT_EQ(encodeProfileValue(""), "");  // nothing there to trim away
    expectSaveAndReloadKeepEverything(settings);
}

TEST_F(LauncherSettingsTest, HostileNumbersAndOverlongValuesAreReadAsTheSystemReadsThem) {
    const std::string longPath = "C:\\" + std::string(2000, 'p');
    // 510 single bytes and then "表" (0x95 0x5C): the read buffer splits the character.
    profile.files[kIni] =
        "[Mode]\r\nKey1=99999999999999999999\r\nKey2=-2147483648\r\nKey3=abc\r\nKey4=\r\nKey5=12abc\r\n"
        "Key6= -7 \r\nCpu=4294967295\r\n[ExtMode]\r\nFileApp=" +
        longPath + "\r\nExtKey0=" + std::string(510, 'e') + "表\r\nPathKey0=" + longPath +
        "\r\nOptionKey0=\" " + std::string(700, 'o') + "\"\r\n";
    LauncherSettings settings(profile, kIni);
    // No digits read as 0, an empty value as the default, the cpu wraps as the
    // system's reader does, and a negative one keeps the first step.
    EXPECT_EQ(settings.values(), (BasicSettings{1661992959, INT32_MIN, 0, 32, 12, -7, -1, 5, 0}));
    EXPECT_EQ(settings.cpuStep(), 0);
    EXPECT_EQ(settings.filer().fileApp, longPath.substr(0, 511));
    // The option is quoted when written again, so two bytes shorter.
    EXPECT_EQ(settings.associations(),
              (std::vector<Association>{
                  {std::string(510, 'e'), longPath.substr(0, 511), " " + std::string(508, 'o')}}));
    // Whatever was read is written back as it was read.
    expectSaveAndReloadKeepEverything(settings);
}

}  // namespace
}  // namespace zek::data
