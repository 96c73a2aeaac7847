#pragma once
// Text in the system code page, as the program keeps it, for the places where the
// system hands or wants UTF-16.
#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

namespace zek::win32 {

// Into `wide`, whose room is kept for the next text: the status picture converts
// its texts at every frame.
inline void toWideText(std::string_view text, std::wstring& wide) {
    const int bytes = static_cast<int>(text.size());
    const int size = ::MultiByteToWideChar(CP_ACP, 0, text.data(), bytes, nullptr, 0);
    wide.resize(static_cast<std::size_t>(std::max(size, 0)));
    if (size > 0) {
        ::MultiByteToWideChar(CP_ACP, 0, text.data(), bytes, wide.data(), size);
    }
}

inline std::wstring wideText(std::string_view text) {
    std::wstring wide;
    toWideText(text, wide);
    return wide;
}

// A character the code page lacks comes back as the system's default one.
inline std::string narrowText(std::wstring_view text) {
    const int characters = static_cast<int>(text.size());
    const int size = ::WideCharToMultiByte(CP_ACP, 0, text.data(), characters, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(std::max(size, 0)), '\0');
    if (size > 0) {
        ::WideCharToMultiByte(CP_ACP, 0, text.data(), characters, narrow.data(), size, nullptr, nullptr);
    }
    return narrow;
}

// The text in the code page when every letter has its own there (no best fit, no
// default character), none when one has not: a file name that must name the file.
inline std::optional<std::string> exactNarrowText(std::wstring_view text) {
    BOOL lost = FALSE;
    const int characters = static_cast<int>(text.size());
    const int size = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), characters, nullptr, 0,
                                           nullptr, &lost);
    if (size <= 0 || lost) {
        return std::nullopt;
    }
    std::string exact(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), characters, exact.data(), size, nullptr,
                          nullptr);
    return exact;
}

}  // namespace zek::win32
