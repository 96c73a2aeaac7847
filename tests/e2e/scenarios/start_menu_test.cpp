// "/i" fills the item tree from the Start Menu, through a running launcher.
#include <windows.h>

#include <algorithm>
#include <string>

#include "driver/data_file_text.h"
#include "driver/files.h"
#include "driver/input.h"
#include "driver/launcher_scenario.h"
#include "driver/start_menu.h"
#include "driver/window_query.h"
#include "resource.h"
#include "win32/platform/wide_text.h"

namespace zek::e2e {
namespace {

using Menu = StartMenuShortcuts::Menu;

class StartMenu : public LauncherScenario {
  protected:
    // A user's and an all-users' folder of the same name, a nested folder and a
    // shortcut whose target was deleted; the records the import makes of them.
    std::vector<RecordText> makeStartMenu() {
        const std::string probe = probeInSpacedFolder();
        const std::string gone = folder_ + "gone.exe";
        EXPECT_TRUE(writeFileBytes(gone, "MZ"));
        const std::string viewer = menu_.add(Menu::User, "Zek Tools\\Deep\\Viewer.lnk", probe);
        const std::string probeLink = menu_.add(Menu::User, "Zek Tools\\Probe.lnk", probe, "from-shortcut");
        const std::string editor = menu_.add(Menu::AllUsers, "zek tools\\Editor.lnk", probe);
        // No server answers: the target is not looked up, and the shortcut is kept.
        const std::string remote =
            menu_.add(Menu::User, "Zek Tools\\Share Tool.lnk", "\\\\zek-nowhere\\share\\tool.exe");
        EXPECT_FALSE(menu_.add(Menu::AllUsers, "Zek Gone.lnk", gone).empty());
        EXPECT_TRUE(::DeleteFileA(gone.c_str()));
        EXPECT_FALSE(viewer.empty() || probeLink.empty() || editor.empty() || remote.empty());
        return {{.name = "スタートメニュー", .type = 2, .level = 1},
                {.name = "Zek Tools", .type = 3, .level = 2},
                {.name = "Deep", .type = 3, .level = 3},
                {.name = "viewer", .level = 4, .app = viewer},
                {.name = "editor", .level = 3, .app = editor},
                {.name = "probe", .level = 3, .app = probeLink},
                {.name = "share tool", .level = 3, .app = remote}};
    }

