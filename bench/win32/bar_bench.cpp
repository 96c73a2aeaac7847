// The bar under load, measured from another process as a user meets it: hotkey
// to visible bar, one typed character to the completed text, a node menu of
// 1,000 rows, and the launcher's private bytes — with 10, 10,000 and 100,000
// items, beside the same figures for bare_window, the floor the system sets. Run
// under Wine beside ZekLauncher.exe and bare_window.exe (see README).
#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "driver/files.h"
#include "driver/input.h"
#include "driver/process.h"
#include "driver/window_query.h"

#include "bench_clock.h"
#include "bench_launcher.h"

namespace {

using zek::bench::BenchLauncher;
using zek::bench::median;
using zek::bench::nowMs;

using namespace zek::e2e;

// A root node "all" with `items` data items named item00000..., and a node "big"
// of 1,000 rows.
std::string dataFile(int items) {
    std::string text = "[100]\r\n";
    int record = 0;
    auto add = [&](const std::string& name, int type, int level) {
        const std::string n = std::to_string(record++) + ":";
        text += n + "ItemName=" + name + "\r\n" + n + "ItemApp=C:\\windows\\notepad.exe\r\n" + n +
                "ItemType=" + std::to_string(type) + "\r\n" + n + "ItemLevel=" + std::to_string(level) +
                "\r\n";
    };
    add("all", 2, 1);
    char name[32];
    for (int i = 0; i < items; ++i) {
        std::snprintf(name, sizeof name, "item%06d", i * 7919 % 1000003);
        add(name, 4, 2);
    }
    add("big", 2, 1);
    for (int i = 0; i < 1000; ++i) {
        std::snprintf(name, sizeof name, "row%04d", i);
        add(name, 4, 2);
    }
    return text;
}

// Keys pressed without the scenario driver's pause after them, and a wait that
// looks every millisecond instead of every 20: the figures hold the program's
// time, not the measurement's own.
void pressAtOnce(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs;
    for (int release = 0; release < 2; ++release) {
        for (WORD key : keys) {
            INPUT& input = inputs.emplace_back();
            input.type = INPUT_KEYBOARD;
            input.ki.wVk = key;
            input.ki.wScan = static_cast<WORD>(::MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
            input.ki.dwFlags = release != 0 ? KEYEVENTF_KEYUP : 0;
        }
    }
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

template <typename Condition>
double msUntil(double since, Condition condition) {
    while (!condition()) {
        if (nowMs() - since > 30000) {
            return -1;
        }
        ::Sleep(1);
    }
    return nowMs() - since;
}

struct Rounds {
    double hotkeyToVisibleMs = -1;
    double keystrokeToTextMs = -1;
};

// Windows+Return to the window shown, "i" to the text in `edit` longer than
// `typedLength`, Windows+Return to hide it; medians of 7 rounds.
Rounds showTypeHide(HWND window, HWND edit, std::size_t typedLength) {
    std::vector<double> shows, keystrokes;
    DWORD_PTR ignored = 0;
    for (int round = 0; round < 7; ++round) {
        const double start = nowMs();
        pressAtOnce({VK_LWIN, VK_RETURN});
        shows.push_back(msUntil(start, [&] { return ::IsWindowVisible(window) != FALSE; }));
        ::SetForegroundWindow(window);
        ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &ignored);
        const double typed = nowMs();
        pressAtOnce({'I'});
        keystrokes.push_back(msUntil(typed, [&] { return windowText(edit).size() > typedLength; }));
        pressAtOnce({VK_LWIN, VK_RETURN});
        waitUntil([&] { return ::IsWindowVisible(window) == FALSE; }, 30000);
        // Hiding may keep the program busy after the window is gone (the X server
        // is asked to confirm it); the next show is timed from an idle program.
        ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &ignored);
    }
    return {median(shows), median(keystrokes)};
}

// The same rounds on bare_window, which shows its combo box on the hotkey and
// does nothing with what is typed: what the system itself takes.
Rounds measureFloor() {
    Process bare = startProcess(zek::bench::besideThisProgram("bare_window.exe"), "", "");
    HWND window = nullptr;
    waitUntil([&] { return (window = ::FindWindowA("ZekBareWindow", nullptr)) != nullptr; }, 30000);
    zek::bench::settle(window);
    HWND combo = ::FindWindowExA(window, nullptr, "ComboBox", nullptr);
    const Rounds rounds = showTypeHide(window, ::FindWindowExA(combo, nullptr, "Edit", nullptr), 0);
    ::SendMessageTimeoutA(window, WM_DESTROY, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
    if (!bare.waitForExit(15000)) {
        bare.kill();
    }
    return rounds;
}

struct Figures {
    double hotkeyToVisibleMs = -1;
    double keystrokeToCompletionMs = -1;
    double nodeMenuMs = -1;
    double privateKiB = -1;
};

Figures measure(int items) {
    Figures figures;
    BenchLauncher launcher("zek-bar-bench-" + std::to_string(items), dataFile(items));
    HWND bar = launcher.bar;
    HWND box = launcher.box;
    DWORD_PTR ignored = 0;
    HWND edit = ::FindWindowExA(box, nullptr, "Edit", nullptr);

    const Rounds rounds = showTypeHide(bar, edit, 1);
    figures.hotkeyToVisibleMs = rounds.hotkeyToVisibleMs;
    figures.keystrokeToCompletionMs = rounds.keystrokeToTextMs;

    PROCESS_MEMORY_COUNTERS_EX memory{};
    zek::win32::UniqueKernelHandle process(
        ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, launcher.process.id()));
    if (process && ::GetProcessMemoryInfo(process.get(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                                          sizeof memory)) {
        // Wine leaves PrivateUsage at 0; the commit charge is the same figure there.
        const SIZE_T bytes = memory.PrivateUsage != 0 ? memory.PrivateUsage : memory.PagefileUsage;
        figures.privateKiB = static_cast<double>(bytes) / 1024.0;
    }

    pressChord({VK_LWIN, VK_RETURN});
    waitUntil([&] { return ::IsWindowVisible(bar) != FALSE; }, 30000);
    ::SetForegroundWindow(bar);
    typeAscii("big");
    waitUntil([&] { return windowText(edit) == "big"; }, 30000);
    ::SendMessageTimeoutA(bar, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &ignored);
    const double opened = nowMs();
    pressAtOnce({VK_RETURN});
    figures.nodeMenuMs = msUntil(opened, [] { return !openMenus().empty(); });
    closeOpenMenus();
    return figures;
}

}  // namespace

int main() {
    const Rounds floor = measureFloor();
    std::printf("%8s %14s %16s %14s %14s\n", "items", "hotkey->bar ms", "key->complete ms", "node menu ms",
                "private KiB");
    std::printf("%8s %14.1f %16.1f\n", "floor", floor.hotkeyToVisibleMs, floor.keystrokeToTextMs);
    for (int items : {10, 10000, 100000}) {
        const Figures f = measure(items);
        std::printf("%8d %14.1f %16.1f %14.1f %14.0f\n", items, f.hotkeyToVisibleMs,
                    f.keystrokeToCompletionMs, f.nodeMenuMs, f.privateKiB);
    }
    return 0;
}
