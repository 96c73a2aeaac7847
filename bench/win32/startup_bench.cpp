// Start-up time: process start to a ready program (its window exists and its
// Windows+Return hotkey is registered), for the launcher and for a bare window
// program under the same system, as a ratio measured in one run.
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

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const std::string launcher = besideThisProgram("ZekLauncher.exe");
    const std::string bare = besideThisProgram("bare_window.exe");
    measureStart(launcher, "ZekLauncher");  // warm the file cache for both
    measureStart(bare, "ZekBareWindow");
    std::vector<double> launcherTimes, bareTimes;
    for (int i = 0; i < rounds; ++i) {  // interleaved, so drift hits both alike
        launcherTimes.push_back(measureStart(launcher, "ZekLauncher"));
        bareTimes.push_back(measureStart(bare, "ZekBareWindow"));
    }
    if (std::any_of(launcherTimes.begin(), launcherTimes.end(), [](double t) { return t < 0; }) ||
        std::any_of(bareTimes.begin(), bareTimes.end(), [](double t) { return t < 0; })) {
        for (std::size_t i = 0; i < launcherTimes.size(); ++i) {
            std::printf("round %zu: launcher %.1f ms, bare window %.1f ms\n", i, launcherTimes[i],
                        bareTimes[i]);
        }
        std::puts("a program never became ready");
        return 1;
    }
    const double launcherMedian = median(launcherTimes);
    const double bareMedian = median(bareTimes);
    std::printf("start to ready, median of %d: launcher %.1f ms, bare window %.1f ms, ratio %.2f\n", rounds,
                launcherMedian, bareMedian, launcherMedian / bareMedian);
    return 0;
}
