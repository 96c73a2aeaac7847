#pragma once
// What a process holds, to prove that nothing piles up. For the own process Wine
// only stubs GetGuiResources (0, ERROR_CALL_NOT_IMPLEMENTED) but keeps its GDI handle
// table where Windows keeps the shared one (PEB GdiSharedHandleTable): there the
// live entries are counted. An icon's bitmaps are entries too, so a leaked icon shows.
#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>

#include "win32/platform/unique_handle.h"

namespace zek::e2e {

// This process's GDI objects; none when neither way works on this system.
inline std::optional<std::uint32_t> countGdiObjects() {
    ::SetLastError(ERROR_SUCCESS);
    const DWORD counted = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    if (::GetLastError() != ERROR_CALL_NOT_IMPLEMENTED) {
        return counted;
    }
#if defined(_WIN64)
    using GetPeb = const std::uint8_t*(WINAPI*)();
    const FARPROC found = ::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "RtlGetCurrentPeb");
    const auto getPeb = reinterpret_cast<GetPeb>(reinterpret_cast<void*>(found));
    const std::uint8_t* table = nullptr;
    if (getPeb != nullptr) {
        std::memcpy(&table, getPeb() + 0xF8, sizeof table);
    }
    if (table != nullptr) {
        // 0x10000 entries (GDI_HANDLE_ENTRY) of 24 bytes, each with its type at byte 14: 0 when free.
        std::uint32_t live = 0;
        for (std::size_t entry = 0; entry < 0x10000; ++entry) {
            std::uint16_t type = 0;
            std::memcpy(&type, table + entry * 24 + 14, sizeof type);
            live += type != 0 ? 1 : 0;
        }
        return live;
    }
#endif
    return std::nullopt;
}

// Another process as the system counts it; GDI and USER objects are 0 where the
// system does not count them for other processes.
struct ProcessUsage {
    DWORD handles = 0;
    DWORD gdiObjects = 0;
    DWORD userObjects = 0;
    SIZE_T committedBytes = 0;
};

inline ProcessUsage usageOf(DWORD processId) {
    ProcessUsage usage;
    const win32::UniqueKernelHandle process(
        ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId));
    if (!process) {
        return usage;
    }
    ::GetProcessHandleCount(process.get(), &usage.handles);
    usage.gdiObjects = ::GetGuiResources(process.get(), GR_GDIOBJECTS);
    usage.userObjects = ::GetGuiResources(process.get(), GR_USEROBJECTS);
    PROCESS_MEMORY_COUNTERS_EX memory{};
    if (::GetProcessMemoryInfo(process.get(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                               sizeof memory)) {
        usage.committedBytes = memory.PrivateUsage != 0 ? memory.PrivateUsage : memory.PagefileUsage;
    }
    return usage;
}

}  // namespace zek::e2e
