#pragma once
// The probe program: copies of it, its windows, and what it wrote about each of its starts.
#include <windows.h>

#include <string>
#include <vector>

namespace zek::e2e {

struct ProbeStart {
    std::string commandLine;
    std::string directory;
    int show = -1;
};

// The log that the probe at this path writes beside itself.
std::string probeLogBeside(const std::string& probePath);
// Starts the probe at this path with a window of this title; the window, once it is there.
HWND startProbeWindow(const std::string& probePath, const std::string& title);

std::vector<ProbeStart> readProbeLog(const std::string& logPath);
// Waits until the log holds at least `count` starts; returns what it holds then.
std::vector<ProbeStart> waitForProbeStarts(const std::string& logPath, std::size_t count,
                                           DWORD timeoutMs = 10000);

}  // namespace zek::e2e
