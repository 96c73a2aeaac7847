#pragma once
// The launch decisions carried out by the Windows shell.
#include <windows.h>

#include "core/launch/file_status.h"
#include "core/launch/shell_launch.h"

namespace zek::win32 {

class Win32Shell final : public launch::Shell {
  public:
    explicit Win32Shell(HWND owner) : owner_(owner) {}
    bool open(const launch::ShellRequest& request) override;
    void showFailure(std::string_view message) override;

  private:
    HWND owner_;
};

class Win32FileStatus final : public launch::FileStatusQuery {
  public:
    std::optional<launch::FileStatus> statusOf(const std::string& path) const override;
};

}  // namespace zek::win32
