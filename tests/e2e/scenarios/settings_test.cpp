// The launcher settings tree and the item form, and the basic settings and
// association dialogs opened from the tray menu's entries, driven as a user drives
// them; what the dialogs change is in the INI the launcher writes when it is closed.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "driver/data_file_text.h"
#include "driver/drop_files.h"
#include "driver/files.h"
#include "driver/input.h"
#include "driver/launcher_scenario.h"
#include "driver/list_view.h"
#include "driver/tree_view.h"
#include "driver/window_query.h"
#include "resource.h"

namespace zek::e2e {
namespace {

class SettingsTree : public LauncherScenario {
  protected:
    // The launcher with this data file, and its settings dialog opened by typing
    // "newitem" in the bar.
    HWND openTree(const std::string& dataFile) {
        if (!dataFile.empty()) {
            EXPECT_TRUE(writeFileBytes(dataFilePath(), dataFile));
        }
        if (startFirstInstance() == nullptr) {
            return nullptr;
        }
        enterInBar(bar_, "newitem");
        return shownDialog("ランチャー設定");
    }
    static HWND treeOf(HWND dialog) { return ::GetDlgItem(dialog, IDC_TREE); }
    static void pressOnRow(HWND dialog, HTREEITEM row, WORD key) {
        pressKeyOnTreeRow(dialog, IDC_TREE, row, key);
    }
};

// "kid" under a data item, as only a hand-edited file has it; "deep" with Ctrl + Alt + D.
const std::string kToolsFile = dataFileText({
    {.name = "command", .type = 1, .level = 1},
    {.name = "tools", .type = 2, .level = 1},
    {.name = "editor", .level = 2, .app = "C:\\windows\\notepad.exe"},
    {.name = "kid", .level = 3, .app = "C:\\kid.exe"},
    {.name = "group", .type = 3, .level = 2},
    {.name = "deep", .level = 3, .app = "C:\\deep.exe", .hotKey1 = 3, .hotKey2 = 'D'},
});

TEST_F(SettingsTree, InsertOnTheBuiltInNodeAndFilesDroppedOnItAddItemsThatOkWritesToTheFile) {
    HWND dialog = openTree("");
    ASSERT_NE(dialog, nullptr) << "newitem opened no settings dialog";
    HWND tree = treeOf(dialog);
    ASSERT_EQ(treeRowCount(tree), 9) << "the built-in node and its eight commands";
    pressOnRow(dialog, treeTopRow(tree, 0), VK_INSERT);
    HWND form = shownDialog("ランチャー登録");
    ASSERT_NE(form, nullptr);
    ::SendDlgItemMessageA(form, IDC_ITEM_MODE, BM_CLICK, 0, 0);
    setDialogItemText(form, IDC_NAME,
                      "\x81\x40"
                      "Calc\x81\x40");
    setDialogItemText(form, IDC_APP, " C:\\windows\\calc.exe\t");
    setDialogItemText(form, IDC_DIR, "C:\\windows\\");
    pressDialogButton(form, IDC_OK);
    ASSERT_TRUE(waitForDialogClosed(form));
    EXPECT_EQ(treeRowCount(tree), 10);

    pressDialogButton(dialog, IDC_OK);
    ASSERT_TRUE(waitForDialogClosed(dialog));
    // The new item under the built-in node, its texts trimmed.
    const std::string calc =
        "1:ItemName=Calc\r\n1:ItemApp=C:\\windows\\calc.exe\r\n1:ItemDir=C:\\windows\\\r\n";
    EXPECT_NE(readFileBytes(dataFilePath()).value_or("").find(calc), std::string::npos);
    const auto names = listTexts(box_);
    EXPECT_NE(std::find(names.begin(), names.end(), "Calc"), names.end())
        << "the bar's list was not refilled";

    // Files dropped on a node open a form each; a cancel skips only its file.
    enterInBar(bar_, "newitem");
    dialog = shownDialog("ランチャー設定");
    ASSERT_NE(dialog, nullptr);
    tree = treeOf(dialog);
    // The pointer over the first row, the built-in node, as at the end of a drag.
    const RECT area = windowRect(tree);
    ::SetCursorPos(area.left + 30, area.top + 8);
    ASSERT_TRUE(dropFiles(tree, {"C:\\Tools\\Alpha.EXE", "C:\\Tools\\beta.exe", "D:\\gamma.exe"}));
    for (const char* name : {"alpha", "beta", "gamma"}) {
        HWND form = nullptr;
        ASSERT_TRUE(waitUntil([&] {
            form = shownDialog("ランチャー登録");
            return form != nullptr && windowText(::GetDlgItem(form, IDC_NAME)) == name;
        })) << name;
        pressDialogButton(form, std::string(name) == "beta" ? IDC_CANCEL : IDC_OK);
        ASSERT_TRUE(waitForDialogClosed(form)) << name;
    }
    EXPECT_TRUE(waitUntil([&] { return treeRowCount(tree) == 12; }, 3000)) << treeRowCount(tree);
    pressDialogButton(dialog, IDC_OK);
    ASSERT_TRUE(waitForDialogClosed(dialog));
    const std::string saved = readFileBytes(dataFilePath()).value_or("");
    EXPECT_NE(saved.find(":ItemApp=C:\\Tools\\Alpha.EXE\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("ItemName=gamma"), std::string::npos);
    EXPECT_EQ(saved.find("beta"), std::string::npos);
}

TEST_F(SettingsTree, AHotkeyTakenElsewhereIsRefusedADraggedItemTakesItsChildrenAndDeleteTakesAWholeRootNode) {
    // The driver holds Ctrl+Q, as another program would.
    ASSERT_TRUE(::RegisterHotKey(nullptr, 7, MOD_CONTROL, 'Q'));
    HWND dialog = openTree(kToolsFile);
    ASSERT_NE(dialog, nullptr);
    HWND tree = treeOf(dialog);
    const auto expand = [&tree](HTREEITEM row) {
        ::SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(row));
    };
    const HTREEITEM tools = treeTopRow(tree, 1);
    expand(tools);
    doubleClickTreeRow(tree, treeFirstChild(tree, tools));
    HWND form = shownDialog("ランチャー登録");
    ASSERT_NE(form, nullptr) << "a double-click on \"editor\" opens its form";
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(form, IDC_NODE_MODE)))
        << "editing a data item keeps its type";
    chooseInCombo(form, IDC_HOTKEY_MODIFIER, "Ctrl");
    chooseInCombo(form, IDC_HOTKEY_KEY, "Q");
    pressDialogButton(form, IDC_OK);

