// Typing in the command box as a user does: completion, Tab, Enter, Escape, Japanese names.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "driver/input.h"
#include "driver/launcher_scenario.h"
#include "driver/window_query.h"

namespace zek::e2e {
namespace {

class CommandBox : public LauncherScenario {
  protected:
    // The bar shown with notepad, notebook, calc and two Japanese names, the first
    // two starting the probe, and the probe beside the launcher as the filer.
    void showBarWithItems() {
        probeInSpacedFolder();
        startWith({{.name = "notepad", .app = probe_, .option = "pad"},
                   {.name = "notebook", .app = probe_, .option = "book"},
                   {.name = "calc", .app = folder_ + "missing.exe"},
                   {.name = "表計算", .app = probe_},
                   {.name = "表示", .app = probe_}},
                  "[ExtMode]\r\nFileApp=" + folder_ + "probe.exe\r\nFileAppOption=/e,\r\n");
        ASSERT_NE(bar_, nullptr);
        showAndFocus(bar_);
        ASSERT_NE(edit_, nullptr);
    }

    std::string text() const { return windowText(edit_); }
    std::pair<int, int> selection() const { return editSelection(edit_); }
};

TEST_F(CommandBox, TypingCompletesBackspaceTakesItBackTabCyclesLeftAndRightRefilterAndEscapeEmpties) {
    showBarWithItems();
    const auto listCount = [&] { return ::SendMessageA(box_, CB_GETCOUNT, 0, 0); };
    // Shown, the list holds every name: the five items and the eight built-in commands.
    const LRESULT everything = listCount();
    EXPECT_EQ(everything, 13);
    const auto names = listTexts(box_);
    EXPECT_NE(std::find(names.begin(), names.end(), "表計算"), names.end());
    // Both names begin with "no"; notebook comes first in list order.
    typeAscii("no");
    ASSERT_TRUE(textBecomes("notebook")) << text();
    EXPECT_EQ(selection(), std::make_pair(2, 8));
    pressKey(VK_BACK);
    ASSERT_TRUE(textBecomes("no")) << text();
    typeAscii("tep");
    EXPECT_TRUE(textBecomes("notepad")) << text();
    EXPECT_EQ(selection(), std::make_pair(5, 7));

    // Tab cycles the candidates, keeping their common beginning.
    typeOver("no");
    ASSERT_TRUE(textBecomes("notebook"));
    pressKey(VK_TAB);
    ASSERT_TRUE(textBecomes("notepad")) << text();
    EXPECT_EQ(selection(), std::make_pair(4, 7));

    // Left and Right filter the list again by what lies before the caret. (A letter
    // that replaces a longer text counts as a deletion: the second one completes.)
    typeOver("ca");
    ASSERT_TRUE(textBecomes("calc")) << text();
    EXPECT_EQ(listCount(), 1);
    pressKey(VK_HOME);
    pressKey(VK_LEFT);  // the caret at the start: nothing typed, every name
    EXPECT_TRUE(waitUntil([&] { return listCount() == everything; }, 5000)) << listCount();
    pressKey(VK_RIGHT);  // "c" before the caret
    EXPECT_TRUE(waitUntil([&] { return listCount() == 1; }, 5000)) << listCount();

    // Japanese characters reach an ANSI window as lead and trail byte pairs.
    ::SendMessageA(edit_, EM_SETSEL, 0, -1);
    sendCharacters(edit_, "表計");
    ASSERT_TRUE(textBecomes("表計算")) << ::testing::PrintToString(text());
    EXPECT_EQ(selectedEditText(edit_), "算");
    // The next character replaces the completed tail, whole.
    sendCharacters(edit_, "示");
    EXPECT_TRUE(textBecomes("表計示")) << ::testing::PrintToString(text());

    pressKey(VK_ESCAPE);
    EXPECT_TRUE(waitUntil([&] { return !::IsWindowVisible(bar_); }, 5000));
    EXPECT_EQ(text(), "");
}

TEST_F(CommandBox, EnterKeepsTheBarOnAFailureRunsTheSelectionAndCtrlAltEnterOpensTheFolder) {
    showBarWithItems();
    typeAscii("xyz");
    ASSERT_TRUE(textBecomes("xyz"));
    pressKey(VK_RETURN);  // runs nothing, and the bar stays to take the next name
    typeOver("calc");
    ASSERT_TRUE(textBecomes("calc"));
    pressKey(VK_RETURN);
    const auto box = waitForDialog(firstInstance_.id());
    ASSERT_TRUE(box);
    EXPECT_EQ(box->caption, "起動失敗");
    pressDialogButton(box->window, IDOK);
    ::Sleep(300);
    EXPECT_TRUE(::IsWindowVisible(bar_));
    EXPECT_TRUE(dialogsOfProcess(firstInstance_.id()).empty()) << "one Enter, one message";
    EXPECT_TRUE(readProbeLog(probeLogBeside(probe_)).empty());

    // Ctrl + Alt + Enter opens the item's folder with the filer; the item itself does not run.
    typeOver("noteb");
    ASSERT_TRUE(textBecomes("notebook"));
    pressChord({VK_CONTROL, VK_MENU, VK_RETURN});
    const auto opened = waitForProbeStarts(folder_ + "probe.log", 1);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_TRUE(opened[0].commandLine.starts_with("\"" + folder_ + "probe.exe\" /e,"))
        << opened[0].commandLine;
    EXPECT_TRUE(opened[0].commandLine.ends_with("probe folder\\\"")) << opened[0].commandLine;
    EXPECT_TRUE(readProbeLog(probeLogBeside(probe_)).empty());

    showAndFocus(bar_);
    typeOver("no");
    ASSERT_TRUE(textBecomes("notebook"));
    pressKey(VK_DOWN);
    ASSERT_TRUE(textBecomes("notepad")) << text();
    EXPECT_EQ(::SendMessageA(box_, CB_GETCURSEL, 0, 0), 1);
    pressKey(VK_DOWN);  // the last candidate stays
    const RECT area = windowRect(edit_);
    const int x = (area.left + area.right) / 2;
    const int y = (area.top + area.bottom) / 2;
    turnWheelAt(x, y, WHEEL_DELTA);  // a notch up is Up
    ASSERT_TRUE(textBecomes("notebook")) << text();
    turnWheelAt(x, y, -WHEEL_DELTA);
    ASSERT_TRUE(textBecomes("notepad")) << text();
    pressKey(VK_RETURN);
    const auto starts = probeStarts(1);
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_TRUE(starts[0].commandLine.ends_with(" pad")) << starts[0].commandLine;
    EXPECT_TRUE(waitUntil([&] { return !::IsWindowVisible(bar_); }, 5000));
    ::Sleep(300);
    EXPECT_EQ(readProbeLog(probeLogBeside(probe_)).size(), 1u) << "one Enter, one start";
}

}  // namespace
}  // namespace zek::e2e
