#pragma once
// What another process holds, to prove that nothing piles up in it.
#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>

#include "win32/platform/unique_handle.h"

namespace zek::e2e {

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
