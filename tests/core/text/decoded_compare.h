#pragma once
// The name orders computed the plain way: decode to character values, fold the ASCII
// and full-width capitals when asked, compare the values.
#include <cstdint>
#include <string>
#include <vector>

#include "core/text/sjis_walk.h"

namespace zek::text::test {

inline int decodedCompare(const std::string& a, const std::string& b, bool foldCase) {
    const auto decode = [foldCase](const std::string& name) {
        std::vector<std::uint32_t> values;
        for (std::size_t pos = 0; pos < name.size();) {
            const Character c = characterAt(name, pos);
            const bool capital =
                (c.value >= 'A' && c.value <= 'Z') || (c.value >= 0x8260 && c.value <= 0x8279);
            values.push_back(foldCase && capital ? c.value + (c.value < 0x80 ? 0x20 : 0x21) : c.value);
            pos += c.length;
        }
        return values;
    };
    const auto valuesA = decode(a);
    const auto valuesB = decode(b);
    return valuesA < valuesB ? -1 : (valuesB < valuesA ? 1 : 0);
}

}  // namespace zek::text::test
