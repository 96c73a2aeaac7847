#include "driver/probe_log.h"

#include <cstdlib>

#include "driver/files.h"
#include "driver/process.h"
#include "driver/window_query.h"

namespace zek::e2e {

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
    // One line a start, as the probe writes it: show command, folder and command line, apart by tabs.
    std::vector<ProbeStart> starts;
    const std::string log = readFileBytes(logPath).value_or("");
    for (std::size_t line = 0, end; (end = log.find("\r\n", line)) != std::string::npos; line = end + 2) {
        const std::size_t tab = log.find('\t', line);
        const std::size_t next = log.find('\t', tab + 1);
        starts.push_back(ProbeStart{log.substr(next + 1, end - next - 1), log.substr(tab + 1, next - tab - 1),
                                    std::atoi(log.c_str() + line)});
    }
    return starts;
}

std::vector<ProbeStart> waitForProbeStarts(const std::string& logPath, std::size_t count, DWORD timeoutMs) {
    std::vector<ProbeStart> starts;
    waitUntil([&] { return (starts = readProbeLog(logPath)).size() >= count; }, timeoutMs);
    return starts;
}

}  // namespace zek::e2e
