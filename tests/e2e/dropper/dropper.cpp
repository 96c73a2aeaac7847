// Loaded into the launcher by a message hook the driver sets on its thread: posts
// the launcher a WM_DROPFILES whose memory belongs to the launcher, as a drop from
// Explorer would, or sends it the WM_DPICHANGED of a move to another screen.
// Neither message can be handed from one process to another, so each has to be
// made inside the receiving process.
#include <windows.h>
// After windows.h, which it needs.
#include <shlobj.h>

#include <cstring>
#include <initializer_list>

#include "driver/drop_request.h"

namespace {

bool postDroppedFiles(const zek::e2e::DropRequest& request) {
    HGLOBAL memory = ::GlobalAlloc(GHND, sizeof(DROPFILES) + request.listBytes);
    auto* drop = static_cast<DROPFILES*>(::GlobalLock(memory));
    if (drop == nullptr) {
        return false;
    }
    drop->pFiles = sizeof(DROPFILES);
    drop->pt = POINT{20, 20};
    drop->fNC = FALSE;
    drop->fWide = FALSE;
    std::memcpy(drop + 1, &request + 1, request.listBytes);
    ::GlobalUnlock(memory);
    HWND window = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(request.window));
    if (!::PostMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0)) {
        ::GlobalFree(memory);
        return false;
    }
    return true;
}

void answerRequest() {
    HANDLE block = ::OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, zek::e2e::kDropBlockName);
    HANDLE done = ::OpenEventA(EVENT_MODIFY_STATE, FALSE, zek::e2e::kDropDoneName);
    if (block != nullptr && done != nullptr) {
        if (void* view = ::MapViewOfFile(block, FILE_MAP_ALL_ACCESS, 0, 0, 0)) {
            auto* request = static_cast<zek::e2e::DropRequest*>(view);
            request->posted = postDroppedFiles(*request) ? 1 : 0;
            ::UnmapViewOfFile(view);
        }
        ::SetEvent(done);
    }
    for (HANDLE handle : {block, done}) {
        if (handle != nullptr) {
            ::CloseHandle(handle);
        }
    }
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK dropOnRequest(int code, WPARAM wParam, LPARAM lParam) {
    static const UINT requestMessage = ::RegisterWindowMessageA(zek::e2e::kDropMessage);
    static const UINT dpiMessage = ::RegisterWindowMessageA(zek::e2e::kDpiChangeMessage);
    const MSG* message = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && message->message == requestMessage) {
        answerRequest();
    } else if (code == HC_ACTION && wParam == PM_REMOVE && message->message == dpiMessage) {
        RECT place{};
        ::GetWindowRect(message->hwnd, &place);
        const WORD dpi = LOWORD(message->wParam);
        ::SendMessageA(message->hwnd, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&place));
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}
