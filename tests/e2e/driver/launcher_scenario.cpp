#include "driver/launcher_scenario.h"

#include <cstdio>

#include "driver/files.h"
#include "driver/input.h"
#include "driver/window_query.h"

namespace zek::e2e {

bool makeLauncherFolder(const std::string& folder) {
    removeTree(folder.substr(0, folder.size() - 1));
    ::CreateDirectoryA(folder.c_str(), nullptr);
    const std::string binaries = ownDirectory();
    bool copied = true;
    for (const char* program : {"ZekLauncher.exe", "probe.exe"}) {
        copied = ::CopyFileA((binaries + program).c_str(), (folder + program).c_str(), FALSE) && copied;
    }
    return copied;
}

HWND waitForStartedBar(DWORD timeoutMs) {
    HWND bar = nullptr;
    if (!waitUntil([&] { return (bar = findBar()) != nullptr; }, timeoutMs)) {
        std::fprintf(stderr, "no launcher bar appeared\n");
        return nullptr;
    }
    // Before its command box is filled, waits inside the launcher's start-up (the
    // tray icon's, for one) may answer a message early.
    if (!waitUntil(
            [&] {
                HWND box = findCommandBox(bar);
                return box != nullptr && ::SendMessageA(box, CB_GETCOUNT, 0, 0) > 0;
            },
            timeoutMs)) {
        std::fprintf(stderr, "the launcher's command box was never filled\n");
        return nullptr;
    }
    DWORD_PTR ignored = 0;
    if (::SendMessageTimeoutA(bar, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &ignored) == 0) {
        std::fprintf(stderr, "the launcher did not finish starting\n");
        return nullptr;
    }
    return bar;
}

void LauncherScenario::SetUp() {
    endAnyLauncher();
    closeProbeWindows();
    const std::string base = ownDirectory() + "e2e-work\\";
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = base + test->test_suite_name() + "." + test->name() + "\\";
    ::CreateDirectoryA(base.c_str(), nullptr);
    ASSERT_TRUE(makeLauncherFolder(folder_)) << folder_;
    launcherPath_ = folder_ + "ZekLauncher.exe";
}

void LauncherScenario::TearDown() {
    endAnyLauncher();
    closeProbeWindows();
    firstInstance_.kill();
}

std::string LauncherScenario::probeInSpacedFolder() {
    const std::string spaced = folder_ + "probe folder\\";
    ::CreateDirectoryA(spaced.c_str(), nullptr);
    probe_ = spaced + "probe.exe";
    EXPECT_TRUE(::CopyFileA((folder_ + "probe.exe").c_str(), probe_.c_str(), FALSE))
        << "no copy of the probe";
    return probe_;
}

std::vector<ProbeStart> LauncherScenario::probeStarts(std::size_t count) {
    return waitForProbeStarts(probeLogBeside(probe_), count);
}

void LauncherScenario::writeFile(const std::string& name, const std::string& bytes) {
    ASSERT_TRUE(writeFileBytes(folder_ + name, bytes)) << name;
}

HWND LauncherScenario::startWith(const std::vector<RecordText>& items, const std::string& ini) {
    EXPECT_TRUE(writeFileBytes(dataFilePath(), dataFileText(items)));
    if (!ini.empty()) {
        EXPECT_TRUE(writeFileBytes(folder_ + "ZekLauncher.ini", ini));
    }
    return startFirstInstance();
}

void LauncherScenario::exitLauncher() {
    ASSERT_EQ(runLauncher("/x"), 0u);
    ASSERT_EQ(firstInstance_.waitForExit(15000), 0u);
    EXPECT_EQ(findBar(), nullptr);
}

void LauncherScenario::showAndFocus(HWND bar) {
    ASSERT_EQ(runLauncher("/s"), 0u);
    ::SetForegroundWindow(bar);
    ASSERT_TRUE(waitUntil([&] { return ::GetForegroundWindow() == bar; }, 5000));
}

void LauncherScenario::enterInBar(HWND bar, const std::string& text) {
    pressChord({VK_LWIN, VK_RETURN});
    waitUntil([&] { return ::IsWindowVisible(bar) != FALSE; }, 5000);
    typeAscii(text);
    pressKey(VK_RETURN);
}

void LauncherScenario::typeOver(const std::string& text) {
    ::SendMessageA(edit_, EM_SETSEL, 0, -1);
    typeAscii(text);
}

bool LauncherScenario::textBecomes(const std::string& expected) const {
    return waitUntil([&] { return windowText(edit_) == expected; }, 5000);
}

std::optional<std::string> LauncherScenario::iniAfterClose() {
    DWORD_PTR ignored = 0;
    const bool answered = ::SendMessageTimeoutA(bar_, WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, 10000, &ignored) != 0;
    return answered ? readFileBytes(folder_ + "ZekLauncher.ini") : std::nullopt;
}

HWND LauncherScenario::shownDialog(const std::string& caption) {
    const auto dialog = waitForDialog(firstInstance_.id(), caption);
    return dialog ? dialog->window : nullptr;
}

Process LauncherScenario::startLauncher(const std::string& arguments) {
    return startProcess(launcherPath_, arguments, folder_);
}

HWND LauncherScenario::startFirstInstance(const std::string& arguments) {
    firstInstance_ = startLauncher(arguments);
    EXPECT_TRUE(firstInstance_) << "the launcher did not start";
    bar_ = waitForStartedBar(20000);
    EXPECT_NE(bar_, nullptr) << "the launcher did not finish starting";
    // A search from a null bar would look among every program's top-level windows.
    box_ = bar_ != nullptr ? findCommandBox(bar_) : nullptr;
    edit_ = bar_ != nullptr ? findCommandEdit(bar_) : nullptr;
    return bar_;
}

std::optional<DWORD> LauncherScenario::runLauncher(const std::string& arguments, DWORD timeoutMs) {
    Process process = startLauncher(arguments);
    if (!process) {
        return std::nullopt;
    }
    auto code = process.waitForExit(timeoutMs);
    if (!code) {
        process.kill();
    }
    return code;
}

}  // namespace zek::e2e