    const auto box = waitForDialog(firstInstance_.id(), "HOTKEY");
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, "Ctrl + Qのホットキーはすでに使用されています。");
    EXPECT_EQ(box->owner, form);
    pressDialogButton(box->window, IDOK);
    EXPECT_TRUE(waitForFocusOn(form, IDC_HOTKEY_MODIFIER)) << "the focus is not back on the first hotkey box";
    EXPECT_TRUE(::IsWindowVisible(form));
    ::UnregisterHotKey(nullptr, 7);
    pressDialogButton(form, IDC_CANCEL);
    ASSERT_TRUE(waitForDialogClosed(form));

    // A dragged item takes its children along; a drop on itself moves nothing.
    const HTREEITEM editor = treeFirstChild(tree, tools);
    expand(editor);
    dragTreeRow(tree, editor, editor);
    EXPECT_TRUE(waitUntil([&] { return TreeView_GetSelection(tree) == editor; }, 3000));
    EXPECT_TRUE(treeRowExpanded(tree, editor)) << "the row was made anew";

    const HTREEITEM group = TreeView_GetNextSibling(tree, editor);
    dragTreeRow(tree, editor, group);
    ASSERT_TRUE(waitUntil([&] { return TreeView_GetSelection(tree) == group; }, 3000));
    EXPECT_EQ(treeRowCount(tree), 14) << "the child's row stayed behind";
    expand(group);
    const HTREEITEM moved = TreeView_GetNextSibling(tree, treeFirstChild(tree, group));  // "deep", "editor"
    const HTREEITEM kid = treeFirstChild(tree, moved);
    ASSERT_NE(kid, nullptr);
    pressOnRow(dialog, kid, VK_DELETE);
    EXPECT_TRUE(waitUntil([&] { return treeRowCount(tree) == 13; }, 3000));
    pressDialogButton(dialog, IDC_OK);
    ASSERT_TRUE(waitForDialogClosed(dialog));
    const std::string saved = readFileBytes(dataFilePath()).value_or("");
    EXPECT_EQ(saved.find("kid"), std::string::npos) << saved;
    EXPECT_NE(saved.find("ItemName=editor"), std::string::npos) << saved;

