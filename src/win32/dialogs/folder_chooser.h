#pragma once
// The shell's folder browser behind the "D" buttons of the item form.
#include <windows.h>

#include <optional>
#include <string>

namespace zek::win32 {

// The file-system folder the user confirmed, or none when the browser was cancelled
// or the choice is no file-system folder. The browser is owned by `owner`.
std::optional<std::string> chooseFolder(HWND owner);

}  // namespace zek::win32
