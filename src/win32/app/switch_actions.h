#pragma once
#include <windows.h>

#include "core/app/switches.h"
#include "win32/app/launcher_context.h"

namespace zek::win32 {

// Carries out command-line switches on the running bar.
class BarSwitchActions final : public app::SwitchActions {
  public:
    explicit BarSwitchActions(LauncherContext& context) : context_(context) {}

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
    LauncherContext& context_;
};

}  // namespace zek::win32
