#include "core/text/path_split.h"

#include "core/text/sjis_walk.h"

namespace zek::text {

PathParts splitPath(std::string_view path) {
    PathParts parts;
    // A drive letter's colon is always the second byte: a letter is never a lead byte.
    if (path.size() >= 2 && path[1] == ':' && !isLeadByte(static_cast<unsigned char>(path[0]))) {
        parts.drive = path.substr(0, 2);
        path.remove_prefix(2);
    }
    std::size_t afterLastSeparator = 0;
    std::size_t lastDot = std::string_view::npos;
    std::size_t pos = 0;
    while (pos < path.size()) {
        const Character character = characterAt(path, pos);
        if (character.value == '\\' || character.value == '/') {
            afterLastSeparator = pos + 1;
            lastDot = std::string_view::npos;
        } else if (character.value == '.') {
            lastDot = pos;
        }
        pos += character.length;
    }
    parts.directory = path.substr(0, afterLastSeparator);
    const std::string_view file = path.substr(afterLastSeparator);
    if (lastDot == std::string_view::npos) {
        parts.fileName = file;
    } else {
        parts.fileName = path.substr(afterLastSeparator, lastDot - afterLastSeparator);
        parts.extension = path.substr(lastDot);
    }
    return parts;
}

}  // namespace zek::text
