// Starting and ending the launcher and its own command line; the bar as the user
// meets it: its window, its box, its version dialog, its tray icon.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <string>
#include <tuple>

#include "core/app/messages.h"
#include "driver/input.h"
#include "driver/launcher_scenario.h"
#include "driver/screen.h"
#include "driver/window_query.h"
#include "resource.h"
#include "win32/platform/unique_handle.h"

namespace zek::e2e {
namespace {

using Bar = LauncherScenario;

TEST_F(Bar, TheVersionDialogShowsOnceAtATimeAndTheTrayIconComesBackWithANewTaskbarAndEndsTheProgram) {
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

    // The exit switch alone, with no launcher running, starts and ends without a bar.
    EXPECT_EQ(runLauncher("/x"), 0u);
    EXPECT_EQ(findBar(), nullptr);
}

using Startup = LauncherScenario;

TEST_F(Startup, TheBarIsCreatedHiddenTopmostAndCentredAndItsHotkeysAreHeldUntilExit) {
    HWND bar = startFirstInstance();
    ASSERT_NE(bar, nullptr);
    EXPECT_FALSE(::IsWindowVisible(bar));
    EXPECT_EQ(::GetClassLongPtrA(bar, GCL_STYLE), CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS);
    const LONG_PTR exStyle = ::GetWindowLongPtrA(bar, GWL_EXSTYLE);
    EXPECT_EQ(exStyle & (WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TOPMOST),
              WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TOPMOST);
    EXPECT_TRUE(::GetWindowLongPtrA(bar, GWL_STYLE) & WS_POPUP);
    // At the screen's pixels: the figures are those of a 96-DPI screen.
    const display::DpiScale scale = screenScale();
    const RECT rect = windowRect(bar);
    EXPECT_EQ(std::tuple(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top),
              std::tuple(::GetSystemMetrics(SM_CXSCREEN) / 2 - scale.px(200),
                         ::GetSystemMetrics(SM_CYSCREEN) / 2 - scale.px(50), scale.px(240), scale.px(100)));

    EXPECT_TRUE(hotkeyTakenElsewhere(MOD_WIN, VK_SPACE));
    pressChord({VK_LWIN, VK_RETURN});
    EXPECT_TRUE(waitUntil([&] { return ::IsWindowVisible(bar) != FALSE; }));
    pressChord({VK_LWIN, VK_RETURN});
    EXPECT_TRUE(waitUntil([&] { return ::IsWindowVisible(bar) == FALSE; }));
    exitLauncher();
    EXPECT_FALSE(hotkeyTakenElsewhere(MOD_WIN, VK_RETURN));
    EXPECT_FALSE(hotkeyTakenElsewhere(MOD_WIN, VK_SPACE));
}

// The package checks hold the program to every resource id; here the tray menu's
// texts as the user reads them.
TEST_F(Startup, TheTrayMenuNamesItsCommandsInJapanese) {
    win32::UniqueModule program(::LoadLibraryExA(launcherPath_.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    ASSERT_TRUE(program);
    win32::UniqueMenu menu(::LoadMenuA(program.get(), MAKEINTRESOURCEA(IDR_TRAY_MENU)));
    ASSERT_TRUE(menu);
    HMENU tray = ::GetSubMenu(menu.get(), 0);
    ASSERT_NE(tray, nullptr);
    char text[64] = {};
    ASSERT_GT(::GetMenuStringA(tray, IDM_EXIT, text, sizeof text, MF_BYCOMMAND), 0);
    EXPECT_STREQ(text, "終了(&X)");
    ASSERT_GT(::GetMenuStringA(tray, IDM_LAUNCHER_SETTINGS, text, sizeof text, MF_BYCOMMAND), 0);
    EXPECT_STREQ(text, "ランチャ設定(&S)");
}

TEST_F(Startup, OwnCommandLineRunsTwelveSwitchesAtMost) {
    std::string arguments;
    for (int i = 0; i < 12; ++i) {
        arguments += "/s ";
    }
    arguments += "/h";  // the thirteenth is dropped
    HWND bar = startFirstInstance(arguments);
    ASSERT_NE(bar, nullptr);
    // The switches run before the bar answers the first message: shown, the dropped /h never ran.
    EXPECT_TRUE(::IsWindowVisible(bar));
}

}  // namespace
}  // namespace zek::e2e
