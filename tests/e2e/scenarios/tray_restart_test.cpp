// The tray icon comes back when the shell restarts and announces a new taskbar.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include "driver/launcher_scenario.h"
#include "driver/window_query.h"

namespace zek::e2e {
namespace {

using TrayRestart = LauncherScenario;

TEST_F(TrayRestart, TheIconIsAddedAgainWhenTheTaskbarIsCreatedAgain) {
    HWND bar = startFirstInstance();
    ASSERT_NE(bar, nullptr);
    ASSERT_TRUE(waitUntil([] { return trayIconWindow() != nullptr; }));
    // A restarted shell has lost every icon: take the launcher's away as it would.
    NOTIFYICONDATAA record{};
    record.cbSize = NOTIFYICONDATAA_V2_SIZE;
    record.hWnd = bar;
    record.uID = 0;
    ASSERT_TRUE(::Shell_NotifyIconA(NIM_DELETE, &record));
    ASSERT_TRUE(waitUntil([] { return trayIconWindow() == nullptr; }, 5000));

    ::PostMessageA(HWND_BROADCAST, ::RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(waitUntil([] { return trayIconWindow() != nullptr; }, 5000));
    EXPECT_TRUE(firstInstance_.running());
}

}  // namespace
}  // namespace zek::e2e
