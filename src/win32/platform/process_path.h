#pragma once
// Which program file runs a window's process: for the task lists, and for the
// program's own folder, where its settings and data files lie.
#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>

namespace zek::win32 {

// Room for a path in the program's text buffers (511 bytes and the terminator).
inline constexpr std::size_t kProcessPathBufferBytes = 512;

// 1 with the full path of the process's first module (its program file) written to
// `buffer` and terminated (where the module list is refused, for a 64-bit process
// seen from a 32-bit program or an elevated one, the process's image name); 0 when there is none to be had,
// `buffer` then holding "" (when it has room for that). A path that does not fit whole is not written: a
// shortened path would name another file.
int getWindowProcessPath(HWND window, char* buffer, std::size_t size);

// The same with a buffer of kProcessPathBufferBytes.
std::optional<std::string> getWindowProcessPath(HWND window);

}  // namespace zek::win32
