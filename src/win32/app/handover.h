#pragma once
// The single-instance hand-over: a later start passes its switches to the
// running bar through a named shared block and a synchronous message.
#include <windows.h>

#include <optional>
#include <span>
#include <string_view>

#include "core/app/remote_command.h"

namespace zek::win32 {

enum class HandOverResult {
    Sent,
    NoBlock,    // the shared block could not be had at its full size: nothing sent
    GuardBusy,  // another start kept the guard for the whole wait: nothing written
    Refused,    // the running bar could not take the switches: they did not run
};

// Parses the arguments and, only while holding the guard, writes them into the
// shared block and waits until the running bar has run them.
HandOverResult handOverCommandLine(HWND runningBar, std::span<const std::string_view> arguments);

// The receiver's private copy of the shared block, or none when there is no
// block of the full size to read.
std::optional<app::RemoteCommand> readRemoteCommand();

}  // namespace zek::win32
