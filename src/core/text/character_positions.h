#pragma once
// Converting between byte offsets and character indexes of Shift-JIS text. Some
// edit controls count selections in bytes, others in characters.
#include <cstddef>
#include <string_view>

namespace zek::text {

std::size_t characterCount(std::string_view text);
// The number of characters that begin before `byteOffset` (an offset inside a
// character counts that character); offsets past the end count all.
std::size_t characterIndexOfByte(std::string_view text, std::size_t byteOffset);
// The byte offset where character `index` begins; indexes past the end give the size.
std::size_t byteOffsetOfCharacter(std::string_view text, std::size_t index);

}  // namespace zek::text
