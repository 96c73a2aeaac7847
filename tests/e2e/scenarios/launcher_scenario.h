#pragma once
// Each scenario gets a folder of its own with a fresh copy of the program, and
// leaves no launcher running behind it.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>

#include "driver/process.h"

namespace zek::e2e {

class LauncherScenario : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the launcher from the scenario folder with these arguments.
    Process startLauncher(const std::string& arguments = "");
    // Starts the first instance and waits until it has finished starting; its bar.
    HWND startFirstInstance(const std::string& arguments = "");
    // Starts a launcher and waits for it to end; the exit code or none.
    std::optional<DWORD> runLauncher(const std::string& arguments, DWORD timeoutMs = 20000);

    // A copy of the probe in a folder whose name has a space; its log lies beside it.
    std::string probeInSpacedFolder();
    std::string probeLogPath(const std::string& probePath) const;

    std::string folder_;  // ends with a backslash
    std::string launcherPath_;
    Process firstInstance_;
};

}  // namespace zek::e2e
