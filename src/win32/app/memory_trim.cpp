#include "win32/app/memory_trim.h"

#include <windows.h>

#include "win32/platform/unique_handle.h"

namespace zek::win32 {

namespace {
constexpr SIZE_T kTrimAll = static_cast<SIZE_T>(-1);
}

void trimOwnWorkingSet() {
    ::SetProcessWorkingSetSize(::GetCurrentProcess(), kTrimAll, kTrimAll);
}

void trimAllWindowProcesses() {
    for (HWND window = ::FindWindowExA(nullptr, nullptr, nullptr, nullptr); window != nullptr;
         window = ::FindWindowExA(nullptr, window, nullptr, nullptr)) {
        DWORD processId = 0;
        ::GetWindowThreadProcessId(window, &processId);
        UniqueKernelHandle process(::OpenProcess(PROCESS_SET_QUOTA, FALSE, processId));
        if (process) {
            ::SetProcessWorkingSetSize(process.get(), kTrimAll, kTrimAll);
        }
    }
}

}  // namespace zek::win32
