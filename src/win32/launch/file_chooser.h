#pragma once
// The three open-file dialogs the settings dialogs use to pick a program, an icon
// file or any file.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace zek::win32 {

// The full path the user picked, or none when the dialog was cancelled. The dialog
// starts with `initialName` in its name box; a name that does not fit the 512-byte
// path buffer starts it empty.
std::optional<std::string> chooseExecutable(HWND owner, std::string_view initialName = {});
std::optional<std::string> chooseIconFile(HWND owner, std::string_view initialName = {});
std::optional<std::string> chooseAnyFile(HWND owner, std::string_view initialName = {});

}  // namespace zek::win32
