#include "win32/app/handover.h"

#include <cstring>

#include "core/app/command_line.h"
#include "core/app/messages.h"
#include "win32/platform/unique_handle.h"

namespace zek::win32 {

HandOverResult handOverCommandLine(HWND runningBar, std::span<const std::string_view> arguments) {
    UniqueKernelHandle mapping(::CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                                    app::kRemoteCommandSize, app::kSharedMemoryName));
    if (!mapping) {
        return HandOverResult::NoBlock;
    }
    // Mapping an explicit size fails when an object of that name exists but is
    // smaller, so a short block is never written past its end.
    UniqueMappedView view(::MapViewOfFile(mapping.get(), FILE_MAP_ALL_ACCESS, 0, 0, app::kRemoteCommandSize));
    if (!view) {
        return HandOverResult::NoBlock;
    }

    app::RemoteCommand block{};
    const std::size_t count = app::parseCommandLine(arguments, block.entries, app::kRemoteRecordCount);

    UniqueKernelHandle guard(::CreateMutexA(nullptr, FALSE, app::kHandoverMutexName));
    // Writing without the guard would overwrite the block of a start whose switches
    // the bar has not read yet: one command lost, another run twice.
    ScopedMutexWait wait(guard.get(), app::kHandoverMutexWaitMs);
    if (!wait.owned()) {
        return HandOverResult::GuardBusy;
    }
    std::memcpy(view.get(), &block, sizeof block);
    const LRESULT reply =
        ::SendMessageA(runningBar, app::LM_REMOTECOMMAND, count, reinterpret_cast<LPARAM>(view.get()));
    return reply == app::kHandoverRefusedReply ? HandOverResult::Refused : HandOverResult::Sent;
}

std::optional<app::RemoteCommand> readRemoteCommand() {
    UniqueKernelHandle mapping(::OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, app::kSharedMemoryName));
    if (!mapping) {
        return std::nullopt;
    }
    UniqueMappedView view(::MapViewOfFile(mapping.get(), FILE_MAP_ALL_ACCESS, 0, 0, app::kRemoteCommandSize));
    if (!view) {
        return std::nullopt;
    }
    // A private copy: another process may write the block while the switches run.
    app::RemoteCommand block;
    std::memcpy(&block, view.get(), sizeof block);
    return block;
}

}  // namespace zek::win32
