// The basic settings and association dialogs, opened from the tray menu's entries
// and driven as a user drives them; what they change is in the INI the launcher
// writes when it is closed.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "driver/files.h"
#include "driver/input.h"
#include "driver/launcher_scenario.h"
#include "driver/list_view.h"
#include "driver/window_query.h"
#include "resource.h"

namespace zek::e2e {
namespace {

class SettingsDialogs : public LauncherScenario {
  protected:
    HWND open(int command, const std::string& caption) {
        bar_ = startFirstInstance();
        if (bar_ == nullptr) {
            return nullptr;
        }
        ::PostMessageA(bar_, WM_COMMAND, command, 0);
        return shownDialog(caption);
    }
    // The INI as the launcher writes it on WM_CLOSE (it keeps running).
    std::string iniAfterClose() {
        DWORD_PTR ignored = 0;
        ::SendMessageTimeoutA(bar_, WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, 10000, &ignored);
        return readFileBytes(folder_ + "ZekLauncher.ini").value_or("");
    }

    HWND bar_ = nullptr;
};

TEST_F(SettingsDialogs, HotkeysAreRefusedKeptOrStoredAndAssociationsAddedRefusedAndDeleted) {
    HWND dialog = open(IDM_BASIC_SETTINGS, "基本設定");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(windowText(::GetDlgItem(dialog, IDC_TASK_KEY2)), "Space");
    EXPECT_EQ(windowText(::GetDlgItem(dialog, IDC_SAMEAPP_KEY1)), "使用しない");
    EXPECT_EQ(windowText(::GetDlgItem(dialog, IDC_CPU_LABEL)), "100");

    // The task pair set to the launcher's own pair.
    const std::string modifier = windowText(::GetDlgItem(dialog, IDC_LAUNCHER_KEY1));
    const std::string key = windowText(::GetDlgItem(dialog, IDC_LAUNCHER_KEY2));
    chooseInCombo(dialog, IDC_TASK_KEY1, modifier);
    chooseInCombo(dialog, IDC_TASK_KEY2, key);
    pressDialogButton(dialog, IDC_OK);
    const auto box = waitForDialog(firstInstance_.id(), "HOTKEY");
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, modifier + " + " + key + "のホットキーはすでに使用されています。");
    EXPECT_EQ(box->owner, dialog);
    pressDialogButton(box->window, IDOK);
    EXPECT_TRUE(waitForFocusOn(dialog, IDC_TASK_KEY1));
    EXPECT_TRUE(::IsWindowVisible(dialog));

    pressDialogButton(dialog, IDC_CANCEL);
    ASSERT_TRUE(waitForDialogClosed(dialog));
    // Both of the old hotkeys are the launcher's again (the bar answers the first
    // once it has registered them).
    pressChord({VK_LWIN, VK_RETURN});
    EXPECT_TRUE(waitUntil([&] { return ::IsWindowVisible(bar_) != FALSE; }, 5000));
    EXPECT_TRUE(hotkeyTakenElsewhere(MOD_WIN, VK_SPACE));
    EXPECT_NE(iniAfterClose().find("[Mode]\r\nKey1=8\r\nKey2=13\r\nKey3=8\r\nKey4=32\r\n"),
              std::string::npos);

