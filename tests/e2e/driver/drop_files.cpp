#include "driver/drop_files.h"

#include <cstdio>
#include <cstring>

#include "driver/drop_request.h"
#include "driver/process.h"
#include "driver/window_query.h"
#include "win32/platform/unique_handle.h"

namespace zek::e2e {
namespace {

constexpr DWORD kDropWaitMs = 20000;

bool failed(const char* step) {
    std::fprintf(stderr, "dropping files: %s failed (error %lu)\n", step, ::GetLastError());
    return false;
}

using UniqueHook = win32::UniqueHandle<win32::NullIsEmpty<HHOOK, ::UnhookWindowsHookEx>>;

// The dropper's hook on the thread of `target`. The library stays loaded: the
// launcher may still run its code when the hook goes.
UniqueHook dropperHookOn(HWND target) {
    HMODULE dropper = ::LoadLibraryA((ownDirectory() + kDropperFileName).c_str());
    const auto procedure =
        reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(::GetProcAddress(dropper, kDropperExport)));
    return UniqueHook(procedure == nullptr
                          ? nullptr
                          : ::SetWindowsHookExA(WH_GETMESSAGE, procedure, dropper,
                                                ::GetWindowThreadProcessId(target, nullptr)));
}

}  // namespace

bool changeDpiOf(HWND target, int dpi, const std::function<bool()>& done) {
    const UniqueHook hook = dropperHookOn(target);
    if (!hook) {
        return failed("setting the hook");
    }
    if (!::PostMessageA(target, ::RegisterWindowMessageA(kDpiChangeMessage), static_cast<WPARAM>(dpi), 0)) {
        return failed("asking the launcher");
    }
    if (waitUntil(done, kDropWaitMs)) {
        return true;
    }
    std::fprintf(stderr, "changing the DPI: the launcher did not take it within %lu s\n", kDropWaitMs / 1000);
    return false;
}

// The dropper library is loaded into the launcher by a message hook on its thread and
// runs there when the thread takes the request message, so nothing waits on the
// launcher from outside (Wine carries out CreateRemoteThread and VirtualAllocEx inside
// the other process, and a launcher that does not take them held a scenario for good).
bool dropFiles(HWND target, const std::vector<std::string>& paths) {
    std::string list;
    for (const std::string& path : paths) {
        list += path;
        list += '\0';
    }
    list += '\0';
    if (sizeof(DropRequest) + list.size() > kDropBlockBytes) {
        return failed("fitting the names into the request");
    }
    const win32::UniqueKernelHandle block(::CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE,
                                                               0, kDropBlockBytes, kDropBlockName));
    const win32::UniqueKernelHandle done(::CreateEventA(nullptr, TRUE, FALSE, kDropDoneName));
    void* view = block ? ::MapViewOfFile(block.get(), FILE_MAP_ALL_ACCESS, 0, 0, 0) : nullptr;
    if (view == nullptr || !done) {
        return failed("making the request");
    }
    // The dropper of the last request may still hold both, so they may be that
    // request's, signalled and answered.
    ::ResetEvent(done.get());
    DropRequest header;
    header.window = reinterpret_cast<ULONG_PTR>(target);
    header.listBytes = static_cast<std::uint32_t>(list.size());
    std::memcpy(view, &header, sizeof header);
    std::memcpy(static_cast<char*>(view) + sizeof header, list.data(), list.size());

    const UniqueHook hook = dropperHookOn(target);
    bool posted = false;
    if (!hook) {
        failed("setting the hook");
    } else if (!::PostMessageA(target, ::RegisterWindowMessageA(kDropMessage), 0, 0)) {
        failed("asking the launcher");
    } else if (::WaitForSingleObject(done.get(), kDropWaitMs) != WAIT_OBJECT_0) {
        std::fprintf(stderr, "dropping files: the launcher did not take the request within %lu s\n",
                     kDropWaitMs / 1000);
    } else {
        posted = static_cast<const DropRequest*>(view)->posted == 1 || failed("the drop there");
    }
    ::UnmapViewOfFile(view);
    return posted;
}

}  // namespace zek::e2e
