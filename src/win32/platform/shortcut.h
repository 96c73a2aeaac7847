#pragma once
// The target of a shell shortcut (".lnk"), read through the shell link object.
#include <optional>
#include <string>
#include <string_view>

namespace zek::win32 {

// The path a ".lnk" file points to, as stored (a moved target is not searched for).
// None for another extension, a missing or broken shortcut, a shortcut to something
// that is no file-system path, or a path that does not fit 260 characters.
std::optional<std::string> resolveShortcut(std::string_view path);
// The same for a shortcut named in UTF-16, its target too: either may hold letters
// the code page lacks. None where resolveShortcut gives none.
std::optional<std::wstring> shortcutTarget(const std::wstring& path);

}  // namespace zek::win32