    // Again, and OK stores the hotkeys, the trackbars and the menu style.
    ::PostMessageA(bar_, WM_COMMAND, IDM_BASIC_SETTINGS, 0);
    dialog = shownDialog("基本設定");
    ASSERT_NE(dialog, nullptr);
    chooseInCombo(dialog, IDC_LAUNCHER_KEY1, "CapsLockキーのみ");
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(dialog, IDC_LAUNCHER_KEY2)));
    chooseInCombo(dialog, IDC_SAMEAPP_KEY1, "Ctrl");
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(dialog, IDC_SAMEAPP_KEY2)));
    EXPECT_EQ(windowText(::GetDlgItem(dialog, IDC_SAMEAPP_KEY2)), "Space")
        << "an empty key box takes its first entry";
    chooseInCombo(dialog, IDC_SAMEAPP_KEY2, "S");
    pressKeyIn(dialog, IDC_CPU, VK_HOME);  // CPU: its lowest is 1
    EXPECT_TRUE(waitUntil([&] { return windowText(::GetDlgItem(dialog, IDC_CPU_LABEL)) == "1"; }, 3000));
    pressKeyIn(dialog, IDC_TRANSPARENCY, VK_END);  // transparency: its highest is 50
    EXPECT_TRUE(
        waitUntil([&] { return windowText(::GetDlgItem(dialog, IDC_TRANSPARENCY_LABEL)) == "50"; }, 3000));
    ::SendDlgItemMessageA(dialog, IDC_MENU_TEXT, BM_CLICK, 0, 0);
    pressDialogButton(dialog, IDC_OK);
    ASSERT_TRUE(waitForDialogClosed(dialog));
    EXPECT_TRUE(hotkeyTakenElsewhere(MOD_CONTROL, 'S')) << "the new pair is not registered";
    EXPECT_TRUE(waitUntil(
        [&] {
            BYTE alpha = 0;
            return ::GetLayeredWindowAttributes(bar_, nullptr, &alpha, nullptr) && alpha == 127;
        },
        5000))
        << "the new transparency is not applied at once";
    std::string ini = iniAfterClose();
    EXPECT_NE(ini.find("Key1=240\r\nKey2=1\r\nKey3=8\r\nKey4=32\r\nKey5=2\r\nKey6=83\r\nCpu=1\r\n"
                       "Transparent=50\r\nMenuType=1\r\n"),
              std::string::npos);

    // In the same start, associations are added, refused, deleted and the filer set at OK.
    ::PostMessageA(bar_, WM_COMMAND, IDM_ASSOCIATION_SETTINGS, 0);
    dialog = shownDialog("関連設定");
    ASSERT_NE(dialog, nullptr);
    const auto add = [&](const std::string& ext, const std::string& app) {
        pressDialogButton(dialog, IDC_ASSOCIATION_ADD);
        HWND edit = shownDialog("関連設定編集");
        setDialogItemText(edit, IDC_ASSOCIATION_EXT, ext);
        setDialogItemText(edit, IDC_ASSOCIATION_APP, app);
        setDialogItemText(edit, IDC_ASSOCIATION_OPTION, "-v");
        pressDialogButton(edit, IDC_OK);
        return edit;
    };
    ASSERT_TRUE(waitForDialogClosed(add(" txt ", "  C:\\tools\\viewer.exe\t")));
    ASSERT_TRUE(waitForDialogClosed(add("TXT", "C:\\b.exe"))) << "another case is another extension";
    EXPECT_EQ(listViewRowCount(::GetDlgItem(dialog, IDC_ASSOCIATION_LIST)), 2);

    HWND edit = add("txt", "C:\\c.exe");
    const auto refusal = waitForDialog(firstInstance_.id(), "");
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->text, "txtの拡張子はすでに設定されています。");
    EXPECT_EQ(refusal->owner, edit);
    pressDialogButton(refusal->window, IDOK);
    EXPECT_TRUE(waitForDialogClosed(refusal->window));
    EXPECT_TRUE(::IsWindowVisible(edit));
    pressDialogButton(edit, IDC_CANCEL);
    ASSERT_TRUE(waitForDialogClosed(edit));
    EXPECT_EQ(listViewRowCount(::GetDlgItem(dialog, IDC_ASSOCIATION_LIST)), 2);

    // Sorted by extension, capitals first: the first row is TXT.
    pressKeyIn(dialog, IDC_ASSOCIATION_LIST, VK_HOME);
    pressKey(VK_DELETE);
    EXPECT_TRUE(
        waitUntil([&] { return listViewRowCount(::GetDlgItem(dialog, IDC_ASSOCIATION_LIST)) == 1; }, 3000));
    setDialogItemText(dialog, IDC_FILER_APP, "  C:\\filer.exe ");
    setDialogItemText(dialog, IDC_FILER_OPTION, "/e,");
    pressDialogButton(dialog, IDC_OK);
    ASSERT_TRUE(waitForDialogClosed(dialog));

    ini = iniAfterClose();
    EXPECT_NE(ini.find("[ExtMode]\r\nFileApp=C:\\filer.exe\r\nFileAppOption=/e,\r\nExtKey0=txt\r\n"
                       "PathKey0=C:\\tools\\viewer.exe\r\nOptionKey0=-v\r\n"),
              std::string::npos)
        << ini;
    EXPECT_EQ(ini.find("ExtKey1"), std::string::npos) << ini;
}

}  // namespace
}  // namespace zek::e2e
