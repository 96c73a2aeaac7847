#include "core/tasks/window_filters.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/tasks/window_operations.h"
#include "tasks_test_support.h"

namespace zek::tasks {
namespace {

using test::handlesOf;
using test::titled;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr WindowHandle kBar = 0xB0;
constexpr WindowHandle kProgman = 0xD0;
constexpr WindowHandle kMenuWindow = 0xE0;

// One window of every kind the filters tell apart, in Z order.
Desktop mixedDesktop() {
    Desktop desktop{.bar = kBar, .progman = kProgman, .menuWindow = kMenuWindow};
    desktop.windows = {
        titled(kBar, "ZekLauncher", R"(C:\zek\ZekLauncher.exe)"),
        titled(1, "Editor - a.txt", R"(C:\ed\ed.exe)"),
        titled(kMenuWindow, "menu"),
        titled(2, "", R"(C:\ed\ed.exe)"),  // untitled
        titled(3, "Editor - b.txt", R"(C:\ed\ed.exe)"),
        titled(4, "Find", R"(C:\ed\ed.exe)"),  // owned by window 3
        titled(5, "hidden", R"(C:\ed\ed.exe)"),
        titled(6, "Viewer", R"(C:\ED\ed.exe)"),  // the same file, other letter case
        titled(7, "No rights"),                  // process path could not be read
        titled(kProgman, "Program Manager"),
    };
    desktop.windows[5].owner = 3;
    desktop.windows[6].visible = false;
    return desktop;
}

TEST(TaskWindows, LeaveOutTheBarTheDesktopMenusAndUntitledHiddenOrOwnedWindows) {
    const Desktop desktop = mixedDesktop();
    EXPECT_THAT(handlesOf(taskWindows(desktop)), ElementsAre(1, 3, 6, 7));
    // Minimise all and restore all act on exactly these, the bottom-most first.
    EXPECT_THAT(minimizeRestoreOrder(desktop), ElementsAre(7, 6, 3, 1));
}

TEST(AppWindows, MatchTheProgramPathExactly) {
    const Desktop desktop = mixedDesktop();
    EXPECT_THAT(handlesOf(appWindows(desktop, R"(C:\ed\ed.exe)")), ElementsAre(1, 3));
    EXPECT_THAT(handlesOf(appWindows(desktop, R"(C:\ED\ed.exe)")), ElementsAre(6));
    EXPECT_THAT(handlesOf(appWindows(desktop, R"(C:\ed\ed)")), IsEmpty());
    EXPECT_THAT(handlesOf(appWindows(desktop, "")), IsEmpty());  // a window without a path is no match
    // The bar is not excluded: the launcher can be offered its own window.
    EXPECT_THAT(handlesOf(appWindows(desktop, R"(C:\zek\ZekLauncher.exe)")), ElementsAre(kBar));
}

TEST(WindowTables, MoreWindowsThanTheTableHoldsAreLeftOut) {
    Desktop desktop{.bar = 0x100000};  // a handle none of the numbered windows has
    for (WindowHandle handle = 1; handle <= kWindowTableSize + 500; ++handle) {
        desktop.windows.push_back(titled(handle, "w", R"(C:\p.exe)"));
    }
    const auto tasks = taskWindows(desktop);
    ASSERT_EQ(tasks.size(), kWindowTableSize);
    EXPECT_EQ(tasks.front()->handle, 1u);
    EXPECT_EQ(tasks.back()->handle, kWindowTableSize);
    EXPECT_EQ(appWindows(desktop, R"(C:\p.exe)").size(), kWindowTableSize);
    const auto order = minimizeRestoreOrder(desktop);
    ASSERT_EQ(order.size(), kWindowTableSize);
    EXPECT_EQ(order.front(), kWindowTableSize);  // the lowest of the top-most 1,024
    EXPECT_EQ(order.back(), 1u);
}

}  // namespace
}  // namespace zek::tasks
