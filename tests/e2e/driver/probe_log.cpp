#include "driver/probe_log.h"

#include <sstream>

#include "driver/files.h"
#include "driver/window_query.h"

namespace zek::e2e {

std::vector<ProbeStart> readProbeLog(const std::string& logPath) {
    std::vector<ProbeStart> starts;
    const auto bytes = readFileBytes(logPath);
    if (!bytes) {
        return starts;
    }
    std::istringstream lines(*bytes);
    std::string line;
    ProbeStart current;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line == "start") {
            current = {};
        } else if (line.starts_with("commandLine=")) {
            current.commandLine = line.substr(12);
        } else if (line.starts_with("directory=")) {
            current.directory = line.substr(10);
        } else if (line.starts_with("show=")) {
            current.show = std::stoi(line.substr(5));
        } else if (line == "end") {
            starts.push_back(current);
        }
    }
    return starts;
}

std::vector<ProbeStart> waitForProbeStarts(const std::string& logPath, std::size_t count, DWORD timeoutMs) {
    std::vector<ProbeStart> starts;
    waitUntil([&] { return (starts = readProbeLog(logPath)).size() >= count; }, timeoutMs);
    return starts;
}

}  // namespace zek::e2e
