// Menus as the user opens them: a node's menu, the candidates of one name, the
// task and same-application menus of the hotkeys, one menu at a time.
#include <gtest/gtest.h>

#include <string>

#include "core/menus/owner_draw.h"
#include "driver/input.h"
#include "driver/launcher_scenario.h"
#include "driver/screen.h"
#include "driver/window_query.h"

namespace zek::e2e {
namespace {

class Menus : public LauncherScenario {
  protected:
    void SetUp() override {
        LauncherScenario::SetUp();
        probeInSpacedFolder();
    }
    void showBarAndType(const std::string& text) {
        showAndFocus(bar_);
        typeOver(text);
        ASSERT_TRUE(waitUntil([&] { return windowText(edit_).starts_with(text); }, 5000))
            << windowText(edit_);
    }
};

TEST_F(Menus, AltEnterOffersEveryItemOfTheNameAndANodeOpensItsMenuAlone) {
    startWith({{.name = "one", .type = 2, .level = 1},
               {.name = "dup", .level = 2, .app = probe_, .option = "X"},
               {.name = "two", .type = 2, .level = 1},
               {.name = "dup", .level = 2, .app = probe_, .option = "Y"},
               {.name = "tools", .type = 2, .level = 1},
               {.name = "pa", .level = 2, .app = probe_, .option = "A"},
               {.name = "pb", .level = 2, .app = probe_, .option = "B"}});
    showBarAndType("dup");
    pressChord({VK_MENU, VK_RETURN});
    ASSERT_NE(waitForOpenMenu(5000), nullptr) << "no menu of the two items";
    pressKey(VK_ESCAPE);  // runs nothing: the log below holds the two runs that follow alone
    EXPECT_TRUE(waitUntil([&] { return openMenus().empty(); }, 5000));
    pressChord({VK_MENU, VK_RETURN});
    ASSERT_NE(waitForOpenMenu(5000), nullptr);
    pressKey(VK_DOWN);
    pressKey(VK_RETURN);
    ASSERT_EQ(probeStarts(1).size(), 1u);

    showBarAndType("tools");
    pressKey(VK_RETURN);
    ASSERT_NE(waitForOpenMenu(5000), nullptr) << "no node menu";
    // Another request for a menu while one is open is dropped; the sender is answered.
    EXPECT_EQ(runLauncher("/c tools"), 0u);
    EXPECT_EQ(runLauncher("/s"), 0u);
    ::Sleep(300);
    EXPECT_EQ(openMenus().size(), 1u);
    pressKey(VK_DOWN);   // the node's row
    pressKey(VK_RIGHT);  // its submenu, first row highlighted
    pressKey(VK_RETURN);
    const auto starts = probeStarts(2);
    ASSERT_EQ(starts.size(), 2u);
    EXPECT_TRUE(starts[0].commandLine.ends_with(" X")) << starts[0].commandLine;
    EXPECT_TRUE(starts[1].commandLine.ends_with(" A")) << starts[1].commandLine;
    EXPECT_TRUE(waitUntil([&] { return !::IsWindowVisible(bar_); }, 5000));
    ::Sleep(300);
    EXPECT_EQ(readProbeLog(probeLogBeside(probe_)).size(), 2u) << "one Enter, one run";
    // Nothing is left tracking a menu behind the hidden bar: the program ends when told.
    EXPECT_EQ(runLauncher("/x"), 0u);
    EXPECT_TRUE(firstInstance_.waitForExit(10000).has_value());
}

TEST_F(Menus, CtrlEnterOffersTheCandidatesInOwnerDrawnRowsFoundByTheirLetter) {
    startWith({{.name = "ba", .app = probe_},
               {.name = "bb", .app = probe_},
               {.name = "bc", .app = probe_, .option = "C"},
               {.name = "cd", .app = probe_}});
    showBarAndType("b");
    pressChord({VK_CONTROL, VK_RETURN});
    HWND menu = waitForOpenMenu(5000);
    ASSERT_NE(menu, nullptr) << "no menu of the candidates";

    const RECT rect = windowRect(menu);
    // The icon strip runs down the left of every row; on the "Exit" row, which has no
    // icon over it, it ends 20 pixels into the menu at 96 DPI (the menu's own border
    // may lie over its first pixels).
    const COLORREF strip = menus::stripColour(::GetSysColor(COLOR_MENU));
    EXPECT_GE(waitForColourIn(menu, strip, 20 * 60), 20 * 60);
    const display::DpiScale scale = screenScale();
    POINT client{0, 0};
    ::ClientToScreen(menu, &client);
    const ScreenImage screen = captureScreen();
    const int line = rect.bottom - scale.px(9);
    int stripEnd = client.x;
    while (stripEnd < rect.right && screen.at(stripEnd, line) != strip) {
        ++stripEnd;
    }
    while (stripEnd < rect.right && screen.at(stripEnd, line) == strip) {
        ++stripEnd;
    }
    EXPECT_EQ(stripEnd - client.x, scale.px(20));
    pressKey(VK_DOWN);
    const COLORREF selection = menus::selectionFillColour(::GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_GT(waitForColourIn(menu, selection, 100), 100) << "the highlighted row is filled";

    // A letter selects the next row below the highlighted one that starts with it
    // (which row, folded how, is the core's to find).
    const auto rows = static_cast<LPARAM>(::SendMessageA(menu, MN_GETHMENU, 0, 0));
    ASSERT_NE(rows, 0);
    const auto menuChar = [&] { return ::SendMessageA(bar_, WM_MENUCHAR, MAKEWPARAM('b', MF_POPUP), rows); };
    EXPECT_EQ(menuChar(), 0x30001);
    pressKey(VK_DOWN);
    pressKey(VK_DOWN);
    // The menu moves its highlight when it reads the keys, not when they are sent.
    EXPECT_TRUE(waitUntil([&] { return menuChar() == 0x30000; }, 5000)) << menuChar();
    pressKey(VK_RETURN);  // the highlighted third candidate runs
    const auto starts = probeStarts(1);
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_TRUE(starts[0].commandLine.ends_with(" C")) << starts[0].commandLine;
    EXPECT_TRUE(waitUntil([&] { return openMenus().empty(); }, 5000));
    EXPECT_EQ(menuChar(), 0) << "no menu, no answer";
}

// Win + Space lists every window; Ctrl + Alt + J the foreground program's (which
// windows, and from how many on, is the core's rule).
TEST_F(Menus, TheWindowHotkeysListWindowsAndActivateTheChosenOne) {
    startWith({}, "[Mode]\r\nKey5=3\r\nKey6=74\r\n");
    HWND first = startProbeWindow("TaskOne");
    ASSERT_TRUE(first != nullptr && startProbeWindow("TaskTwo") != nullptr);
    ::SetForegroundWindow(first);
    ASSERT_TRUE(waitUntil([&] { return ::GetForegroundWindow() == first; }, 5000));
    pressChord({VK_CONTROL, VK_MENU, 'J'});
    ASSERT_NE(waitForOpenMenu(5000), nullptr) << "two windows of the program: a menu";
    pressKey(VK_ESCAPE);
    EXPECT_TRUE(waitUntil([&] { return openMenus().empty(); }, 5000));

    ::ShowWindow(first, SW_MINIMIZE);
    ASSERT_TRUE(waitUntil([&] { return ::IsIconic(first) != FALSE; }, 5000));
    pressChord({VK_LWIN, VK_SPACE});
    ASSERT_NE(waitForOpenMenu(5000), nullptr) << "no task menu";
    // Walk down to whichever row leads to the minimised window: choosing it restores it.
    bool restored = false;
    for (int row = 1; row <= 4 && !restored; ++row) {
        for (int step = 0; step < row; ++step) {
            pressKey(VK_DOWN);
        }
        pressKey(VK_RETURN);
        restored = waitUntil([&] { return !::IsIconic(first); }, 1500);
        if (!restored) {
            ::Sleep(200);
            pressChord({VK_LWIN, VK_SPACE});
            ASSERT_NE(waitForOpenMenu(5000), nullptr);
        }
    }
    EXPECT_TRUE(restored);
}

}  // namespace
}  // namespace zek::e2e
