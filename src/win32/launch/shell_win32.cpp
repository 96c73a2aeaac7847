#include "win32/launch/shell_win32.h"

#include <shellapi.h>

#include <string>

namespace zek::win32 {

bool Win32Shell::open(const launch::ShellRequest& request) {
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NO_CONSOLE | SEE_MASK_FLAG_NO_UI | SEE_MASK_DOENVSUBST;
    info.hwnd = nullptr;
    info.lpVerb = "open";
    info.lpFile = request.file.c_str();
    info.lpParameters = request.parameters.empty() ? nullptr : request.parameters.c_str();
    info.lpDirectory = request.directory.empty() ? nullptr : request.directory.c_str();
    info.nShow = SW_SHOW;
    return ::ShellExecuteExA(&info) != FALSE;
}

void Win32Shell::showFailure(std::string_view message) {
    const std::string text(message);
    const std::string caption(launch::kLaunchFailureCaption);
    ::MessageBoxA(owner_, text.c_str(), caption.c_str(), MB_ICONERROR);
}

std::optional<launch::FileStatus> Win32FileStatus::statusOf(const std::string& path) const {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return std::nullopt;
    }
    const bool directory = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    return launch::FileStatus{.directory = directory, .regularFile = !directory};
}

}  // namespace zek::win32
