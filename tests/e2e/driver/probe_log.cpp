#include "driver/probe_log.h"

#include <sstream>

#include "driver/files.h"
#include "driver/process.h"
#include "driver/window_query.h"

namespace zek::e2e {

std::string copyProbeInSpacedFolder(const std::string& folder) {
    const std::string spaced = folder + "probe folder\\";
    ::CreateDirectoryA(spaced.c_str(), nullptr);
    const std::string probe = spaced + "probe.exe";
    return ::CopyFileA((folder + "probe.exe").c_str(), probe.c_str(), FALSE) ? probe : std::string();
}

std::string probeLogBeside(const std::string& probePath) {
    return probePath.substr(0, probePath.find_last_of('\\') + 1) + "probe.log";
}

HWND startProbeWindow(const std::string& probePath, const std::string& title) {
    startProcess(probePath, "--title=" + inQuotes(title), "");
    HWND window = nullptr;
    waitUntil([&] { return (window = ::FindWindowA("ZekProbeWindow", title.c_str())) != nullptr; });
    // The window exists before the probe shows and activates it; a sent message is answered only once
    // the probe reads its queue, after that, so no later activation takes the foreground from the test.
    DWORD_PTR ignored = 0;
    if (window != nullptr) {
        ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 10000, &ignored);
    }
    return window;
}

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
