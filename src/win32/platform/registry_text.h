#pragma once
// Reading a key's default text value, bounded like every text the program keeps.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace zek::win32 {

// The default value of `root`\`subKey` when it is a string of fewer than 512 bytes;
// none for a missing key or value, another value type, or a longer text.
std::optional<std::string> readDefaultText(HKEY root, std::string_view subKey);

}  // namespace zek::win32
