#pragma once
// How a text of the settings is kept in an INI value so that it reads back as it
// was. The profile functions trim white space around a value and drop one pair of
// enclosing quotes when reading; texts that would suffer from that are written
// inside an extra pair of double quotes. Texts are Shift-JIS bytes.

#include <cstddef>
#include <string>
#include <string_view>

namespace zek::data {

// Text buffers of the program hold 511 bytes and the terminator; an INI value
// longer than that cannot be read back whole.
inline constexpr std::size_t kMaxProfileValueBytes = 511;
inline constexpr std::size_t kProfileReadBufferBytes = kMaxProfileValueBytes + 1;

// True when the value must be quoted to survive trimming and quote removal.
bool needsProfileQuotes(std::string_view text);

// True when `text` can be written to an INI value and read back unchanged: no line
// break or NUL (they would split or end the line) and short enough with its quotes.
bool isStorableProfileText(std::string_view text);

// The value to write for `text` (which must be storable).
std::string encodeProfileValue(std::string_view text);

// Makes a value read through a buffer of kProfileReadBufferBytes storable again: a
// double-byte character cut in half by the buffer is dropped, and a text that
// needs quotes is shortened (on a character boundary) so that it still fits with them.
std::string fitReadProfileValue(std::string value);

}  // namespace zek::data