    StartMenuShortcuts menu_{folder_};
};

const RecordText kCommandNode{.name = "command", .type = 1, .level = 1, .comment = "command node"};
const RecordText kHandMade{.name = "mine", .level = 1, .app = "C:\\mine.exe", .hotKey1 = 3, .hotKey2 = 'Q'};

TEST_F(StartMenu, ImportReplacesItsNodeKeepsTheRestAndItsItemsRunThroughTheShortcut) {
    const std::vector<RecordText> imported = makeStartMenu();
    // An earlier import's item whose shortcut is gone, and one the user added there.
    const std::string stale = StartMenuShortcuts::programsFolder(Menu::User) + "\\stale.lnk";
    const RecordText usersOwn{.name = "own", .level = 2, .app = "C:\\own.exe"};
    HWND bar = startWith({kCommandNode,
                          {.name = "スタートメニュー", .type = 2, .level = 1},
                          {.name = "stale", .level = 2, .app = stale},
                          usersOwn,
                          kHandMade});
    ASSERT_NE(bar, nullptr);
    std::vector<RecordText> expected{kCommandNode, kHandMade, imported.front(), usersOwn};
    expected.insert(expected.end(), imported.begin() + 1, imported.end());

    // A shortcut deeper than the walk goes is left out, and the user is told, once
    // the start that asked has its answer.
    std::string deep = "Zek Deep\\";
    for (int level = 0; level < 32; ++level) {
        deep += "d\\";
    }
    ASSERT_FALSE(menu_.add(Menu::User, deep + "Deep.lnk", probeInSpacedFolder()).empty());
    ASSERT_EQ(runLauncher("/i"), 0u);
    const auto notice = waitForDialog(firstInstance_.id());
    ASSERT_TRUE(notice);
    EXPECT_EQ(notice->owner, bar);
    EXPECT_NE(notice->text.find("32階層より深いフォルダ1個の中身"), std::string::npos) << notice->text;
    pressDialogButton(notice->window, IDOK);
    // Byte for byte as the program saves a data file.
    EXPECT_EQ(readFileBytes(dataFilePath()), dataFileText(expected, true));

    enterInBar(bar, "prob");
    const auto starts = probeStarts(1);
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_NE(starts[0].commandLine.find("from-shortcut"), std::string::npos) << starts[0].commandLine;
}

TEST_F(StartMenu, AnImportWaitsForAnOpenDialogAndAFailedSaveChangesNothing) {
    makeStartMenu();
    const std::string before = dataFileText({kCommandNode, kHandMade});
    HWND bar = startWith({kCommandNode, kHandMade});
    ASSERT_NE(bar, nullptr);
    {
        // Another program holds the file open without sharing it.
        const win32::UniqueFileHandle lock(
            ::CreateFileA(dataFilePath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(lock);
        Process sender = startLauncher("/i");
        const auto box = waitForDialog(firstInstance_.id(), "保存失敗");
        ASSERT_TRUE(box);
        EXPECT_EQ(box->owner, bar);
        EXPECT_NE(box->text.find("取り込みは行われず、ファイルは元のままです。"), std::string::npos)
            << box->text;
        pressDialogButton(box->window, IDOK);
        EXPECT_EQ(sender.waitForExit(10000), 0u);
    }
    EXPECT_EQ(readFileBytes(dataFilePath()), before);

    ::PostMessageA(bar, WM_COMMAND, IDM_ABOUT, 0);
    const auto about = waitForDialog(firstInstance_.id());
    ASSERT_TRUE(about);
    ASSERT_EQ(runLauncher("/i"), 0u);
    ::Sleep(1000);
    EXPECT_EQ(readFileBytes(dataFilePath()), before) << "the store changed under an open dialog";
    pressDialogButton(about->window, IDC_ABOUT_OK);
    // Replaced in steps (the old file aside first): wait for the new content, not for any change.
    EXPECT_TRUE(waitUntil(
        [&] { return readFileBytes(dataFilePath()).value_or("").find("Zek Tools") != std::string::npos; },
        10000));
}

// A task-switch item offers its running windows instead of another start. The
// chooser's menu runs a message loop in which a hand-over replaces the store: what
// it chose must still run, or be let go, without the old store.
TEST_F(StartMenu, AnImportUnderTheWindowChooserLeavesTheChosenRunOrWindowToFinish) {
    makeStartMenu();
    const std::string probe = probeInSpacedFolder();
    HWND bar = startWith({kCommandNode, {.name = "switch", .level = 1, .app = probe, .tsk = 1}});
    ASSERT_NE(bar, nullptr);
    HWND running = startProbeWindow("ProbeOne");
    ASSERT_NE(running, nullptr);
    ASSERT_EQ(probeStarts(1).size(), 1u);
    const auto chooseAfterImport = [&](std::vector<WORD> keys) {
        showAndFocus(bar);
        typeAscii("switch");
        pressKey(VK_RETURN);
        ASSERT_NE(waitForOpenMenu(10000), nullptr) << "no chooser menu";
        ASSERT_EQ(runLauncher("/i"), 0u);
        for (WORD key : keys) {
            pressKey(key);
        }
        ASSERT_TRUE(waitUntil([] { return openMenus().empty(); }, 5000));
    };
    chooseAfterImport({VK_ESCAPE});
    chooseAfterImport({VK_DOWN, VK_RETURN});  // "New"
    EXPECT_EQ(probeStarts(2).size(), 2u);
    chooseAfterImport({VK_DOWN, VK_DOWN, VK_RETURN});  // "ProbeOne"
    EXPECT_TRUE(waitUntil([&] { return ::GetForegroundWindow() == running; }, 5000));
    EXPECT_EQ(readProbeLog(probeLogBeside(probe)).size(), 2u) << "choosing a window starts nothing";
    EXPECT_EQ(findBar(), bar);
    EXPECT_NE(readFileBytes(dataFilePath()).value_or("").find("Zek Tools"), std::string::npos);
}

// Installers name folders and shortcuts in any language; the launcher keeps its
// texts in the system's code page.
TEST_F(StartMenu, AShortcutNamedOutsideTheCodePageStartsItsProgram) {
    const std::string probe = probeInSpacedFolder();
    const std::string made = menu_.add(Menu::User, "Zek Wide\\Sub\\P.lnk", probe, "wide");
    ASSERT_FALSE(made.empty());
    const std::wstring top = win32::wideText(StartMenuShortcuts::programsFolder(Menu::User) + "\\Zek Wide");
    const std::wstring folder = top + L"\\Caf\u00e9 \u00c5";  // "Café Å": neither letter is in code page 932
    ASSERT_TRUE(::MoveFileW(win32::wideText(made).c_str(), (top + L"\\Sub\\Pr\u00f6be \u00d8.lnk").c_str()));
    // Removed at the end with the whole of "Zek Wide", the entry the shortcut was made in.
    ASSERT_TRUE(::MoveFileW((top + L"\\Sub").c_str(), folder.c_str()));
    HWND bar = startWith({kCommandNode});
    ASSERT_NE(bar, nullptr);

    ASSERT_EQ(runLauncher("/i"), 0u);
    // Named as the system fits the letters into the code page, in lower case.
    std::string name = win32::narrowText(L"pr\u00f6be \u00d8");
    std::transform(name.begin(), name.end(), name.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    ASSERT_NE(readFileBytes(dataFilePath()).value_or("").find(":ItemName=" + name + "\r\n"),
              std::string::npos)
        << readFileBytes(dataFilePath()).value_or("");
    ASSERT_EQ(runLauncher("/c \"" + name + "\""), 0u);
    const auto starts = probeStarts(1);
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_NE(starts[0].commandLine.find("wide"), std::string::npos) << starts[0].commandLine;
}

}  // namespace
}  // namespace zek::e2e
