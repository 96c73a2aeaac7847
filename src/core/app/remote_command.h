#pragma once
// The block a later start hands to the running instance through named shared
// memory. Its layout is shared between processes and must never change.
#include <cstddef>
#include <string_view>

namespace zek::app {

inline constexpr std::size_t kSwitchNameSize = 16;
inline constexpr std::size_t kArgumentSize = 512;
inline constexpr std::size_t kRemoteRecordCount = 16;
// A command line on the first instance's own start keeps fewer records.
inline constexpr std::size_t kOwnCommandLineRecordCount = 12;

struct SwitchEntry {
    char switchName[kSwitchNameSize];
    char argument1[kArgumentSize];
    char argument2[kArgumentSize];
};

struct RemoteCommand {
    SwitchEntry entries[kRemoteRecordCount];
};

static_assert(offsetof(SwitchEntry, switchName) == 0);
static_assert(offsetof(SwitchEntry, argument1) == 16);
static_assert(offsetof(SwitchEntry, argument2) == 528);
static_assert(sizeof(SwitchEntry) == 1040);
static_assert(alignof(SwitchEntry) == 1);
static_assert(offsetof(RemoteCommand, entries) == 0);
static_assert(sizeof(RemoteCommand) == 16640);

inline constexpr std::size_t kRemoteCommandSize = sizeof(RemoteCommand);
inline constexpr const char* kSharedMemoryName = "ZekLauncherSharedMemory";
// Mutexes and mappings share one kernel namespace, so the guard needs a name of its own.
inline constexpr const char* kHandoverMutexName = "ZekLauncherSharedMemoryGuard";
// A later start writes and sends only while it holds the guard. It waits this long
// for a running instance that is busy with another start's switches (a message box,
// a slow program start), then gives up without writing anything.
inline constexpr unsigned kHandoverMutexWaitMs = 10000;
// The exit code of a later start that gave up that way: its switches did not run.
inline constexpr int kHandoverBusyExitCode = 2;
// What the running bar answers to a hand-over it cannot take (it is still reading
// its files and holds as many as it keeps until then): the sender ends as above.
inline constexpr long kHandoverRefusedReply = 2;

// A field's text, never reading past the field even when a hostile writer left
// it unterminated: such a field counts only up to its last byte but one, as if cut.
template <std::size_t N>
std::string_view fieldText(const char (&field)[N]) {
    std::size_t length = 0;
    while (length < N - 1 && field[length] != '\0') {
        ++length;
    }
    return {field, length};
}

}  // namespace zek::app
