#pragma once
// A copy of the program in a folder of its own, as a user would put it there, and
// the wait for one of its starts to finish.
#include <windows.h>

#include <string>

namespace zek::e2e {

// Makes `folder` (ending with a backslash) afresh, holding copies of the launcher
// and the probe built beside this program; whether both were copied.
bool makeLauncherFolder(const std::string& folder);

// Waits for a started launcher to finish starting: its bar is there, its command
// box is filled and it answers a message sent from here. Its bar, or null (with
// the step that ran out of time written to stderr).
HWND waitForStartedBar(DWORD timeoutMs);

}  // namespace zek::e2e
