#pragma once
// What the probe program wrote about each of its starts.
#include <windows.h>

#include <string>
#include <vector>

namespace zek::e2e {

struct ProbeStart {
    std::string commandLine;
    std::string directory;
    int show = -1;
};

std::vector<ProbeStart> readProbeLog(const std::string& logPath);
// Waits until the log holds at least `count` starts; returns what it holds then.
std::vector<ProbeStart> waitForProbeStarts(const std::string& logPath, std::size_t count,
                                           DWORD timeoutMs = 10000);

}  // namespace zek::e2e
