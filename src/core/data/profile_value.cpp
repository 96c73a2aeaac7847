#include "core/data/profile_value.h"

#include "core/text/sjis.h"

namespace zek::data {
namespace {

constexpr std::string_view kFullWidthSpace = "\x81\x40";

// The profile functions trim these around a value (the full-width space may count
// too, depending on the system's conversion).
bool isAsciiBlank(char byte) {
    return byte == ' ' || byte == '\t' || byte == '\v' || byte == '\f';
}

// Byte length of the longest prefix of `text` that is at most `maxBytes` long and
// does not end inside a double-byte character.
std::size_t characterBoundaryAtMost(std::string_view text, std::size_t maxBytes) {
    std::size_t position = 0;
    while (position < text.size()) {
        const bool doubleByte =
            text::isLeadByte(static_cast<unsigned char>(text[position])) && position + 1 < text.size();
        const std::size_t width = doubleByte ? 2 : 1;
        if (position + width > maxBytes) {
            break;
        }
        position += width;
    }
    return position;
}

// Start of the last character of a non-empty text; also tells whether it is a lone
// lead byte (a double-byte character missing its second byte).
struct LastCharacter {
    std::size_t start;
    bool loneLeadByte;
};

LastCharacter lastCharacter(std::string_view text) {
    std::size_t position = 0;
    std::size_t start = 0;
    bool lone = false;
    while (position < text.size()) {
        start = position;
        const bool lead = text::isLeadByte(static_cast<unsigned char>(text[position]));
        lone = lead && position + 1 == text.size();
        position += lead && !lone ? 2 : 1;
    }
    return {start, lone};
}

}  // namespace

bool needsProfileQuotes(std::string_view text) {
    if (text.empty()) {
        return false;
    }
    if (isAsciiBlank(text.front()) || isAsciiBlank(text.back()) || text.starts_with(kFullWidthSpace) ||
        text.substr(lastCharacter(text).start) == kFullWidthSpace) {
        return true;
    }
    const char first = text.front();
    return text.size() >= 2 && (first == '"' || first == '\'') && text.back() == first;
}

bool isStorableProfileText(std::string_view text) {
    if (text.find_first_of(std::string_view{"\r\n\0", 3}) != std::string_view::npos) {
        return false;
    }
    const std::size_t quotes = needsProfileQuotes(text) ? 2 : 0;
    return text.size() + quotes <= kMaxProfileValueBytes;
}

std::string encodeProfileValue(std::string_view text) {
    if (!needsProfileQuotes(text)) {
        return std::string{text};
    }
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted += '"';
    quoted += text;
    quoted += '"';
    return quoted;
}

std::string fitReadProfileValue(std::string value) {
    if (value.size() > kMaxProfileValueBytes) {
        value.resize(characterBoundaryAtMost(value, kMaxProfileValueBytes));
    } else if (value.size() == kMaxProfileValueBytes && lastCharacter(value).loneLeadByte) {
        // The buffer was full: the missing second byte is what it could not hold.
        value.pop_back();
    }
    if (needsProfileQuotes(value) && value.size() + 2 > kMaxProfileValueBytes) {
        value.resize(characterBoundaryAtMost(value, kMaxProfileValueBytes - 2));
    }
    return value;
}

}  // namespace zek::data
