// Running items: programs, documents through the own associations, folders
// through the filer, nodes that start everything, item hotkeys, running windows.
#include <gtest/gtest.h>

#include <string>

#include "driver/files.h"
#include "driver/input.h"
#include "driver/probe_log.h"
#include "driver/window_query.h"
#include "scenarios/data_file_text.h"
#include "scenarios/launcher_scenario.h"

namespace zek::e2e {
namespace {

using Launch = LauncherScenario;

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string withoutTrailingBackslash(std::string path) {
    if (!path.empty() && path.back() == '\\') {
        path.pop_back();
    }
    return path;
}

TEST_F(Launch, RunSwitchStartsTheItemWithItsOptionAndFolder) {
    const std::string probe = probeInSpacedFolder();
    ASSERT_TRUE(writeFileBytes(
        folder_ + "ZekLauncher.dat",
        dataFileText({{.name = "probe", .app = probe, .option = "alpha \"b c\"", .dir = folder_}})));
    ASSERT_NE(startFirstInstance(), nullptr);
    ASSERT_EQ(runLauncher("/c probe"), 0u);
    const auto starts = waitForProbeStarts(probeLogPath(probe), 1);
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].commandLine, quoted(probe) + " alpha \"b c\"");
    EXPECT_EQ(withoutTrailingBackslash(starts[0].directory), withoutTrailingBackslash(folder_));
    EXPECT_EQ(starts[0].show, SW_SHOW);
    // An unknown name runs nothing.
    ASSERT_EQ(runLauncher("/c nothing-by-this-name"), 0u);
    ::Sleep(300);
    EXPECT_EQ(readProbeLog(probeLogPath(probe)).size(), 1u);
}

TEST_F(Launch, ADocumentOpensWithTheOwnAssociation) {
    const std::string probe = probeInSpacedFolder();
    const std::string document = folder_ + "notes.zek";
    ASSERT_TRUE(writeFileBytes(document, "text"));
    ASSERT_TRUE(writeFileBytes(folder_ + "ZekLauncher.ini",
                               "[ExtMode]\r\nExtKey0=zek\r\nPathKey0=" + probe + "\r\nOptionKey0=/o:\r\n"));
    ASSERT_TRUE(
        writeFileBytes(folder_ + "ZekLauncher.dat",
                       dataFileText({{.name = "notes", .app = document, .option = "-v", .extension = 1}})));
    ASSERT_NE(startFirstInstance(), nullptr);
    ASSERT_EQ(runLauncher("/c notes"), 0u);
    const auto starts = waitForProbeStarts(probeLogPath(probe), 1);
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].commandLine, quoted(probe) + " /o:-v " + quoted(document));
}

TEST_F(Launch, AFolderItemOpensWithTheFiler) {
    const std::string probe = probeInSpacedFolder();
    ASSERT_TRUE(writeFileBytes(folder_ + "ZekLauncher.ini",
                               "[ExtMode]\r\nFileApp=" + probe + "\r\nFileAppOption=/e,\r\n"));
    const std::string target = withoutTrailingBackslash(folder_);
    ASSERT_TRUE(writeFileBytes(folder_ + "ZekLauncher.dat",
                               dataFileText({{.name = "here", .app = target, .extension = 1}})));
    ASSERT_NE(startFirstInstance(), nullptr);
    ASSERT_EQ(runLauncher("/c here"), 0u);
    auto starts = waitForProbeStarts(probeLogPath(probe), 1);
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].commandLine, quoted(probe) + " /e," + quoted(target));
    // "/f" of the folder goes to the filer with its option too.
    ASSERT_EQ(runLauncher("/f " + quoted(target)), 0u);
    starts = waitForProbeStarts(probeLogPath(probe), 2);
    ASSERT_EQ(starts.size(), 2u);
    EXPECT_EQ(starts[1].commandLine, quoted(probe) + " /e," + quoted(target));
}

