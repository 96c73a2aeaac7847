// Starting and ending the launcher, its bar window and its own command line.
#include <gtest/gtest.h>

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

TEST_F(Startup, ExitSwitchAloneStartsAndEndsWithoutShowingTheBar) {
    EXPECT_EQ(runLauncher("/x"), 0u);
    EXPECT_EQ(findBar(), nullptr);
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
