// The launcher's two files beside it: what start, close and exit do to them. And
// the launcher killed at random moments while it converts its data file: after every
// kill the file is whole, either its old or its new content, and the next start
// loads every item. ZEK_KILLS sets the number of kills (bench/kill_soak.sh runs many).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <tuple>

#include "../../core/data/settings_snapshot.h"
#include "core/data/data_file.h"
#include "driver/files.h"
#include "driver/input.h"
#include "driver/launcher_scenario.h"
#include "driver/window_query.h"

namespace zek::e2e {
namespace {

using DataFiles = LauncherScenario;

using zek::test::kDefaultModeSection;

TEST_F(DataFiles, CloseSavesTheSettingsExitWritesThemAgainAndADamagedDataFileIsKeptAside) {
    const std::string damaged("\x01\x02 not a launcher file \xff\xfe\r\n#only junk\r\n", 42);
    writeFile("ZekLauncher.dat", damaged);
    HWND bar = startFirstInstance();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(readFileBytes(dataFilePath() + ".unreadable"), damaged);
    EXPECT_FALSE(fileExists(folder_ + "ZekLauncher.ini"));
    EXPECT_EQ(iniAfterClose(), kDefaultModeSection);
    EXPECT_TRUE(::IsWindow(bar));
    ASSERT_TRUE(::DeleteFileA((folder_ + "ZekLauncher.ini").c_str()));
    exitLauncher();
    EXPECT_EQ(readFileBytes(folder_ + "ZekLauncher.ini"), kDefaultModeSection);
    EXPECT_FALSE(fileExists(folder_ + "ZekLauncher.ini.tmp"));
    // Nothing writes the data file at exit, not even an empty one, and the damaged one stays aside.
    EXPECT_FALSE(fileExists(dataFilePath()));
    EXPECT_EQ(readFileBytes(dataFilePath() + ".unreadable"), damaged);
}

// Associations past the 256 read are told of at start; the bar then runs as the INI says.
TEST_F(DataFiles, HotkeysTransparencyAndAssociationsComeFromTheIni) {
    // Windows + F1 for the bar, the task menu off, 20 % transparent.
    std::string ini =
        "[Mode]\r\nKey1=8\r\nKey2=112\r\nKey3=0\r\nKey4=0\r\nKey5=0\r\nKey6=-1\r\nTransparent=20\r\n"
        "[ExtMode]\r\n";
    for (int n = 0; n <= 256; ++n) {
        ini += "ExtKey" + std::to_string(n) + "=e" + std::to_string(n) + "\r\nPathKey" + std::to_string(n) +
               "=p\r\n";
    }
    writeFile("ZekLauncher.ini", ini);
    firstInstance_ = startLauncher();
    const auto box = waitForDialog(firstInstance_.id());
    ASSERT_TRUE(box);
    EXPECT_NE(box->text.find("最初の256件だけ"), std::string::npos) << box->text;
    pressDialogButton(box->window, IDOK);
    HWND bar = findBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(waitUntil([] { return hotkeyTakenElsewhere(MOD_WIN, VK_F1); }, 5000));
    EXPECT_FALSE(hotkeyTakenElsewhere(MOD_WIN, VK_RETURN));
    EXPECT_FALSE(hotkeyTakenElsewhere(MOD_WIN, VK_SPACE));
    COLORREF key = 1;
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(::GetLayeredWindowAttributes(bar, &key, &alpha, &flags));
    EXPECT_EQ(std::tuple(key, alpha, flags),
              std::tuple(RGB(0, 0, 0), BYTE{204}, DWORD{LWA_COLORKEY | LWA_ALPHA}));
}

TEST_F(DataFiles, AHotkeyTakenElsewhereIsReportedAndStopsTheRest) {
    ASSERT_TRUE(::RegisterHotKey(nullptr, 0x7001, MOD_WIN, VK_RETURN));
    firstInstance_ = startLauncher();
    const auto box = waitForDialog(firstInstance_.id());
    ASSERT_TRUE(box);
    EXPECT_EQ(box->caption, "HOTKEY");
    EXPECT_EQ(box->text, "ランチャー起動ホットキーの設定に失敗しました。動作設定で確認して下さい。");
    EXPECT_EQ(box->owner, findBar());
    // The task-menu hotkey after it was not registered.
    EXPECT_TRUE(::RegisterHotKey(nullptr, 0x7002, MOD_WIN, VK_SPACE));
    ::UnregisterHotKey(nullptr, 0x7002);
    pressDialogButton(box->window, IDOK);
    ::UnregisterHotKey(nullptr, 0x7001);
}

class KillLoop : public LauncherScenario {
  protected:
    static int kills() {
        const char* text = std::getenv("ZEK_KILLS");
        return text != nullptr && std::atoi(text) > 0 ? std::atoi(text) : 24;
    }

    // Kills a start after `delayMs`; the start has not ended by itself.
    void startAndKill(DWORD delayMs) {
        Process launcher = startLauncher();
        ASSERT_TRUE(launcher);
        ::Sleep(delayMs);
        launcher.kill();
        ASSERT_FALSE(launcher.running());
    }

    std::mt19937 random_{20261207};
};

TEST_F(KillLoop, TheConvertedDataFileIsAlwaysWhole) {
    constexpr std::size_t kItems = 20000;
    std::string old;
    for (std::size_t i = 0; i < kItems; ++i) {
        const std::string n = std::to_string(i);
        old += "ItemName" + n + "=item" + n + "\r\nItemApp" + n + "=C:\\p\\" + n + ".exe\r\nItemType" + n +
               "=4\r\nItemLevel" + n + "=1\r\n";
    }
    const std::string converted = data::convertOldFormat(old);
    const std::string dat = dataFilePath();

    // How long a start takes to replace the file, so the kills spread over it.
    ASSERT_TRUE(writeFileBytes(dat, old));
    const DWORD begin = ::GetTickCount();
    Process timed = startLauncher();
    // Watched by its size: an open handle of ours could get in the way of the rename.
    WIN32_FILE_ATTRIBUTE_DATA facts{};
    ASSERT_TRUE(waitUntil(
        [&] {
            return ::GetFileAttributesExA(dat.c_str(), GetFileExInfoStandard, &facts) &&
                   facts.nFileSizeLow == converted.size();
        },
        30000));
    const DWORD span = ::GetTickCount() - begin + 200;
    timed.kill();

    int whole = 0, oldSeen = 0;
    for (int kill = 0; kill < kills(); ++kill) {
        if (readFileBytes(dat) != old) {
            ASSERT_TRUE(writeFileBytes(dat, old));  // back to converting
        }
        startAndKill(std::uniform_int_distribution<DWORD>(0, span)(random_));
        const auto bytes = readFileBytes(dat);
        ASSERT_TRUE(bytes == old || bytes == converted)
            << "kill " << kill << ": " << (bytes ? bytes->size() : 0) << " bytes of neither content";
        const auto backup = readFileBytes(dat + ".bak");
        ASSERT_TRUE(!backup || backup == old) << "kill " << kill << ": a torn backup";
        ++whole;
        oldSeen += bytes == old;
    }
    std::printf("data file whole after %d kills (%d still old)\n", whole, oldSeen);
    // A whole start, left alone, lists every item and the eight built-in commands.
    HWND bar = startFirstInstance();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(::SendMessageA(box_, CB_GETCOUNT, 0, 0), static_cast<LRESULT>(kItems + 8));
    firstInstance_.kill();
    EXPECT_EQ(readFileBytes(dat), converted);
    EXPECT_EQ(readFileBytes(dat + ".bak"), old);
}

}  // namespace
}  // namespace zek::e2e
