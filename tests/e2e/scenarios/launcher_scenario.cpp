#include "scenarios/launcher_scenario.h"

#include <cstdlib>

#include "driver/files.h"
#include "driver/input.h"
#include "driver/window_query.h"

namespace zek::e2e {

void LauncherScenario::SetUp() {
    endAnyLauncher();
    closeProbeWindows();
    const std::string binaries = ownDirectory();
    const char* root = std::getenv("ZEK_E2E_WORK");
    std::string base = root != nullptr && *root != '\0' ? std::string(root) : binaries + "e2e-work";
    if (base.back() != '\\') {
        base += '\\';
    }
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = base + test->test_suite_name() + "." + test->name() + "\\";
    ::CreateDirectoryA(base.c_str(), nullptr);
    removeTree(folder_.substr(0, folder_.size() - 1));
    ::CreateDirectoryA(folder_.c_str(), nullptr);
    launcherPath_ = folder_ + "ZekLauncher.exe";
    ASSERT_TRUE(::CopyFileA((binaries + "ZekLauncher.exe").c_str(), launcherPath_.c_str(), FALSE));
    ASSERT_TRUE(::CopyFileA((binaries + "probe.exe").c_str(), (folder_ + "probe.exe").c_str(), FALSE));
}

void LauncherScenario::TearDown() {
    endAnyLauncher();
    closeProbeWindows();
    firstInstance_.kill();
}

std::string LauncherScenario::probeInSpacedFolder() {
    const std::string folder = folder_ + "probe folder\\";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    probe_ = folder + "probe.exe";
    EXPECT_TRUE(::CopyFileA((folder_ + "probe.exe").c_str(), probe_.c_str(), FALSE));
    return probe_;
}

std::vector<ProbeStart> LauncherScenario::probeStarts(std::size_t count) {
    return waitForProbeStarts(probeLogPath(probe_), count);
}

HWND LauncherScenario::startProbeWindow(const std::string& title) {
    startProcess(probe_, "--title=" + title, "");
    HWND window = nullptr;
    waitUntil([&] { return (window = ::FindWindowA("ZekProbeWindow", title.c_str())) != nullptr; });
    return window;
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

HWND LauncherScenario::shownDialog(const std::string& caption) {
    return waitForShownDialog(firstInstance_.id(), caption);
}

std::string LauncherScenario::probeLogPath(const std::string& probePath) const {
    return probePath.substr(0, probePath.find_last_of('\\') + 1) + "probe.log";
}

Process LauncherScenario::startLauncher(const std::string& arguments) {
    return startProcess(launcherPath_, arguments, folder_);
}

HWND LauncherScenario::startFirstInstance(const std::string& arguments) {
    firstInstance_ = startLauncher(arguments);
    EXPECT_TRUE(firstInstance_) << "the launcher did not start";
    HWND bar = waitForBar();
    // The launcher has finished starting once it answers a message sent from here
    // after filling its command box: before that, waits inside its start-up (the
    // tray icon's, for one) may answer early.
    EXPECT_TRUE(waitUntil(
        [&] {
            HWND box = bar != nullptr ? findCommandBox(bar) : nullptr;
            return box != nullptr && ::SendMessageA(box, CB_GETCOUNT, 0, 0) > 0;
        },
        20000))
        << "the command box was never filled";
    DWORD_PTR ignored = 0;
    EXPECT_TRUE(bar != nullptr &&
                ::SendMessageTimeoutA(bar, WM_NULL, 0, 0, SMTO_NORMAL, 20000, &ignored) != 0)
        << "the launcher did not finish starting";
    return bar;
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
