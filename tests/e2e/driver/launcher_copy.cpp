#include "driver/launcher_copy.h"

#include <cstdio>

#include "driver/files.h"
#include "driver/process.h"
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
    HWND bar = waitForBar(timeoutMs);
    if (bar == nullptr) {
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

}  // namespace zek::e2e
