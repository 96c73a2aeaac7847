#pragma once
// What a process holds, to prove that nothing piles up in it.
#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>

#include "win32/platform/unique_handle.h"

namespace zek::e2e {

// The memory a process has committed, as the system counts it; 0 when it cannot be read.
inline SIZE_T committedBytesOf(DWORD processId) {
    const win32::UniqueKernelHandle process(
        ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId));
    PROCESS_MEMORY_COUNTERS_EX memory{};
    if (!process || !::GetProcessMemoryInfo(
                        process.get(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory)) {
        return 0;
    }
    return memory.PrivateUsage != 0 ? memory.PrivateUsage : memory.PagefileUsage;
}

}  // namespace zek::e2e
