// Running items: programs, documents through the own associations, folders
// through the filer, nodes that start everything, item hotkeys, running windows
// (the window chooser of a task-switch item: start_menu_test.cpp). Files dropped
// on the bar, as from Explorer: one opens with the item the box shows or by its
// own association; more than one, or a path too long to take whole, opens nothing.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "driver/drop_files.h"
#include "driver/files.h"
#include "driver/input.h"
#include "driver/launcher_scenario.h"
#include "driver/window_query.h"

namespace zek::e2e {
namespace {

using Launch = LauncherScenario;

TEST_F(Launch, TheRunSwitchAndAnItemHotkeyStartTheItemAndWindowCommandsLeaveTheBarAlone) {
    const std::string probe = probeInSpacedFolder();
    // Ctrl + Alt + Q for "quick".
    HWND bar = startWith({{.name = "probe", .app = probe, .option = "alpha \"b c\"", .dir = folder_},
                          {.name = "quick", .app = probe, .option = "q", .hotKey1 = 3, .hotKey2 = 'Q'}});
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(runLauncher("/c probe"), 0u);
    ASSERT_EQ(runLauncher("/c nothing-by-this-name"), 0u);  // runs nothing
    pressChord({VK_CONTROL, VK_MENU, 'Q'});
    const auto starts = probeStarts(2);
    ASSERT_EQ(starts.size(), 2u);
    EXPECT_EQ(starts[0].commandLine, inQuotes(probe) + " alpha \"b c\"");
    EXPECT_EQ(withoutTrailingBackslash(starts[0].directory), withoutTrailingBackslash(folder_));
    EXPECT_EQ(starts[0].show, SW_SHOW);
    EXPECT_EQ(starts[1].commandLine, inQuotes(probe) + " q");
    // Off, the keys are free for others; on again, they are taken.
    ASSERT_EQ(runLauncher("/c hotkeyoff"), 0u);
    EXPECT_FALSE(hotkeyTakenElsewhere(MOD_CONTROL | MOD_ALT, 'Q'));
    ASSERT_EQ(runLauncher("/c hotkeyon"), 0u);
    EXPECT_TRUE(hotkeyTakenElsewhere(MOD_CONTROL | MOD_ALT, 'Q'));

    // Minimise, restore and next window leave the bar alone.
    HWND first = startProbeWindow("ProbeA");
    HWND second = startProbeWindow("ProbeB");
    ASSERT_TRUE(first != nullptr && second != nullptr);
    ASSERT_EQ(runLauncher("/s"), 0u);
    ASSERT_EQ(runLauncher("/z"), 0u);
    EXPECT_TRUE(waitUntil([&] { return ::IsIconic(first) && ::IsIconic(second); }, 5000));
    EXPECT_FALSE(::IsIconic(bar));
    EXPECT_TRUE(::IsWindowVisible(bar));
    ASSERT_EQ(runLauncher("/u"), 0u);
    EXPECT_TRUE(waitUntil([&] { return !::IsIconic(first) && !::IsIconic(second); }, 5000));

    ::SetForegroundWindow(second);
    ASSERT_TRUE(waitUntil([&] { return ::GetForegroundWindow() == second; }, 5000));
    // The top window sinks to the bottom and the one below it comes up. Wine without
    // a window manager keeps the Z order of other programs' windows as it was, so
    // the cycle beyond this first step is left to the unit tests.
    ASSERT_EQ(runLauncher("/n"), 0u);
    EXPECT_TRUE(waitUntil([&] { return ::GetForegroundWindow() == first; }, 5000));
}

// One start at a time, so the log keeps their order.
TEST_F(Launch, DocumentsAndDroppedFilesOpenByAssociationOrWithAnItemABootNodeRunsAll) {
    const std::string probe = probeInSpacedFolder();
    const std::string document = folder_ + "notes.zek";
    const std::string target = withoutTrailingBackslash(folder_);
    const std::string missing = folder_ + "missing.exe";
    writeFile("notes.zek", "text");
    HWND bar =
        startWith({{.name = "notes", .app = document, .option = "-v", .extension = 1},
                   {.name = "here", .app = target, .extension = 1},
                   {.name = "viewer", .app = probe, .option = "-x"},
                   {.name = "all", .type = 2, .level = 1, .boot = 1},
                   {.name = "a", .level = 2, .app = probe, .option = "first"},
                   {.name = "b", .level = 2, .app = missing},
                   {.name = "c", .level = 2, .app = probe, .option = "third"}},
                  "[ExtMode]\r\nFileApp=" + probe +
                      "\r\nFileAppOption=/e,\r\nExtKey0=zek\r\nPathKey0=" + probe + "\r\nOptionKey0=/o:\r\n");
    ASSERT_NE(bar, nullptr);
    const std::pair<std::string, std::string> runs[] = {
        {"/c notes", " /o:-v " + inQuotes(document)},
        {"/f " + inQuotes(document), " /o:" + inQuotes(document)},
        {"/e viewer " + inQuotes(document), " -x " + inQuotes(document)},
        {"/c here", " /e," + inQuotes(target)},
        {"/f " + inQuotes(target), " /e," + inQuotes(target)},
    };
    for (std::size_t i = 0; i < std::size(runs); ++i) {
        ASSERT_EQ(runLauncher(runs[i].first), 0u) << runs[i].first;
        const auto starts = probeStarts(i + 1);
        ASSERT_EQ(starts.size(), i + 1) << runs[i].first;
        EXPECT_EQ(starts[i].commandLine, inQuotes(probe) + runs[i].second);
    }
    // A file opened by association starts in the file's folder.
    EXPECT_EQ(withoutTrailingBackslash(probeStarts(2)[1].directory), target);

    // The boot node starts each of its items and reports each failure.
    Process sender = startLauncher("/c all");
    const auto box = waitForDialog(firstInstance_.id());
    ASSERT_TRUE(box) << "no failure message";
    EXPECT_EQ(box->caption, "起動失敗");
    EXPECT_EQ(box->text, missing + " を実行することができません　");
    pressDialogButton(box->window, IDOK);
    EXPECT_EQ(sender.waitForExit(10000), 0u);
    const auto starts = probeStarts(7);
    ASSERT_EQ(starts.size(), 7u);
    EXPECT_EQ(starts[5].commandLine, inQuotes(probe) + " first");
    EXPECT_EQ(starts[6].commandLine, inQuotes(probe) + " third");

    // Files dropped on the bar, as from Explorer.
    showAndFocus(bar);
    ASSERT_TRUE(dropFiles(bar, {document}));
    ASSERT_EQ(probeStarts(8).size(), 8u);
    EXPECT_TRUE(waitUntil([&] { return !::IsWindowVisible(bar); }, 5000));
    showAndFocus(bar);
    const std::string second = folder_ + "b.zek";
    writeFile("b.zek", "text");
    typeAscii("vi");
    ASSERT_TRUE(textBecomes("viewer")) << windowText(edit_);
    ASSERT_TRUE(dropFiles(bar, {document, second}));
    // Cut to the box's 512 bytes it would name another file.
    ASSERT_TRUE(dropFiles(bar, {folder_ + std::string(600, 'd') + ".zek"}));
    // The bar handles its messages in order: once a later single drop has run,
    // the pair and the long path have been handled too.
    ASSERT_TRUE(dropFiles(bar, {second}));
    const auto dropped = probeStarts(9);
    ASSERT_EQ(dropped.size(), 9u);
    EXPECT_EQ(dropped[7].commandLine, inQuotes(probe) + " /o:" + inQuotes(document));
    EXPECT_EQ(dropped[8].commandLine, inQuotes(probe) + " -x " + inQuotes(second));
    EXPECT_TRUE(waitUntil([&] { return !::IsWindowVisible(bar); }, 5000));
    ::Sleep(300);
    EXPECT_EQ(readProbeLog(probeLogBeside(probe)).size(), 9u);
}

TEST_F(Launch, TwoItemsWithOneHotkeyGiveOneConflictNamingTheLaterItem) {
    const std::string probe = probeInSpacedFolder();
    writeFile("ZekLauncher.dat",
              dataFileText({{.name = "alpha", .app = probe, .hotKey1 = 3, .hotKey2 = 'W'},
                            {.name = "beta", .app = probe, .hotKey1 = 3, .hotKey2 = 'W'}}));
    firstInstance_ = startLauncher();
    const auto box = waitForDialog(firstInstance_.id());
    ASSERT_TRUE(box);
    EXPECT_EQ(box->caption, "HOTKEY");
    EXPECT_EQ(box->text, "[ beta ]  Alt + Ctrl + Wのホットキーはすでに使用されています。");
    pressDialogButton(box->window, IDOK);
    DWORD_PTR ignored = 0;
    ASSERT_TRUE(::SendMessageTimeoutA(findBar(), WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored));
    ::Sleep(300);
    EXPECT_TRUE(dialogsOfProcess(firstInstance_.id()).empty());
}

}  // namespace
}  // namespace zek::e2e
