#pragma once
// A launcher started for a measurement: a folder of its own under %TEMP% with a
// fresh copy of the program beside the measuring one, the given data file and
// default settings, waited for until its command box is filled and it is idle.
#include <windows.h>

#include <string>

#include "driver/files.h"
#include "driver/launcher_scenario.h"
#include "driver/process.h"
#include "driver/window_query.h"

#include "bench_clock.h"

namespace zek::bench {

// Returns once the window has handled everything sent to it before.
inline void settle(HWND window, DWORD timeoutMs = 120000) {
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &ignored);
}

struct BenchLauncher {
    std::string folder;  // ends with a backslash
    e2e::Process process;
    HWND bar = nullptr;
    HWND box = nullptr;

    BenchLauncher(const std::string& name, const std::string& dataFile) {
        char temp[MAX_PATH] = {};
        ::GetTempPathA(MAX_PATH, temp);
        folder = std::string(temp) + name + "\\";
        e2e::makeLauncherFolder(folder);
        e2e::writeFileBytes(folder + "ZekLauncher.dat", dataFile);
        process = e2e::startProcess(folder + "ZekLauncher.exe", "", folder);
        bar = e2e::waitForStartedBar(60000);
        box = e2e::findCommandBox(bar);
    }
    BenchLauncher(const BenchLauncher&) = delete;
    BenchLauncher& operator=(const BenchLauncher&) = delete;
    ~BenchLauncher() {
        DWORD_PTR ignored = 0;
        ::SendMessageTimeoutA(bar, WM_DESTROY, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
        if (!process.waitForExit(15000)) {
            process.kill();
        }
    }

    // The first dialog of the launcher that has a control with this id, and the control.
    bool waitForDialogWith(int controlId, HWND& dialog, HWND& control, DWORD timeoutMs = 120000) const {
        return e2e::waitUntil(
            [&] {
                for (HWND candidate : e2e::dialogsOfProcess(process.id())) {
                    if (HWND found = ::GetDlgItem(candidate, controlId)) {
                        dialog = candidate;
                        control = found;
                    }
                }
                return control != nullptr && ::IsWindowVisible(dialog);
            },
            timeoutMs);
    }
};

}  // namespace zek::bench