TEST_F(Launch, FileSwitchesOpenByAssociationOrWithTheNamedItem) {
    const std::string probe = probeInSpacedFolder();
    const std::string document = folder_ + "a.zek";
    ASSERT_TRUE(writeFileBytes(document, "text"));
    ASSERT_TRUE(writeFileBytes(folder_ + "ZekLauncher.ini",
                               "[ExtMode]\r\nExtKey0=zek\r\nPathKey0=" + probe + "\r\n"));
    ASSERT_TRUE(writeFileBytes(folder_ + "ZekLauncher.dat",
                               dataFileText({{.name = "viewer", .app = probe, .option = "-x"}})));
    ASSERT_NE(startFirstInstance(), nullptr);
    // By association, started in the file's folder.
    ASSERT_EQ(runLauncher("/f " + quoted(document)), 0u);
    auto starts = waitForProbeStarts(probeLogPath(probe), 1);
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].commandLine, quoted(probe) + " " + quoted(document));
    EXPECT_EQ(withoutTrailingBackslash(starts[0].directory), withoutTrailingBackslash(folder_));
    // With an item: its program, its option, the quoted file.
    ASSERT_EQ(runLauncher("/e viewer " + quoted(document)), 0u);
    starts = waitForProbeStarts(probeLogPath(probe), 2);
    ASSERT_EQ(starts.size(), 2u);
    EXPECT_EQ(starts[1].commandLine, quoted(probe) + " -x " + quoted(document));
}

TEST_F(Launch, ABootNodeStartsEverythingAndReportsEachFailure) {
    const std::string probe = probeInSpacedFolder();
    const std::string missing = folder_ + "missing.exe";
    ASSERT_TRUE(writeFileBytes(folder_ + "ZekLauncher.dat",
                               dataFileText({{.name = "all", .type = 2, .level = 1, .boot = 1},
                                             {.name = "a", .level = 2, .app = probe, .option = "first"},
                                             {.name = "b", .level = 2, .app = missing},
                                             {.name = "c", .level = 2, .app = probe, .option = "third"}})));
    ASSERT_NE(startFirstInstance(), nullptr);
    Process sender = startLauncher("/c all");
    const auto box = waitForMessageBox(firstInstance_.id());
    ASSERT_TRUE(box) << "no failure message";
    EXPECT_EQ(box->caption, "起動失敗");
    EXPECT_EQ(box->text, missing + " を実行することができません　");
    pressDialogButton(box->window, IDOK);
    EXPECT_EQ(sender.waitForExit(10000), 0u);
    const auto starts = waitForProbeStarts(probeLogPath(probe), 2);
    ASSERT_EQ(starts.size(), 2u);
    EXPECT_EQ(starts[0].commandLine, quoted(probe) + " first");
    EXPECT_EQ(starts[1].commandLine, quoted(probe) + " third");
}

TEST_F(Launch, AnItemHotkeyRunsItsItem) {
    const std::string probe = probeInSpacedFolder();
    // Ctrl + Alt + Q
    ASSERT_TRUE(
        writeFileBytes(folder_ + "ZekLauncher.dat",
                       dataFileText({{.name = "quick", .app = probe, .hotKey1 = 3, .hotKey2 = 'Q'}})));
    HWND bar = startFirstInstance();
    ASSERT_NE(bar, nullptr);
    pressChord({VK_CONTROL, VK_MENU, 'Q'});
    EXPECT_EQ(waitForProbeStarts(probeLogPath(probe), 1).size(), 1u);
    // Off, the keys are free for others; on again, they are taken.
    ASSERT_EQ(runLauncher("/c hotkeyoff"), 0u);
    EXPECT_TRUE(::RegisterHotKey(nullptr, 0x7003, MOD_CONTROL | MOD_ALT, 'Q'));
    ::UnregisterHotKey(nullptr, 0x7003);
    ASSERT_EQ(runLauncher("/c hotkeyon"), 0u);
    EXPECT_FALSE(::RegisterHotKey(nullptr, 0x7003, MOD_CONTROL | MOD_ALT, 'Q'));
    // A second "hotkeyon" registers nothing twice: no conflict message.
    ASSERT_EQ(runLauncher("/c hotkeyon"), 0u);
    ::Sleep(300);
    EXPECT_TRUE(dialogsOfProcess(firstInstance_.id()).empty());
}

