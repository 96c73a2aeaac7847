#pragma once
// What the driver writes into the launcher's memory for the dropper to turn into
// a WM_DROPFILES: the target window, then the file names, each ended by a NUL,
// and one more NUL after the last (the list of a DROPFILES block).
#include <cstdint>

namespace zek::e2e {

struct DropRequest {
    std::uint64_t window = 0;
    std::uint32_t listBytes = 0;
    std::uint32_t reserved = 0;
    // listBytes bytes of names follow.
};

// The dropper's export: DWORD WINAPI (void* request) in the target process;
// 1 when the message was posted.
inline constexpr char kDropperExport[] = "postDroppedFiles";
inline constexpr char kDropperFileName[] = "zek_dropper.dll";

}  // namespace zek::e2e
