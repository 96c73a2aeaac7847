// The launcher settings tree with a large data file, measured from another
// process: the settings command to a filled tree on screen, and OK to the
// replaced data file. Run under Wine beside ZekLauncher.exe.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <string>

#include "driver/files.h"
#include "driver/process.h"
#include "driver/window_query.h"
#include "win32/platform/unique_handle.h"

#include "bench_clock.h"
#include "bench_launcher.h"

namespace {

using zek::bench::BenchLauncher;
using zek::bench::nowMs;
using zek::bench::settle;

using namespace zek::e2e;

constexpr int kTreeId = 1000;
constexpr int kOkId = 1001;
constexpr int kLauncherSettingsCommand = 32784;

// A root node "all" holding `items` data items.
std::string dataFile(int items) {
    std::string text = "[100]\r\n";
    auto add = [&](int record, const std::string& name, int type, int level) {
        const std::string n = std::to_string(record) + ":";
        text += n + "ItemName=" + name + "\r\n" + n + "ItemApp=C:\\windows\\notepad.exe\r\n" + n +
                "ItemType=" + std::to_string(type) + "\r\n" + n + "ItemLevel=" + std::to_string(level) +
                "\r\n";
    };
    add(0, "all", 2, 1);
    for (int i = 0; i < items; ++i) {
        add(i + 1, "item" + std::to_string(100000 + i), 4, 2);
    }
    return text;
}

FILETIME lastWrite(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    ::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data);
    return data.ftLastWriteTime;
}

struct Figures {
    double openMs = -1;
    double okMs = -1;
    double floorMs = -1;
};

// The floor under the opening: the same rows put into a bare tree view of this
// process and sorted, as the dialog does, with nothing else around them.
double bareTreeMs(int items) {
    const zek::win32::UniqueWindow tree(
        ::CreateWindowExA(0, WC_TREEVIEWA, "", WS_POPUP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT, 0,
                          0, 400, 600, nullptr, nullptr, nullptr, nullptr));
    const double start = nowMs();
    ::SendMessageA(tree.get(), WM_SETREDRAW, FALSE, 0);
    TVINSERTSTRUCTA insert{};
    insert.hParent = TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    std::string name = "all";
    insert.item.pszText = name.data();
    insert.hParent = TreeView_InsertItem(tree.get(), &insert);
    for (int i = 0; i < items; ++i) {
        name = "item" + std::to_string(100000 + i);
        insert.item.pszText = name.data();
        TreeView_InsertItem(tree.get(), &insert);
    }
    TreeView_SortChildren(tree.get(), insert.hParent, FALSE);
    ::SendMessageA(tree.get(), WM_SETREDRAW, TRUE, 0);
    return nowMs() - start;
}

Figures measure(int items) {
    Figures figures;
    BenchLauncher launcher("zek-tree-bench-" + std::to_string(items), dataFile(items));
    const std::string dat = launcher.folder + "ZekLauncher.dat";

    // Opened from the tray menu's command with the bar hidden: under Wine without a
    // window manager every window that is hidden waits up to 2 s for the X server,
    // which is not the dialog's cost.
    const double opening = nowMs();
    ::PostMessageA(launcher.bar, WM_COMMAND, kLauncherSettingsCommand, 0);
    HWND dialog = nullptr;
    HWND tree = nullptr;
    // Opened means: the dialog is up, its tree holds every row, and it has
    // answered a message after its first paint.
    if (launcher.waitForDialogWith(kTreeId, dialog, tree) &&
        waitUntil([&] { return static_cast<int>(::SendMessageA(tree, TVM_GETCOUNT, 0, 0)) > items; },
                  120000)) {
        ::UpdateWindow(dialog);
        settle(dialog, 30000);
        figures.openMs = nowMs() - opening;

        const FILETIME before = lastWrite(dat);
        const double pressed = nowMs();
        ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(kOkId, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(dialog, kOkId)));
        waitUntil(
            [&] {
                const FILETIME now = lastWrite(dat);
                return ::CompareFileTime(&now, &before) != 0;
            },
            120000);
        figures.okMs = nowMs() - pressed;
        waitUntil([&] { return ::IsWindow(dialog) == FALSE; }, 30000);
    }
    figures.floorMs = bareTreeMs(items);
    return figures;
}

}  // namespace

int main() {
    ::InitCommonControls();
    std::printf("%8s %12s %12s %14s\n", "items", "open ms", "OK->saved ms", "bare tree ms");
    for (int items : {10, 10000, 100000}) {
        const Figures f = measure(items);
        std::printf("%8d %12.1f %12.1f %14.1f\n", items, f.openMs, f.okMs, f.floorMs);
    }
    return 0;
}
