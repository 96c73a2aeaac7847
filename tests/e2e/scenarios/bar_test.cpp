// The bar as the user meets it: its box, its version dialog, its tray icon.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <algorithm>
#include <string>

#include "driver/input.h"
#include "driver/launcher_scenario.h"
#include "driver/window_query.h"
#include "resource.h"

namespace zek::e2e {
namespace {

using Bar = LauncherScenario;

bool visible(HWND window) {
    return ::IsWindowVisible(window) != FALSE;
}

TEST_F(Bar, ShowingFillsTheBoxWithEveryNameAndEscapeHidesAndEmptiesIt) {
    HWND bar = startWith({{.name = "tools", .type = 2, .level = 1},
                          {.name = "notepad", .level = 2},
                          {.name = "表計算", .level = 2}});
    ASSERT_NE(bar, nullptr);
    showAndFocus(bar);
    HWND box = findCommandBox(bar);
    const auto names = listTexts(box);
    // Three items of the file and the eight built-in commands; the built-in node is no command.
    EXPECT_EQ(names.size(), 11u);
    EXPECT_NE(std::find(names.begin(), names.end(), "表計算"), names.end());
    EXPECT_NE(std::find(names.begin(), names.end(), "taskchange"), names.end());
    EXPECT_EQ(std::find(names.begin(), names.end(), "command"), names.end());

    typeAscii("zz");
    EXPECT_TRUE(waitUntil([&] { return windowText(box) == "zz"; }, 5000)) << windowText(box);
    pressKey(VK_ESCAPE);
    EXPECT_TRUE(waitUntil([&] { return !visible(bar); }, 5000));
    EXPECT_EQ(windowText(box), "");
}

TEST_F(Bar, VersionDialogShowsOnceAtATime) {
    HWND bar = startFirstInstance();
    ASSERT_NE(bar, nullptr);
    ::PostMessageA(bar, WM_COMMAND, IDM_ABOUT, 0);
    const auto dialog = waitForDialog(firstInstance_.id());
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->caption, "バージョン情報");
    EXPECT_EQ(dialog->owner, bar);
    std::string texts;
    for (HWND child = ::GetWindow(dialog->window, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        texts += windowText(child) + "|";
    }
    for (const char* expected : {"ZekLauncher|", "バージョン|", "1.23|", "更新日|", "2006/02/09|", "OK|"}) {
        EXPECT_NE(texts.find(expected), std::string::npos) << expected << " in " << texts;
    }
    // The guard keeps a second one from opening while the first is up: the sent
    // command comes back at once instead of running a dialog of its own.
    DWORD_PTR ignored = 0;
    EXPECT_TRUE(::SendMessageTimeoutA(bar, WM_COMMAND, IDM_ABOUT, 0, SMTO_ABORTIFHUNG, 3000, &ignored));
    EXPECT_EQ(dialogsOfProcess(firstInstance_.id()).size(), 1u);
    pressDialogButton(dialog->window, IDC_ABOUT_OK);
    EXPECT_TRUE(waitUntil([&] { return dialogsOfProcess(firstInstance_.id()).empty(); }, 5000));
    EXPECT_TRUE(firstInstance_.running());
}

TEST_F(Bar, TheTrayIconComesBackWithANewTaskbarAndItsRightButtonMenuEndsTheProgram) {
    HWND bar = startFirstInstance();
    ASSERT_NE(bar, nullptr);
    ASSERT_TRUE(waitUntil([] { return trayIconWindow() != nullptr; }));
    // A restarted shell has lost every icon: take the launcher's away as it would.
    NOTIFYICONDATAA record{};
    record.cbSize = NOTIFYICONDATAA_V2_SIZE;
    record.hWnd = bar;
    ASSERT_TRUE(::Shell_NotifyIconA(NIM_DELETE, &record));
    ASSERT_TRUE(waitUntil([] { return trayIconWindow() == nullptr; }, 5000));
    ::PostMessageA(HWND_BROADCAST, ::RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    HWND icon = nullptr;
    ASSERT_TRUE(waitUntil([&] { return (icon = trayIconWindow()) != nullptr; }, 5000));

    const RECT rect = windowRect(icon);
    const int x = (rect.left + rect.right) / 2;
    const int y = (rect.top + rect.bottom) / 2;
    clickAt(x, y, false);  // the left button does nothing
    EXPECT_EQ(waitForOpenMenu(2000), nullptr);
    clickAt(x, y, true);
    ASSERT_NE(waitForOpenMenu(5000), nullptr) << "no tray menu";
    pressKey('X');
    EXPECT_EQ(firstInstance_.waitForExit(15000), 0u);
}

}  // namespace
}  // namespace zek::e2e
