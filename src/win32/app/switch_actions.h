#pragma once
#include <windows.h>

#include "core/app/switches.h"
#include "win32/process/launcher_process.h"

namespace zek::win32 {

// Carries out command-line switches on the running bar.
class LauncherBar;

class BarSwitchActions final : public app::SwitchActions {
  public:
    BarSwitchActions(LauncherProcess& process, LauncherBar& bar) : process_(process), bar_(bar) {}

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
    void importStartMenu() override;

  private:
    LauncherProcess& process_;
    LauncherBar& bar_;
};

}  // namespace zek::win32
