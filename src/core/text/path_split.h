#pragma once
// Splitting a Windows path into drive, directory, file name and extension, the
// way the C runtime's multibyte _splitpath does: a 0x5C or 0x2F that is the trail
// byte of a double-byte character ("表" is 0x95 0x5C) is not a separator.

#include <string_view>

namespace zek::text {

struct PathParts {
    std::string_view drive;      // "C:" or empty
    std::string_view directory;  // up to and including the last separator, or empty
    std::string_view fileName;   // without the extension
    std::string_view extension;  // from the last "." of the file part, or empty
};

PathParts splitPath(std::string_view path);

}  // namespace zek::text
