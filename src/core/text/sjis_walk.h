#pragma once
// Walking Shift-JIS text one character at a time. A lead byte and the byte after
// it are one character; everything else is a character of one byte.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/text/sjis.h"

namespace zek::text {

struct Character {
    // lead * 256 + trail for a double-byte character, the byte itself otherwise.
    std::uint32_t value;
    std::size_t length;  // 1 or 2 bytes
};

// The character starting at `pos` (< text.size()). A lead byte in the last place has
// no trail to pair with and counts as a character of its own.
constexpr Character characterAt(std::string_view text, std::size_t pos) {
    const auto first = static_cast<unsigned char>(text[pos]);
    if (isLeadByte(first) && pos + 1 < text.size()) {
        const auto trail = static_cast<unsigned char>(text[pos + 1]);
        return {static_cast<std::uint32_t>(first) * 256u + trail, 2};
    }
    return {first, 1};
}

// True when the last byte of `text` is a lead byte that starts a character, i.e. the
// text ends in the first half of a double-byte character.
bool endsInsideCharacter(std::string_view text);

// The longest head of `text` of at most `maxBytes` bytes that does not cut a
// double-byte character in two.
std::string_view headWithinBytes(std::string_view text, std::size_t maxBytes);

}  // namespace zek::text
