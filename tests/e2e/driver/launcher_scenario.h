#pragma once
// The scenarios' fixture: each scenario gets a folder of its own with a fresh copy
// of the program, and leaves no launcher running behind it.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "driver/data_file_text.h"
#include "driver/probe_log.h"
#include "driver/process.h"

namespace zek::e2e {

// Makes `folder` (ending with a backslash) afresh, holding copies of the launcher
// and the probe built beside this program; whether both were copied.
bool makeLauncherFolder(const std::string& folder);
// Waits for a started launcher to finish starting: its bar is there, its command
// box is filled and it answers a message sent from here. Its bar, or null (with
// the step that ran out of time written to stderr).
HWND waitForStartedBar(DWORD timeoutMs);

class LauncherScenario : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the launcher from the scenario folder with these arguments.
    Process startLauncher(const std::string& arguments = "");
    // Starts the first instance and waits until it has finished starting; its bar
    // (also kept in bar_, with its command box and that box's edit).
    HWND startFirstInstance(const std::string& arguments = "");
    // Starts a launcher and waits for it to end; the exit code or none.
    std::optional<DWORD> runLauncher(const std::string& arguments, DWORD timeoutMs = 20000);

    // Writes a file of the scenario folder byte for byte.
    void writeFile(const std::string& name, const std::string& bytes);
    // Writes the data file of these items (and the settings file unless empty) and
    // starts the first instance; its bar.
    HWND startWith(const std::vector<RecordText>& items, const std::string& ini = "");
    // Ends the first instance with /x, which must end both starts and leave no bar.
    void exitLauncher();
    // Shows the bar with /s and brings it to the front.
    void showAndFocus(HWND bar);
    // Calls the bar up with its hotkey, types the text and presses Enter.
    void enterInBar(HWND bar, const std::string& text);
    // Selects the whole text of the command box and types this over it.
    void typeOver(const std::string& text);
    // Whether the command box's text is this within five seconds.
    bool textBecomes(const std::string& expected) const;
    // The settings file as WM_CLOSE writes it (the launcher keeps running); none if
    // the bar did not answer or wrote none.
    std::optional<std::string> iniAfterClose();
    // The first instance's shown dialog of this caption, once there is one.
    HWND shownDialog(const std::string& caption);

    // A copy of the probe in a folder whose name has a space (also kept in probe_);
    // its log lies beside it.
    std::string probeInSpacedFolder();
    // What that copy logged once it logged `count` starts (or the time ran out).
    std::vector<ProbeStart> probeStarts(std::size_t count);
    // Starts that copy with a window of this title; the window.
    HWND startProbeWindow(const std::string& title) { return e2e::startProbeWindow(probe_, title); }

    std::string dataFilePath() const { return folder_ + "ZekLauncher.dat"; }

    std::string folder_;  // ends with a backslash
    std::string launcherPath_;
    std::string probe_;
    Process firstInstance_;
    HWND bar_ = nullptr;
    HWND box_ = nullptr;
    HWND edit_ = nullptr;
};

}  // namespace zek::e2e
