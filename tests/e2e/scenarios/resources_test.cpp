// Nothing piles up in the launcher while it is used: handles, GDI and USER
// objects and committed memory return to where they were after many shows,
// keystrokes, hides and menus.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/app/messages.h"
#include "driver/input.h"
#include "driver/launcher_scenario.h"
#include "driver/object_counts.h"
#include "driver/window_query.h"

namespace zek::e2e {
namespace {

// A thousand hides would wait two seconds each in a window manager Wine thinks
// there is; this scenario's launcher manages its windows itself.
class Resources : public LauncherScenario {
  protected:
    void SetUp() override {
        LauncherScenario::SetUp();
        setWineManagesWindows(false);
    }
    void TearDown() override {
        setWineManagesWindows(true);
        LauncherScenario::TearDown();
    }
};

TEST_F(Resources, ShowTypeHideCyclesAndMenusLeaveNothingBehind) {
    std::vector<RecordText> records{{.name = "tools", .type = 2, .level = 1}};
    for (int i = 0; i < 50; ++i) {
        records.push_back({.name = "item" + std::to_string(i), .level = 2, .app = folder_ + "missing.exe"});
    }
    HWND bar = startWith(records);
    ASSERT_NE(bar, nullptr);
    ASSERT_NE(edit_, nullptr);

    auto cycle = [&] {
        ::SendMessageA(bar, app::LM_SHOWBAR, 0, 0);
        sendCharacters(edit_, "item1");
        ::SendMessageA(bar, app::LM_HIDEBAR, 0, 0);
    };
    auto taskMenu = [&] {
        // The task menu, as its hotkey opens it, then closed.
        ::PostMessageA(bar, WM_HOTKEY, 1, 0);
        if (HWND open = waitForOpenMenu(5000)) {
            ::PostMessageA(open, WM_KEYDOWN, VK_ESCAPE, 0);
            waitUntil([] { return openMenus().empty(); }, 5000);
        }
    };
    // Warm up, so that first-use allocations do not count: under Wine the heap grows to
    // its working size, some 200 KB, over the first few hundred cycles.
    for (int i = 0; i < 300; ++i) {
        cycle();
    }
    taskMenu();
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutA(bar, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored);
    const ProcessUsage before = usageOf(firstInstance_.id());

    for (int i = 0; i < 800; ++i) {
        cycle();
    }
    for (int i = 0; i < 200; ++i) {
        taskMenu();
    }
    ::SendMessageTimeoutA(bar, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored);
    const ProcessUsage after = usageOf(firstInstance_.id());

    EXPECT_LE(after.handles, before.handles + 2);
    EXPECT_LE(after.gdiObjects, before.gdiObjects + 2);
    EXPECT_LE(after.userObjects, before.userObjects + 2);
    // A leak of even a few hundred bytes per cycle would show as far more than this.
    EXPECT_LE(after.committedBytes, before.committedBytes + 256 * 1024)
        << before.committedBytes << " -> " << after.committedBytes;
}

}  // namespace
}  // namespace zek::e2e
