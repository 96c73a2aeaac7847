// The settings tree run in this process, to end it in ways a user cannot; the file
// chooser the item form opens.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <optional>
#include <string>
#include <thread>

#include "core/data/item_store.h"
#include "core/data/item_store_file.h"
#include "driver/data_file_text.h"
#include "driver/files.h"
#include "driver/window_query.h"
#include "icon_kit.h"
#include "resource.h"
#include "win32/data/data_file_storage_win32.h"
#include "win32/dialogs/launcher_tree_dialog.h"
#include "win32/launch/file_chooser.h"
#include "win32/process/launcher_process.h"

namespace zek::win32 {
namespace {

// Deletes the "tools" row, then ends the dialog the way an exception inside it does.
void CALLBACK deleteAndEndFromInside(HWND, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(nullptr, timer);
    HWND dialog = ::FindWindowA(nullptr, "ランチャー設定");
    HWND tree = ::GetDlgItem(dialog, IDC_TREE);
    const HTREEITEM tools = TreeView_GetNextSibling(tree, TreeView_GetRoot(tree));
    TreeView_SelectItem(tree, tools);
    ::SendMessageA(dialog, WM_COMMAND, IDM_TREE_DELETE, 0);
    ::EndDialog(dialog, IDCANCEL);
}

TEST(LauncherTreeDialog, AnEndingThatIsNotOkPutsBackWhatTheFileHolds) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TREEVIEW_CLASSES};
    ::InitCommonControlsEx(&controls);
    e2e::TestFolder folder;
    const std::string path = folder.file("ZekLauncher.dat");
    ASSERT_TRUE(
        e2e::writeFileBytes(path, e2e::dataFileText({{.name = "command", .type = 1},
                                                     {.name = "tools", .type = 2},
                                                     {.name = "editor", .level = 2, .app = "a.exe"}})));
    Win32DataFileStorage storage;
    auto file = std::make_unique<data::ItemStoreFile>(storage, path);
    std::unique_ptr<data::ItemStore> store = file->load();
    const UniqueModule program = e2e::loadAsDataFile(e2e::launcherProgramPath());
    LauncherProcess process(program.get());
    process.adoptFiles({}, nullptr, std::move(file), std::move(store));
    ASSERT_NE(::SetTimer(nullptr, 0, 100, &deleteAndEndFromInside), 0u);
    runLauncherTreeDialog(process);
    EXPECT_NE(process.store().findByName("editor"), nullptr) << "the deletion was kept";
}

// The dialog comes up (its library is looked up on first use), gives back the
// name it was started with when confirmed, and nothing when cancelled.
TEST(FileChooser, GivesTheConfirmedPathAndNothingOnCancel) {
    const std::string notepad = "C:\\windows\\notepad.exe";
    for (const WORD button : {IDOK, IDCANCEL}) {
        std::optional<e2e::MessageBoxView> dialog;
        std::thread presser([&] {
            dialog = e2e::waitForDialog(::GetCurrentProcessId(), "ファイルを開く", 30000);
            if (dialog) {
                ::PostMessageA(dialog->window, WM_COMMAND, button, 0);
            }
        });
        const std::optional<std::string> chosen = chooseExecutable(nullptr, notepad);
        presser.join();
        EXPECT_TRUE(dialog) << "no dialog came";
        EXPECT_EQ(chosen, button == IDOK ? std::optional(notepad) : std::nullopt);
    }
}

}  // namespace
}  // namespace zek::win32
