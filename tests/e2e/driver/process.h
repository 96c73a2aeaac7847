#pragma once
// Starting the programs under test and waiting for them, with bounded waits.
#include <windows.h>

#include <optional>
#include <string>

#include "win32/platform/unique_handle.h"

namespace zek::e2e {

class Process {
  public:
    Process() = default;
    Process(win32::UniqueKernelHandle process, DWORD id) : handle_(std::move(process)), id_(id) {}

    explicit operator bool() const { return static_cast<bool>(handle_); }
    DWORD id() const { return id_; }
    bool running() const;
    // The exit code once the process has ended within the time, else none.
    std::optional<DWORD> waitForExit(DWORD timeoutMs) const;
    void kill() const;

  private:
    win32::UniqueKernelHandle handle_;
    DWORD id_ = 0;
};

// A path as one argument of a command line: between double quotes.
inline std::string inQuotes(const std::string& text) {
    return "\"" + text + "\"";
}

// Starts `program` with `arguments` appended verbatim to its quoted path, in `directory`.
Process startProcess(const std::string& program, const std::string& arguments, const std::string& directory);

// The running test program, and its folder (ending with a backslash), where the
// programs under test are built.
std::string ownProgramPath();
std::string ownDirectory();
// The folder of the other build's programs (the 64-bit ones beside the 32-bit
// build), ending with a backslash, from the Linux path in ZEK_OTHER_BUILD; "" when
// it names none.
std::string otherBuildDirectory();
// Ends whatever launcher still runs: politely first, then by force.
void endAnyLauncher();
// Closes every probe window, by force when it does not end.
void closeProbeWindows();

}  // namespace zek::e2e
