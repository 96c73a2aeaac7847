#include "core/text/character_positions.h"

#include "core/text/sjis_walk.h"

namespace zek::text {

std::size_t characterCount(std::string_view text) {
    return characterIndexOfByte(text, text.size());
}

std::size_t characterIndexOfByte(std::string_view text, std::size_t byteOffset) {
    std::size_t characters = 0;
    for (std::size_t pos = 0; pos < text.size() && pos < byteOffset; pos += characterAt(text, pos).length) {
        ++characters;
    }
    return characters;
}

std::size_t byteOffsetOfCharacter(std::string_view text, std::size_t index) {
    std::size_t pos = 0;
    for (std::size_t characters = 0; pos < text.size() && characters < index; ++characters) {
        pos += characterAt(text, pos).length;
    }
    return pos;
}

}  // namespace zek::text
