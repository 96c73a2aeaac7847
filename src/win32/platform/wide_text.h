#pragma once
// Text in the system code page, as the program keeps it, for the places where the
// system hands or wants UTF-16.
#include <windows.h>

#include <algorithm>
#include <string>
#include <string_view>

namespace zek::win32 {

inline std::wstring wideText(std::string_view text) {
    const int bytes = static_cast<int>(text.size());
    const int size = ::MultiByteToWideChar(CP_ACP, 0, text.data(), bytes, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(std::max(size, 0)), L'\0');
    if (size > 0) {
        ::MultiByteToWideChar(CP_ACP, 0, text.data(), bytes, wide.data(), size);
    }
    return wide;
}

}  // namespace zek::win32
