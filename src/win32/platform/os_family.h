#pragma once
// Which family of Windows runs the program.
#include <optional>

namespace zek::win32 {

// True on the NT family, false on another; none when the system does not say.
std::optional<bool> isNtFamily();

}  // namespace zek::win32
