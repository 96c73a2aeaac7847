#include "core/launch/default_icon.h"

#include "core/text/decimal.h"
#include "core/text/path_split.h"

namespace zek::launch {
namespace {

// Resource ids are 16-bit: a larger magnitude cannot name one, and ruling it out
// keeps INT_MIN (whose negation overflows) away from the system.
constexpr std::int32_t kLowestResourceIndex = -65535;

constexpr char foldAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalsIgnoringAsciiCase(std::string_view text, std::string_view lowerCase) {
    if (text.size() != lowerCase.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (foldAscii(text[i]) != lowerCase[i]) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string_view extensionOf(std::string_view path) {
    return text::splitPath(path).extension;
}

IconSource iconSourceOf(std::string_view path) {
    if (path.empty()) {
        return IconSource::None;
    }
    const std::string_view extension = extensionOf(path);
    if (equalsIgnoringAsciiCase(extension, ".exe") || equalsIgnoringAsciiCase(extension, ".ico")) {
        return IconSource::FileResource;
    }
    if (equalsIgnoringAsciiCase(extension, ".lnk")) {
        return IconSource::Shortcut;
    }
    return IconSource::RegisteredType;
}

std::optional<std::string> defaultIconKeyOf(std::string_view className) {
    constexpr std::string_view kSuffix = "\\DefaultIcon";
    if (className.empty() || className.size() + kSuffix.size() >= kIconTextCapacity) {
        return std::nullopt;
    }
    std::string key{className};
    key += kSuffix;
    return key;
}

std::optional<IconLocation> parseDefaultIconLocation(std::string_view value) {
    // A registry value may carry bytes after its terminator; the text ends there.
    value = value.substr(0, value.find('\0'));
    // The comma byte 0x2C is never the trail byte of a double-byte character, so a
    // byte search cannot split one.
    const std::size_t comma = value.rfind(',');
    if (comma == std::string_view::npos || comma == 0) {
        return std::nullopt;
    }
    const std::string_view file = value.substr(0, comma);
    if (file.size() >= kIconTextCapacity || file.find_first_of("\"%") != std::string_view::npos) {
        return std::nullopt;
    }
    const std::int32_t index = text::parseLeadingInt(value.substr(comma + 1));
    if (index < kLowestResourceIndex) {
        return std::nullopt;
    }
    return IconLocation{std::string{file}, index};
}

}  // namespace zek::launch
