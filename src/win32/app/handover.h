#pragma once
// The single-instance hand-over: a later start passes its switches to the
// running bar through a named shared block and a synchronous message.
#include <windows.h>

#include <optional>
#include <span>
#include <string_view>

#include "app/remote_command.h"

namespace zek::win32 {

// Parses the arguments, writes them into the shared block and waits until the
// running bar has run them. When the block cannot be had at its full size,
// nothing is written and nothing is sent.
void handOverCommandLine(HWND runningBar, std::span<const std::string_view> arguments);

// The receiver's private copy of the shared block, or none when there is no
// block of the full size to read.
std::optional<app::RemoteCommand> readRemoteCommand();

}  // namespace zek::win32