    // Delete takes a whole root node, asking nothing; the close box brings it back.
    enterInBar(bar_, "newitem");
    dialog = shownDialog("ランチャー設定");
    ASSERT_NE(dialog, nullptr);
    tree = treeOf(dialog);
    ASSERT_EQ(treeRowCount(tree), 13);
    pressOnRow(dialog, treeTopRow(tree, 1), VK_DELETE);  // "tools" and its four
    EXPECT_TRUE(waitUntil([&] { return treeRowCount(tree) == 9; }, 3000));
    EXPECT_TRUE(dialogsOfProcess(firstInstance_.id()).size() == 1u) << "deleting asks nothing";
    const auto before = lastWriteTime(dataFilePath());

    pressKey(VK_ESCAPE);
    ASSERT_TRUE(waitForDialogClosed(dialog));
    EXPECT_EQ(readFileBytes(dataFilePath()).value_or(""), saved);
    const auto after = lastWriteTime(dataFilePath());
    ASSERT_TRUE(before && after);
    EXPECT_EQ(::CompareFileTime(&*before, &*after), 0);
    const auto names = listTexts(box_);
    EXPECT_NE(std::find(names.begin(), names.end(), "deep"), names.end()) << "the list was not re-read";
    // The items read again keep their hotkeys registered: nothing to register twice.
    ASSERT_EQ(runLauncher("/c hotkeyon"), 0u);
    ::Sleep(300);
    EXPECT_TRUE(dialogsOfProcess(firstInstance_.id()).empty()) << "a hotkey was registered twice";

    // Again, and this time OK while another program holds the file open without sharing it.
    enterInBar(bar_, "newitem");
    dialog = shownDialog("ランチャー設定");
    ASSERT_NE(dialog, nullptr);
    tree = treeOf(dialog);
    pressOnRow(dialog, treeTopRow(tree, 1), VK_DELETE);
    ASSERT_TRUE(waitUntil([&] { return treeRowCount(tree) == 9; }, 3000));
    {
        const win32::UniqueFileHandle lock(
            ::CreateFileA(dataFilePath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(lock);
        pressDialogButton(dialog, IDC_OK);
        const auto box = waitForDialog(firstInstance_.id(), "保存失敗");
        ASSERT_TRUE(box);
        EXPECT_EQ(box->owner, dialog);
        EXPECT_NE(box->text.find(dataFilePath()), std::string::npos) << box->text;
        EXPECT_NE(box->text.find("他のプログラムに使用されています"), std::string::npos) << box->text;
        EXPECT_NE(box->text.find("OK でもう一度保存するか"), std::string::npos) << box->text;
        pressDialogButton(box->window, IDOK);
        ::Sleep(300);
        EXPECT_TRUE(::IsWindowVisible(dialog)) << "the dialog closed and took the edits with it";
        EXPECT_EQ(treeRowCount(tree), 9);
    }
    EXPECT_EQ(readFileBytes(dataFilePath()).value_or(""), saved);
    pressDialogButton(dialog, IDC_OK);
    ASSERT_TRUE(waitForDialogClosed(dialog));
    EXPECT_EQ(readFileBytes(dataFilePath()).value_or("").find("tools"), std::string::npos);
}

class SettingsDialogs : public LauncherScenario {
  protected:
    HWND open(int command, const std::string& caption) {
        if (startFirstInstance() == nullptr) {
            return nullptr;
        }
        ::PostMessageA(bar_, WM_COMMAND, command, 0);
        return shownDialog(caption);
    }
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
    EXPECT_NE(iniAfterClose().value_or("").find("[Mode]\r\nKey1=8\r\nKey2=13\r\nKey3=8\r\nKey4=32\r\n"),
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
    std::string ini = iniAfterClose().value_or("");
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

    ini = iniAfterClose().value_or("");
    EXPECT_NE(ini.find("[ExtMode]\r\nFileApp=C:\\filer.exe\r\nFileAppOption=/e,\r\nExtKey0=txt\r\n"
                       "PathKey0=C:\\tools\\viewer.exe\r\nOptionKey0=-v\r\n"),
              std::string::npos)
        << ini;
    EXPECT_EQ(ini.find("ExtKey1"), std::string::npos) << ini;
}

}  // namespace
}  // namespace zek::e2e
