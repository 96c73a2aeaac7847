#pragma once
// What the driver hands the dropper in the launcher for it to turn into a
// WM_DROPFILES: the target window, then the file names, each ended by a NUL, and
// one more NUL after the last (the list of a DROPFILES block). It lies in a named
// shared block; the dropper answers in it and sets the named event.
#include <cstdint>

namespace zek::e2e {

struct DropRequest {
    std::uint64_t window = 0;
    std::uint32_t listBytes = 0;
    std::uint32_t posted = 0;  // set by the dropper: 1 when the message was posted
    // listBytes bytes of names follow.
};

// The dropper's export, a WH_GETMESSAGE hook procedure: run in the launcher's own
// thread when it takes the registered message kDropMessage.
inline constexpr char kDropperExport[] = "dropOnRequest";
inline constexpr char kDropperFileName[] = "zek_dropper.dll";
inline constexpr char kDropMessage[] = "ZekE2eDropRequest";
inline constexpr char kDropBlockName[] = "Local\\ZekE2eDropRequest";
inline constexpr char kDropDoneName[] = "Local\\ZekE2eDropDone";
inline constexpr std::uint32_t kDropBlockBytes = 64 * 1024;
// Asks the dropper to send the window WM_DPICHANGED for the DPI in wParam, with
// the window's own place as the suggested one, as the system does on a move to a
// screen of that DPI (a message whose rectangle no other process can hand over).
inline constexpr char kDpiChangeMessage[] = "ZekE2eDpiChange";

}  // namespace zek::e2e
