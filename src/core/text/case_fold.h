#pragma once
// Case folding of one character value (see sjis_walk.h). Upper case folds to lower
// case, as the platform's case-insensitive compare does: the direction matters for
// the order of letters against the characters between the two alphabets ("_").

#include <cstdint>

namespace zek::text {

inline constexpr std::uint32_t kFullWidthUpperA = 0x8260;  // "Ａ"
inline constexpr std::uint32_t kFullWidthUpperZ = 0x8279;  // "Ｚ"
inline constexpr std::uint32_t kFullWidthLowerA = 0x8281;  // "ａ"

constexpr std::uint32_t foldCase(std::uint32_t value) {
    if (value >= 'A' && value <= 'Z') {
        return value + ('a' - 'A');
    }
    if (value >= kFullWidthUpperA && value <= kFullWidthUpperZ) {
        return value + (kFullWidthLowerA - kFullWidthUpperA);
    }
    return value;
}

}  // namespace zek::text
