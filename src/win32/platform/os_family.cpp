#include "win32/platform/os_family.h"

#include <windows.h>

namespace zek::win32 {

std::optional<bool> isNtFamily() {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
#if defined(_MSC_VER)
#pragma warning(suppress : 4996)
#endif
    if (::GetVersionExA(&version) == 0) {
        return std::nullopt;
    }
    return version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

}  // namespace zek::win32