TEST_F(Launch, TwoItemsWithOneHotkeyGiveOneConflictNamingTheLaterItem) {
    const std::string probe = probeInSpacedFolder();
    ASSERT_TRUE(writeFileBytes(folder_ + "ZekLauncher.dat",
                               dataFileText({{.name = "alpha", .app = probe, .hotKey1 = 3, .hotKey2 = 'W'},
                                             {.name = "beta", .app = probe, .hotKey1 = 3, .hotKey2 = 'W'}})));
    firstInstance_ = startLauncher();
    const auto box = waitForMessageBox(firstInstance_.id());
    ASSERT_TRUE(box);
    EXPECT_EQ(box->caption, "HOTKEY");
    EXPECT_EQ(box->text, "[ beta ]  Alt + Ctrl + Wのホットキーはすでに使用されています。");
    pressDialogButton(box->window, IDOK);
    DWORD_PTR ignored = 0;
    ASSERT_TRUE(::SendMessageTimeoutA(findBar(), WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored));
    ::Sleep(300);
    EXPECT_TRUE(dialogsOfProcess(firstInstance_.id()).empty());
}

HWND startTitledProbe(const std::string& probe, const std::string& title) {
    Process process = startProcess(probe, "--title=" + title, "");
    HWND window = nullptr;
    waitUntil([&] { return (window = ::FindWindowA("ZekProbeWindow", title.c_str())) != nullptr; });
    return window;
}

TEST_F(Launch, ARunningWindowIsOfferedAndChosenInsteadOfAnotherStart) {
    const std::string probe = probeInSpacedFolder();
    ASSERT_TRUE(writeFileBytes(folder_ + "ZekLauncher.dat",
                               dataFileText({{.name = "switch", .app = probe, .tsk = 1}})));
    ASSERT_NE(startFirstInstance(), nullptr);
    HWND running = startTitledProbe(probe, "ProbeOne");
    ASSERT_NE(running, nullptr);
    ASSERT_EQ(readProbeLog(probeLogPath(probe)).size(), 1u);

    Process sender = startLauncher("/c switch");
    HWND menu = waitForOpenMenu(10000);
    ASSERT_NE(menu, nullptr) << "no chooser menu";
    pressKey(VK_DOWN);  // "New"
    pressKey(VK_DOWN);  // "ProbeOne"
    pressKey(VK_RETURN);
    EXPECT_EQ(sender.waitForExit(10000), 0u);
    EXPECT_TRUE(waitUntil([&] { return ::GetForegroundWindow() == running; }, 5000));
    ::Sleep(300);
    EXPECT_EQ(readProbeLog(probeLogPath(probe)).size(), 1u) << "nothing else may start";
}

TEST_F(Launch, MinimiseAllAndRestoreAllLeaveTheBarAlone) {
    const std::string probe = probeInSpacedFolder();
    HWND bar = startFirstInstance();
    ASSERT_NE(bar, nullptr);
    HWND first = startTitledProbe(probe, "ProbeA");
    HWND second = startTitledProbe(probe, "ProbeB");
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    ASSERT_EQ(runLauncher("/s"), 0u);
    ASSERT_EQ(runLauncher("/z"), 0u);
    EXPECT_TRUE(waitUntil([&] { return ::IsIconic(first) && ::IsIconic(second); }, 5000));
    EXPECT_FALSE(::IsIconic(bar));
    EXPECT_TRUE(::IsWindowVisible(bar));
    ASSERT_EQ(runLauncher("/u"), 0u);
    EXPECT_TRUE(waitUntil([&] { return !::IsIconic(first) && !::IsIconic(second); }, 5000));
}

TEST_F(Launch, NextWindowBringsUpTheWindowBelowTheTopOne) {
    const std::string probe = probeInSpacedFolder();
    ASSERT_NE(startFirstInstance(), nullptr);
    HWND first = startTitledProbe(probe, "ProbeX");
    HWND second = startTitledProbe(probe, "ProbeY");
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    ::SetForegroundWindow(second);
    ASSERT_TRUE(waitUntil([&] { return ::GetForegroundWindow() == second; }, 5000));
    // The top window sinks to the bottom and the one below it comes up.
    ASSERT_EQ(runLauncher("/n"), 0u);
    EXPECT_TRUE(waitUntil([&] { return ::GetForegroundWindow() == first; }, 5000));
    // Wine without a window manager keeps the Z order of other programs' windows
    // as it was, so the cycle beyond this first step is left to the unit tests.
}

}  // namespace
}  // namespace zek::e2e
