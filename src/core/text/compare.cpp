#include "core/text/compare.h"

#include "core/text/case_fold.h"
#include "core/text/sjis_walk.h"

namespace zek::text {
namespace {

template <typename Fold>
int compareCharacters(std::string_view a, std::string_view b, Fold fold) {
    std::size_t posA = 0;
    std::size_t posB = 0;
    while (posA < a.size() && posB < b.size()) {
        const Character charA = characterAt(a, posA);
        const Character charB = characterAt(b, posB);
        const std::uint32_t valueA = fold(charA.value);
        const std::uint32_t valueB = fold(charB.value);
        if (valueA != valueB) {
            return valueA < valueB ? -1 : 1;
        }
        posA += charA.length;
        posB += charB.length;
    }
    const bool endA = posA >= a.size();
    const bool endB = posB >= b.size();
    if (endA && endB) {
        return 0;
    }
    return endA ? -1 : 1;
}

}  // namespace

int compareExact(std::string_view a, std::string_view b) {
    return compareCharacters(a, b, [](std::uint32_t value) { return value; });
}

int compareIgnoringCase(std::string_view a, std::string_view b) {
    return compareCharacters(a, b, foldCase);
}

bool bytesOrderLikeCharacters(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const Character character = characterAt(text, pos);
        if (character.length == 1 && character.value >= 0x80) {
            return false;
        }
        pos += character.length;
    }
    return true;
}

std::uint64_t orderKey(std::string_view text, bool ignoringCase) {
    // The first eight bytes of an encoding whose byte order is the character order:
    // a single byte below 0x80 as itself, a single byte from 0x80 as 0x80 and itself,
    // a double-byte character as its two bytes (its lead byte is 0x81 or more).
    std::uint64_t key = 0;
    int bytes = 0;
    const auto put = [&](std::uint32_t byte) {
        if (bytes < 8) {
            key = (key << 8) | byte;
            ++bytes;
        }
    };
    for (std::size_t pos = 0; pos < text.size() && bytes < 8;) {
        const Character character = characterAt(text, pos);
        const std::uint32_t value = ignoringCase ? foldCase(character.value) : character.value;
        if (character.length == 2) {
            put(value >> 8);
            put(value & 0xFF);
        } else if (value >= 0x80) {
            put(0x80);
            put(value);
        } else {
            put(value);
        }
        pos += character.length;
    }
    return bytes == 0 ? 0 : key << (8 * (8 - bytes));
}

}  // namespace zek::text
