// The launcher's two files beside it: what start, close and exit do to them.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "../../core/data/settings_snapshot.h"
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
    DWORD_PTR result = 0;
    ASSERT_TRUE(::SendMessageTimeoutA(bar, WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, 5000, &result));
    EXPECT_EQ(readFileBytes(folder_ + "ZekLauncher.ini"), kDefaultModeSection);
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

}  // namespace
}  // namespace zek::e2e
