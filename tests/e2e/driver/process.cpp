#include "driver/process.h"

#include <vector>

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
    if (!::CreateProcessA(program.c_str(), mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          directory.empty() ? nullptr : directory.c_str(), &startup, &info)) {
        return {};
    }
    ::CloseHandle(info.hThread);
    return Process(win32::UniqueKernelHandle(info.hProcess), info.dwProcessId);
}

}  // namespace zek::e2e
