#include "driver/process.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "driver/window_query.h"

namespace zek::e2e {

bool Process::running() const {
    return handle_ && ::WaitForSingleObject(handle_.get(), 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> Process::waitForExit(DWORD timeoutMs) const {
    if (!handle_ || ::WaitForSingleObject(handle_.get(), timeoutMs) != WAIT_OBJECT_0) {
        return std::nullopt;
    }
    DWORD code = 0;
    ::GetExitCodeProcess(handle_.get(), &code);
    return code;
}

void Process::kill() const {
    if (running()) {
        ::TerminateProcess(handle_.get(), 99);
        ::WaitForSingleObject(handle_.get(), 5000);
    }
}

Process startProcess(const std::string& program, const std::string& arguments, const std::string& directory) {
    std::string line = "\"" + program + "\"";
    if (!arguments.empty()) {
        line += " " + arguments;
    }
    std::vector<char> mutableLine(line.begin(), line.end());
    mutableLine.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    // Under Wine a start in a loop that kills the launcher again and again has
    // failed now and then on a loaded machine; a retry is what a user would do,
    // and a start that fails three times running is a failure.
    for (int attempt = 1;; ++attempt) {
        if (::CreateProcessA(program.c_str(), mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             directory.empty() ? nullptr : directory.c_str(), &startup, &info)) {
            break;
        }
        std::fprintf(stderr, "starting %s failed (error %lu, attempt %d)\n", program.c_str(),
                     ::GetLastError(), attempt);
        if (attempt == 3) {
            return {};
        }
        ::Sleep(200);
    }
    ::CloseHandle(info.hThread);
    return Process(win32::UniqueKernelHandle(info.hProcess), info.dwProcessId);
}

std::string ownProgramPath() {
    char path[MAX_PATH] = {};
    return std::string(path, ::GetModuleFileNameA(nullptr, path, sizeof path));
}

std::string ownDirectory() {
    const std::string path = ownProgramPath();
    return path.substr(0, path.find_last_of('\\') + 1);
}

std::string otherBuildDirectory() {
    const char* linuxPath = std::getenv("ZEK_OTHER_BUILD");
    if (linuxPath == nullptr || linuxPath[0] != '/') {
        return {};
    }
    // Wine's drive Z: is the Linux root.
    std::string directory = std::string("Z:") + linuxPath;
    std::replace(directory.begin(), directory.end(), '/', '\\');
    if (directory.back() != '\\') {
        directory += '\\';
    }
    return directory;
}

namespace {

// Ends the process of the window: asked by the message first, then by force.
void endProcessOf(HWND window, UINT message, DWORD patienceMs) {
    win32::UniqueKernelHandle process(
        ::OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, processOf(window)));
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutA(window, message, 0, 0, SMTO_ABORTIFHUNG, 2000, &ignored);
    if (process && ::WaitForSingleObject(process.get(), patienceMs) != WAIT_OBJECT_0) {
        ::TerminateProcess(process.get(), 99);
        ::WaitForSingleObject(process.get(), 5000);
    }
}

}  // namespace

void endAnyLauncher() {
    if (HWND bar = findBar()) {
        endProcessOf(bar, WM_DESTROY, 10000);
    }
}

void closeProbeWindows() {
    // A probe window that outlives its end is not asked twice.
    HWND last = nullptr;
    for (HWND probe = ::FindWindowA("ZekProbeWindow", nullptr); probe != nullptr && probe != last;
         probe = ::FindWindowA("ZekProbeWindow", nullptr)) {
        endProcessOf(probe, WM_CLOSE, 5000);
        last = probe;
    }
}

}  // namespace zek::e2e
