#pragma once

namespace zek::win32 {

// Gives the pages of this process back to the system; they come back on use.
void trimOwnWorkingSet();

// The same for every process that owns a top-level window. Processes that
// cannot be opened are skipped without a word.
void trimAllWindowProcesses();

}  // namespace zek::win32
