#include "driver/drop_files.h"

#include <psapi.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <memory>
#include <optional>
#include <thread>

#include "driver/drop_request.h"
#include "driver/remote_block.h"
#include "platform/unique_handle.h"

namespace zek::e2e {
namespace {

constexpr DWORD kThreadWaitMs = 10000;
constexpr DWORD kDropWaitMs = 40000;

std::string besideDriver(const char* fileName) {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string directory(path);
    return directory.substr(0, directory.find_last_of('\\') + 1) + fileName;
}

// Runs `start(parameter)` on a new thread of the process; its exit code, or none.
std::optional<DWORD> runRemote(HANDLE process, LPTHREAD_START_ROUTINE start, void* parameter) {
    win32::UniqueKernelHandle thread(::CreateRemoteThread(process, nullptr, 0, start, parameter, 0, nullptr));
    DWORD exitCode = 0;
    if (!thread || ::WaitForSingleObject(thread.get(), kThreadWaitMs) != WAIT_OBJECT_0 ||
        !::GetExitCodeThread(thread.get(), &exitCode)) {
        return std::nullopt;
    }
    return exitCode;
}

HMODULE findModule(HANDLE process, const std::string& path) {
    HMODULE modules[1024] = {};
    DWORD needed = 0;
    if (!::EnumProcessModulesEx(process, modules, sizeof modules, &needed, LIST_MODULES_ALL)) {
        return nullptr;
    }
    const DWORD count = std::min<DWORD>(needed / sizeof(HMODULE), std::size(modules));
    for (DWORD i = 0; i < count; ++i) {
        char name[MAX_PATH] = {};
        if (::GetModuleFileNameExA(process, modules[i], name, MAX_PATH) > 0 &&
            ::lstrcmpiA(name, path.c_str()) == 0) {
            return modules[i];
        }
    }
    return nullptr;
}

bool failed(const char* step) {
    std::fprintf(stderr, "dropping files: %s failed (error %lu)\n", step, ::GetLastError());
    return false;
}

bool dropFilesNow(HWND target, const std::vector<std::string>& paths, std::atomic<const char*>& step) {
    const std::string dropperPath = besideDriver(kDropperFileName);
    HMODULE localDropper = ::LoadLibraryA(dropperPath.c_str());
    const auto localExport = reinterpret_cast<const char*>(::GetProcAddress(localDropper, kDropperExport));
    DWORD processId = 0;
    ::GetWindowThreadProcessId(target, &processId);
    win32::UniqueKernelHandle process(::OpenProcess(PROCESS_ALL_ACCESS, FALSE, processId));
    if (localExport == nullptr) {
        return failed("loading the dropper here");
    }
    if (!process) {
        return failed("opening the launcher's process");
    }
    // Kernel32 lies at one address in every process of a session.
    const auto loadLibrary = reinterpret_cast<LPTHREAD_START_ROUTINE>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "LoadLibraryA")));
    step = "writing into the launcher";
    const RemoteBlock remotePath(process.get(), dropperPath + '\0');
    if (remotePath.address() == nullptr) {
        return failed("writing into the launcher");
    }
    step = "loading the dropper there";
    if (!runRemote(process.get(), loadLibrary, remotePath.address())) {
        return failed("loading the dropper there");
    }
    HMODULE remoteDropper = findModule(process.get(), dropperPath);
    if (remoteDropper == nullptr) {
        return failed("finding the dropper there");
    }
    // The export lies at the same offset from the library's base in both processes.
    const std::ptrdiff_t offset = localExport - reinterpret_cast<const char*>(localDropper);
    const auto remoteExport = reinterpret_cast<LPTHREAD_START_ROUTINE>(
        reinterpret_cast<ULONG_PTR>(remoteDropper) + static_cast<ULONG_PTR>(offset));

    std::string list;
    for (const std::string& path : paths) {
        list += path;
        list += '\0';
    }
    list += '\0';
    DropRequest header;
    header.window = reinterpret_cast<ULONG_PTR>(target);
    header.listBytes = static_cast<std::uint32_t>(list.size());
    std::string request(sizeof header, '\0');
    std::memcpy(request.data(), &header, sizeof header);
    request += list;
    step = "writing the request into the launcher";
    const RemoteBlock remoteRequest(process.get(), request);
    if (remoteRequest.address() == nullptr) {
        return failed("writing the request into the launcher");
    }
    step = "the drop there";
    const bool dropped = runRemote(process.get(), remoteExport, remoteRequest.address()) == 1u;
    step = "freeing the memory written there";
    return dropped || failed("the drop there");
}

}  // namespace

// Wine carries out VirtualAllocEx, VirtualFreeEx and CreateRemoteThread inside the
// other process and waits for that without a limit; a launcher that never takes the
// request would hold the scenario until ctest kills it, saying nothing. The drop runs
// on a thread of its own that is given up on after a bound, naming the step it was in.
bool dropFiles(HWND target, const std::vector<std::string>& paths) {
    struct Drop {
        std::atomic<const char*> step{"opening the launcher's process"};
        std::atomic<bool> result{false};
        win32::UniqueKernelHandle done{::CreateEventA(nullptr, TRUE, FALSE, nullptr)};
    };
    const auto drop = std::make_shared<Drop>();
    if (!drop->done) {
        return failed("making an event");
    }
    std::thread([drop, target, paths] {
        drop->result = dropFilesNow(target, paths, drop->step);
        ::SetEvent(drop->done.get());
    }).detach();
    if (::WaitForSingleObject(drop->done.get(), kDropWaitMs) != WAIT_OBJECT_0) {
        std::fprintf(stderr, "dropping files: no answer after %lu s, at: %s\n", kDropWaitMs / 1000,
                     drop->step.load());
        return false;
    }
    return drop->result;
}

}  // namespace zek::e2e
