#pragma once
#include <windows.h>

#include "core/app/switches.h"
#include "win32/process/launcher_process.h"

namespace zek::win32 {

// Carries out command-line switches on the running bar.
class BarSwitchActions final : public app::SwitchActions {
  public:
    explicit BarSwitchActions(LauncherProcess& process) : process_(process) {}

    void runCommand(std::string_view itemName) override;
    void openFile(std::string_view path) override;
    void openFileWithCommand(std::string_view itemName, std::string_view path) override;
    void showBar() override;
    void hideBar() override;
    void showHelp() override;
    void minimizeAllWindows() override;
    void restoreAllWindows() override;
    void trimAllProcesses() override;
    void activateNextWindow() override;

  private:
    LauncherProcess& process_;
};

}  // namespace zek::win32
