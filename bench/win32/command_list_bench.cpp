// The command list with a large data file, measured from another process: the
// tray menu's command to a filled list on screen, and a header click to the
// re-sorted list. Run under Wine beside ZekLauncher.exe.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <string>

#include "driver/files.h"
#include "driver/input.h"
#include "driver/list_view.h"
#include "driver/process.h"
#include "driver/window_query.h"

#include "bench_clock.h"
#include "bench_launcher.h"

namespace {

using zek::bench::BenchLauncher;
using zek::bench::nowMs;
using zek::bench::settle;

using namespace zek::e2e;

constexpr int kListId = 1030;
constexpr int kCommandListCommand = 32783;
// The root node and the eight built-in commands (the file has no built-in node).
constexpr int kRowsBesideItems = 9;

// A root node "all" holding `items` data items of mixed names and priorities.
std::string dataFile(int items) {
    std::string text = "[100]\r\n0:ItemName=all\r\n0:ItemType=2\r\n0:ItemLevel=1\r\n";
    for (int i = 0; i < items; ++i) {
        const std::string n = std::to_string(i + 1) + ":";
        text += n + "ItemName=item" + std::to_string((i * 7919) % items) + "\r\n" + n +
                "ItemApp=C:\\windows\\notepad.exe\r\n" + n + "ItemType=4\r\n" + n + "ItemLevel=2\r\n" + n +
                "ItemPriority=" + std::to_string(i % 97) + "\r\n";
    }
    return text;
}

// A click on the column's header until its caption shows the marker.
double clickAndSortMs(HWND dialog, HWND list, int column, const std::string& caption) {
    ::Sleep(::GetDoubleClickTime() + 100);  // a click of its own, not the second of a double-click
    const POINT point = listViewHeaderPoint(list, column);
    const double pressed = nowMs();
    clickAt(point.x, point.y, false);
    waitUntil([&] { return listViewCaption(list, column) == caption; }, 120000);
    settle(dialog);
    return nowMs() - pressed;
}

struct Figures {
    double openMs = -1;
    double priorityClickMs = -1;
    double commandClickMs = -1;
};

Figures measure(int items) {
    Figures figures;
    BenchLauncher launcher("zek-list-bench-" + std::to_string(items), dataFile(items));

    // With the bar hidden, as from the tray menu (see tree_dialog_bench.cpp).
    const double opening = nowMs();
    ::PostMessageA(launcher.bar, WM_COMMAND, kCommandListCommand, 0);
    HWND dialog = nullptr;
    HWND list = nullptr;
    if (launcher.waitForDialogWith(kListId, dialog, list) &&
        waitUntil([&] { return listViewRowCount(list) == items + kRowsBesideItems; }, 120000)) {
        ::UpdateWindow(dialog);
        settle(dialog);
        figures.openMs = nowMs() - opening;
        ::SetForegroundWindow(dialog);
        figures.priorityClickMs = clickAndSortMs(dialog, list, 6, "▲ Priority");
        clickAndSortMs(dialog, list, 0, "▲ Command");
        figures.commandClickMs = clickAndSortMs(dialog, list, 0, "▼ Command");
        ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        waitUntil([&] { return ::IsWindow(dialog) == FALSE; }, 30000);
    }
    return figures;
}

}  // namespace

int main() {
    std::printf("%8s %12s %18s %18s\n", "items", "open ms", "Priority click ms", "Command click ms");
    for (int items : {10, 10000, 100000}) {
        const Figures f = measure(items);
        std::printf("%8d %12.1f %18.1f %18.1f\n", items, f.openMs, f.priorityClickMs, f.commandClickMs);
    }
    return 0;
}
