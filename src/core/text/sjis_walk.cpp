#include "core/text/sjis_walk.h"

namespace zek::text {

bool endsInsideCharacter(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const auto byte = static_cast<unsigned char>(text[pos]);
        if (isLeadByte(byte) && pos + 1 == text.size()) {
            return true;
        }
        pos += isLeadByte(byte) ? 2 : 1;
    }
    return false;
}

std::string_view headWithinBytes(std::string_view text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) {
        return text;
    }
    std::size_t pos = 0;
    while (pos < maxBytes) {
        const std::size_t length = isLeadByte(static_cast<unsigned char>(text[pos])) ? 2 : 1;
        if (pos + length > maxBytes) {
            break;
        }
        pos += length;
    }
    return text.substr(0, pos);
}

}  // namespace zek::text
