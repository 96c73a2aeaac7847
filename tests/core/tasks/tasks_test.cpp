#include "core/tasks/window_filters.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/tasks/app_window_chooser.h"
#include "core/tasks/window_operations.h"

namespace zek::tasks {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// A visible, unowned window.
WindowFacts titled(WindowHandle handle, std::string title, std::optional<std::string> programPath = {}) {
    return {
        .handle = handle, .title = std::move(title), .visible = true, .programPath = std::move(programPath)};
}

std::vector<WindowHandle> handlesOf(const std::vector<const WindowFacts*>& windows) {
    std::vector<WindowHandle> handles;
    for (const WindowFacts* window : windows) {
        handles.push_back(window->handle);
    }
    return handles;
}

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
    Desktop desktop = mixedDesktop();
    EXPECT_THAT(handlesOf(taskWindows(desktop)), ElementsAre(1, 3, 6, 7));
    // Minimise all and restore all act on exactly these, the bottom-most first.
    EXPECT_THAT(minimizeRestoreOrder(desktop), ElementsAre(7, 6, 3, 1));
    const auto step = nextWindowStep(desktop);
    ASSERT_TRUE(step);
    EXPECT_EQ(std::pair(step->sinkToBottom, step->activate), (std::pair<WindowHandle, WindowHandle>(1, 3)));
    // With one task window left there is nothing to switch to.
    desktop.windows.resize(2);
    EXPECT_FALSE(nextWindowStep(desktop));
}

TEST(AppWindows, MatchTheProgramPathExactlyAndTheChooserOffersNewThenThemInZOrder) {
    const Desktop desktop = mixedDesktop();
    EXPECT_THAT(handlesOf(appWindows(desktop, R"(C:\ED\ed.exe)")), ElementsAre(6));
    EXPECT_THAT(handlesOf(appWindows(desktop, "")), IsEmpty());  // a window without a path is no match
    // The bar is not excluded: the launcher can be offered its own window.
    EXPECT_THAT(handlesOf(appWindows(desktop, R"(C:\zek\ZekLauncher.exe)")), ElementsAre(kBar));
    EXPECT_THAT(appWindowChooserRows(desktop, R"(C:\ed\ed)"), ElementsAre(ChooserRow{1, "New", 0}));
    const auto rows = appWindowChooserRows(desktop, R"(C:\ed\ed.exe)");
    EXPECT_THAT(rows, ElementsAre(ChooserRow{1, "New", 0}, ChooserRow{2, "Editor - a.txt", 1},
                                  ChooserRow{3, "Editor - b.txt", 3}));

    WindowHandle gone = 0;
    const auto exists = [&gone](WindowHandle window) { return window != gone; };
    using Kind = AppWindowChoice::Kind;
    EXPECT_EQ(resolveAppWindowChoice(rows, 0, exists), AppWindowChoice{Kind::Cancelled});
    EXPECT_EQ(resolveAppWindowChoice(rows, 1, exists), AppWindowChoice{Kind::StartNew});
    EXPECT_EQ(resolveAppWindowChoice(rows, 2, exists), (AppWindowChoice{Kind::Activate, 1}));
    EXPECT_EQ(resolveAppWindowChoice(rows, 3, exists), (AppWindowChoice{Kind::Activate, 3}));
    EXPECT_EQ(resolveAppWindowChoice(rows, 4, exists), AppWindowChoice{Kind::Cancelled});  // no row's id
    gone = 3;  // closed while the menu was open
    EXPECT_EQ(resolveAppWindowChoice(rows, 3, exists), AppWindowChoice{Kind::StartNew});
}

TEST(WindowTables, MoreWindowsThanTheTableHoldsAreLeftOutAndTitlesCutToTheBuffer) {
    const std::string kEditor = R"(C:\ed\ed.exe)";
    Desktop desktop{.bar = 0x100000};  // a handle none of the numbered windows has
    // 1,022 bytes and a double-byte character that would end past the buffer.
    desktop.windows.push_back(titled(1, std::string(kTitleBufferBytes - 2, 't') + "表", kEditor));
    for (WindowHandle handle = 2; handle <= kWindowTableSize + 10; ++handle) {
        desktop.windows.push_back(titled(handle, "w", kEditor));
    }
    desktop.windows[1].title = std::string(kTitleBufferBytes + 5, 'u');
    const auto rows = appWindowChooserRows(desktop, kEditor);
    ASSERT_EQ(rows.size(), kWindowTableSize + 1);
    EXPECT_EQ(rows[1].text, std::string(kTitleBufferBytes - 2, 't'));
    EXPECT_EQ(rows[2].text, std::string(kTitleBufferBytes - 1, 'u'));
    EXPECT_EQ(rows.back().window, kWindowTableSize);  // the lowest of the top-most 1,024
    EXPECT_EQ(taskWindows(desktop).size(), kWindowTableSize);
}

}  // namespace
}  // namespace zek::tasks
