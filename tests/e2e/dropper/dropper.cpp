// Loaded into the launcher by the driver: posts the launcher a WM_DROPFILES whose
// memory belongs to the launcher, as a drop from Explorer would. Windows cannot
// hand a drop handle from one process to another, so the message has to be made
// inside the receiving process.
#include <windows.h>
// After windows.h, which it needs.
#include <shlobj.h>

#include <cstring>

#include "driver/drop_request.h"

extern "C" __declspec(dllexport) DWORD WINAPI postDroppedFiles(void* parameter) {
    const auto* request = static_cast<const zek::e2e::DropRequest*>(parameter);
    HGLOBAL memory = ::GlobalAlloc(GHND, sizeof(DROPFILES) + request->listBytes);
    auto* drop = static_cast<DROPFILES*>(::GlobalLock(memory));
    if (drop == nullptr) {
        return 0;
    }
    drop->pFiles = sizeof(DROPFILES);
    drop->pt = POINT{20, 20};
    drop->fNC = FALSE;
    drop->fWide = FALSE;
    std::memcpy(drop + 1, request + 1, request->listBytes);
    ::GlobalUnlock(memory);
    HWND window = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(request->window));
    if (!::PostMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0)) {
        ::GlobalFree(memory);
        return 0;
    }
    return 1;
}
