#include "win32/platform/process_path.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "win32/platform/os_family.h"
#include "win32/platform/system_function.h"
#include "win32/platform/unique_handle.h"

namespace zek::win32 {
namespace {

// Looked up at run time: older systems have these functions only in PSAPI.DLL, and
// a system without them must cost the path, not the start of the program (as a
// missing import would).
using EnumProcessModulesFunction = BOOL WINAPI(HANDLE process, HMODULE* modules, DWORD bytes,
                                               DWORD* bytesNeeded);
using GetModuleFileNameExFunction = DWORD WINAPI(HANDLE process, HMODULE module, char* name, DWORD size);
// Vista and later only.
using QueryFullProcessImageNameFunction = BOOL WINAPI(HANDLE process, DWORD flags, char* name, DWORD* size);

constexpr std::size_t kLongestPathBytes = 2 * 32767;

// The path, or nothing when it is unknown or longer than `maxLength` bytes.
std::optional<std::string> firstModulePath(DWORD processId, std::size_t maxLength) {
    // Loaded for the call alone: a library kept loaded costs the process its pages
    // from then on, for a path asked for at start-up and by the task menus.
    const UniqueModule psapi(::LoadLibraryA("PSAPI.DLL"));
    if (!psapi) {
        return std::nullopt;
    }
    const auto enumProcessModules = functionOf<EnumProcessModulesFunction>(psapi.get(), "EnumProcessModules");
    const auto getModuleFileNameEx =
        functionOf<GetModuleFileNameExFunction>(psapi.get(), "GetModuleFileNameExA");
    if (enumProcessModules == nullptr || getModuleFileNameEx == nullptr) {
        return std::nullopt;
    }
    const UniqueKernelHandle process(
        ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId));
    if (!process) {
        return std::nullopt;
    }
    HMODULE firstModule = nullptr;
    DWORD bytesNeeded = 0;
    if (!enumProcessModules(process.get(), &firstModule, sizeof firstModule, &bytesNeeded)) {
        return std::nullopt;
    }
    // Room for one byte more than the caller can take: a name cut to fit this buffer
    // comes back longer than the caller's limit, so it is never mistaken for a path.
    std::string path(maxLength + 2, '\0');
    const DWORD length =
        getModuleFileNameEx(process.get(), firstModule, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0 || length > maxLength) {
        return std::nullopt;
    }
    path.resize(std::strlen(path.c_str()));
    return path;
}

// The image name of a process, which the system gives for the least access right
// there is: to a 32-bit program for a 64-bit process, and to a program that is not
// elevated for one that is, where the module list above is refused.
std::optional<std::string> imageNamePath(DWORD processId, std::size_t maxLength) {
    static const auto queryFullProcessImageName =
        systemFunction<QueryFullProcessImageNameFunction>("KERNEL32.DLL", "QueryFullProcessImageNameA");
    if (queryFullProcessImageName == nullptr) {
        return std::nullopt;
    }
    const UniqueKernelHandle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    if (!process) {
        return std::nullopt;
    }
    // As above, one byte more than the caller can take tells a path that is too long.
    std::string path(maxLength + 2, '\0');
    DWORD length = static_cast<DWORD>(path.size());
    if (!queryFullProcessImageName(process.get(), 0, path.data(), &length) || length == 0 ||
        length > maxLength) {
        return std::nullopt;
    }
    path.resize(std::strlen(path.c_str()));
    return path;
}

}  // namespace

int getWindowProcessPath(HWND window, char* buffer, std::size_t size) {
    if (buffer == nullptr || size == 0) {
        return 0;
    }
    buffer[0] = '\0';
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    if (processId == 0 || isNtFamily() != true) {
        return 0;
    }
    // No path on the system is longer than 32,767 characters, which take at most
    // twice as many bytes in a double-byte code page; a larger buffer gains nothing.
    const std::size_t maxLength = std::min<std::size_t>(size, kLongestPathBytes + 1) - 1;
    // The module list first: where it answers, its path is the one the program was
    // started with, which is where its own settings have always been looked for.
    std::optional<std::string> path = firstModulePath(processId, maxLength);
    if (!path) {
        path = imageNamePath(processId, maxLength);
    }
    if (!path) {
        return 0;
    }
    std::memcpy(buffer, path->c_str(), path->size() + 1);
    return 1;
}

std::optional<std::string> getWindowProcessPath(HWND window) {
    char buffer[kProcessPathBufferBytes];
    if (getWindowProcessPath(window, buffer, sizeof buffer) == 0) {
        return std::nullopt;
    }
    return std::string{buffer};
}

}  // namespace zek::win32
