#include "scenarios/launcher_scenario.h"

#include <cstdlib>

#include "driver/window_query.h"

namespace zek::e2e {

namespace {

std::string ownDirectory() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string directory(path);
    return directory.substr(0, directory.find_last_of('\\') + 1);
}

void emptyFolder(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((folder + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            ::DeleteFileA((folder + found.cFileName).c_str());
        }
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
}

// Ends whatever launcher still runs: politely first, then by force.
void stopAnyLauncher() {
    HWND bar = findBar();
    if (bar == nullptr) {
        return;
    }
    const DWORD processId = processOf(bar);
    win32::UniqueKernelHandle process(::OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, processId));
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutA(bar, WM_DESTROY, 0, 0, SMTO_ABORTIFHUNG, 2000, &ignored);
    if (process && ::WaitForSingleObject(process.get(), 10000) != WAIT_OBJECT_0) {
        ::TerminateProcess(process.get(), 99);
        ::WaitForSingleObject(process.get(), 5000);
    }
}

void closeProbeWindows() {
    for (HWND probe = ::FindWindowA("ZekProbeWindow", nullptr); probe != nullptr;
         probe = ::FindWindowA("ZekProbeWindow", nullptr)) {
        const DWORD processId = processOf(probe);
        win32::UniqueKernelHandle process(::OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, processId));
        ::PostMessageA(probe, WM_CLOSE, 0, 0);
        if (process && ::WaitForSingleObject(process.get(), 5000) != WAIT_OBJECT_0) {
            ::TerminateProcess(process.get(), 99);
        }
        if (!process) {
            break;
        }
    }
}

}  // namespace

void LauncherScenario::SetUp() {
    stopAnyLauncher();
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
    ::CreateDirectoryA(folder_.c_str(), nullptr);
    emptyFolder(folder_);
    launcherPath_ = folder_ + "ZekLauncher.exe";
    ASSERT_TRUE(::CopyFileA((binaries + "ZekLauncher.exe").c_str(), launcherPath_.c_str(), FALSE));
    ASSERT_TRUE(::CopyFileA((binaries + "probe.exe").c_str(), (folder_ + "probe.exe").c_str(), FALSE));
}

void LauncherScenario::TearDown() {
    stopAnyLauncher();
    closeProbeWindows();
    firstInstance_.kill();
}

std::string LauncherScenario::probeInSpacedFolder() {
    const std::string folder = folder_ + "probe folder\\";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    emptyFolder(folder);
    const std::string probe = folder + "probe.exe";
    EXPECT_TRUE(::CopyFileA((folder_ + "probe.exe").c_str(), probe.c_str(), FALSE));
    return probe;
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
