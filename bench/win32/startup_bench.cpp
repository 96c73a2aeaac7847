// Start-up time: process start to a ready program (its window exists and its
// Windows+Return hotkey is registered), for the launcher with the default items and
// with 10,000 items, and for a program that makes the same windows and calls and
// nothing else (bare_window), as ratios measured in one run.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench_clock.h"

namespace {

using zek::bench::besideThisProgram;
using zek::bench::median;
using zek::bench::nowMs;

bool hotkeyHeldElsewhere() {
    if (::RegisterHotKey(nullptr, 0x7100, MOD_WIN, VK_RETURN)) {
        ::UnregisterHotKey(nullptr, 0x7100);
        return false;
    }
    return true;
}

// One start: milliseconds until ready, or a negative value when it never got ready.
double measureStart(const std::string& program, const char* windowClass) {
    std::string line = "\"" + program + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    const double start = nowMs();
    if (!::CreateProcessA(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &info)) {
        return -1;
    }
    // Ready means idle in its message loop, which both programs enter only after
    // their window and hotkey exist; polling the hotkey instead would race the
    // program's own registration.
    double ready = -1;
    HWND window = nullptr;
    if (::WaitForInputIdle(info.hProcess, 20000) == 0) {
        ready = nowMs() - start;
        window = ::FindWindowA(windowClass, nullptr);
        if (window == nullptr || !hotkeyHeldElsewhere()) {
            ready = -1;
        }
    }
    if (window != nullptr) {
        ::SendMessageTimeoutA(window, WM_DESTROY, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
    }
    if (::WaitForSingleObject(info.hProcess, 10000) != WAIT_OBJECT_0) {
        ::TerminateProcess(info.hProcess, 1);
    }
    ::CloseHandle(info.hThread);
    ::CloseHandle(info.hProcess);
    return ready;
}

// A copy of the launcher in a folder of its own under %TEMP%, with a data file of
// `items` items (none: the default tree); the copy's path.
std::string launcherWith(int items) {
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "zek-startup-bench-" + std::to_string(items) + "\\";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    const std::string program = folder + "ZekLauncher.exe";
    // The stripped program where the build made one (see CMakeLists.txt).
    const std::string stripped = besideThisProgram("ZekLauncher-stripped.exe");
    const bool haveStripped = ::GetFileAttributesA(stripped.c_str()) != INVALID_FILE_ATTRIBUTES;
    ::CopyFileA(haveStripped ? stripped.c_str() : besideThisProgram("ZekLauncher.exe").c_str(),
                program.c_str(), FALSE);
    std::string text = "[100]\r\n";
    for (int i = 0; i < items; ++i) {
        const std::string n = std::to_string(i) + ":";
        text += n + "ItemName=item" + std::to_string(i * 7919 % 1000003) + "\r\n" + n +
                "ItemApp=C:\\windows\\notepad.exe\r\n" + n + "ItemType=4\r\n" + n + "ItemLevel=1\r\n";
    }
    const std::string data = folder + "ZekLauncher.dat";
    ::DeleteFileA(data.c_str());
    if (items > 0) {
        HANDLE file = ::CreateFileA(data.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        ::WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        ::CloseHandle(file);
    }
    return program;
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const std::string launcher = launcherWith(0);
    const std::string fullLauncher = launcherWith(10000);
    const std::string bare = besideThisProgram("bare_window.exe");
    measureStart(launcher, "ZekLauncher");  // warm the file cache for all
    measureStart(fullLauncher, "ZekLauncher");
    measureStart(bare, "ZekBareWindow");
    std::vector<double> launcherTimes, fullTimes, bareTimes;
    for (int i = 0; i < rounds; ++i) {  // interleaved, so drift hits all alike
        launcherTimes.push_back(measureStart(launcher, "ZekLauncher"));
        fullTimes.push_back(measureStart(fullLauncher, "ZekLauncher"));
        bareTimes.push_back(measureStart(bare, "ZekBareWindow"));
    }
    const auto failed = [](const std::vector<double>& times) {
        return std::any_of(times.begin(), times.end(), [](double t) { return t < 0; });
    };
    if (failed(launcherTimes) || failed(fullTimes) || failed(bareTimes)) {
        for (std::size_t i = 0; i < launcherTimes.size(); ++i) {
            std::printf("round %zu: launcher %.1f ms, with 10,000 items %.1f ms, bare window %.1f ms\n", i,
                        launcherTimes[i], fullTimes[i], bareTimes[i]);
        }
        std::puts("a program never became ready");
        return 1;
    }
    const double floor = median(bareTimes);
    std::printf("start to ready, median of %d:\n", rounds);
    std::printf("  floor (bare_window):        %7.1f ms\n", floor);
    std::printf("  launcher:                   %7.1f ms  %.2fx the floor\n", median(launcherTimes),
                median(launcherTimes) / floor);
    std::printf("  launcher with 10,000 items: %7.1f ms  %.2fx the floor\n", median(fullTimes),
                median(fullTimes) / floor);
    return 0;
}
