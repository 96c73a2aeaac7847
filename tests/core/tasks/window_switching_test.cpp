#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/tasks/app_window_chooser.h"
#include "core/tasks/window_operations.h"
#include "tasks_test_support.h"

namespace zek::tasks {
namespace {

using test::titled;
using ::testing::ElementsAre;

constexpr WindowHandle kBar = 0xB0;
const std::string kEditor = R"(C:\ed\ed.exe)";

// What the system does for a next-window step: the sunk window goes to the bottom
// and the activated one to the top.
void applyStep(Desktop& desktop, const NextWindowStep& step) {
    auto& windows = desktop.windows;
    const auto sunk = std::find_if(windows.begin(), windows.end(),
                                   [&](const WindowFacts& w) { return w.handle == step.sinkToBottom; });
    std::rotate(sunk, sunk + 1, windows.end());
    const auto raised = std::find_if(windows.begin(), windows.end(),
                                     [&](const WindowFacts& w) { return w.handle == step.activate; });
    std::rotate(windows.begin(), raised, raised + 1);
}

TEST(NextWindow, SinksTheTopTaskWindowAndActivatesTheOneBelowInTurn) {
    constexpr WindowHandle kX = 1, kY = 2, kZ = 3;
    Desktop desktop{.bar = kBar};
    desktop.windows = {titled(kBar, "bar"), titled(kX, "X"), titled(10, ""), titled(kY, "Y"),
                       titled(kZ, "Z")};
    desktop.windows[2].visible = false;

    std::vector<WindowHandle> activated;
    for (int call = 0; call < 4; ++call) {
        const auto step = nextWindowStep(desktop);
        ASSERT_TRUE(step);
        if (call == 0) {
            EXPECT_EQ(step->sinkToBottom, kX);
            EXPECT_EQ(step->activate, kY);
        }
        activated.push_back(step->activate);
        applyStep(desktop, *step);
    }
    EXPECT_THAT(activated, ElementsAre(kY, kZ, kX, kY));

    // With one task window left there is nothing to switch to.
    desktop.windows = {titled(kBar, "bar"), titled(kX, "X")};
    EXPECT_FALSE(nextWindowStep(desktop));
}

TEST(AppWindowChooser, OffersNewThenTheProgramsWindowsInZOrder) {
    Desktop desktop{.bar = kBar};
    desktop.windows = {titled(kBar, "bar"), titled(21, "A", kEditor), titled(22, "other", R"(C:\x.exe)"),
                       titled(23, "B", kEditor)};
    const auto rows = appWindowChooserRows(desktop, kEditor);
    EXPECT_THAT(rows, ElementsAre(ChooserRow{1, "New", 0}, ChooserRow{2, "A", 21}, ChooserRow{3, "B", 23}));

    std::set<WindowHandle> gone;
    const auto exists = [&gone](WindowHandle window) { return !gone.contains(window); };
    using Kind = AppWindowChoice::Kind;
    EXPECT_EQ(resolveAppWindowChoice(rows, 0, exists), AppWindowChoice{Kind::Cancelled});
    EXPECT_EQ(resolveAppWindowChoice(rows, 1, exists), AppWindowChoice{Kind::StartNew});
    EXPECT_EQ(resolveAppWindowChoice(rows, 3, exists), (AppWindowChoice{Kind::Activate, 23}));
    EXPECT_EQ(resolveAppWindowChoice(rows, 4, exists), AppWindowChoice{Kind::Cancelled});
    EXPECT_EQ(resolveAppWindowChoice(rows, -1, exists), AppWindowChoice{Kind::Cancelled});
    gone.insert(23);  // closed while the menu was open
    EXPECT_EQ(resolveAppWindowChoice(rows, 3, exists), AppWindowChoice{Kind::StartNew});

    // A program without windows (the path's letter case differs) is offered only "New".
    desktop.windows = {titled(21, "A", R"(C:\ED\ed.exe)")};
    EXPECT_THAT(appWindowChooserRows(desktop, kEditor), ElementsAre(ChooserRow{1, "New", 0}));
}

TEST(AppWindowChooser, RowsAreBoundedByTheTableAndTheTitleBuffer) {
    Desktop desktop{.bar = kBar};
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
    EXPECT_EQ(rows.back().id, static_cast<std::int32_t>(kWindowTableSize + 1));
    EXPECT_EQ(rows.back().window, kWindowTableSize);
}

}  // namespace
}  // namespace zek::tasks
