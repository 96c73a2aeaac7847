#pragma once
// The two name orders of the item tree. Both compare character by character by
// character value (sjis_walk.h), so every single-byte character sorts before every
// double-byte one, whatever the byte values.

#include <cstdint>
#include <string_view>

namespace zek::text {

// Case-sensitive order. < 0, 0 or > 0 like strcmp; 0 only for equal bytes.
int compareExact(std::string_view a, std::string_view b);

// The same after folding ASCII and full-width Latin letters to lower case.
int compareIgnoringCase(std::string_view a, std::string_view b);

// True when plain byte order (memcmp) gives the same answer as compareExact for this
// text against any other text of which the same holds: no byte of 0x80 or more
// stands alone as a character. Lets hot sorts skip the walk for ASCII and ordinary
// Japanese names.
bool bytesOrderLikeCharacters(std::string_view text);

// A number that orders like the text's first characters: when the keys of two texts
// differ, they order the texts as compareExact (or compareIgnoringCase, with
// `ignoringCase`) would; equal keys decide nothing. Lets sorts and searches over many
// items settle most comparisons without reaching the names.
std::uint64_t orderKey(std::string_view text, bool ignoringCase);

}  // namespace zek::text
