#pragma once
// The command-line switches and their interpreter, shared by the first
// instance's own command line and the ones later starts hand over.
#include <optional>
#include <span>
#include <string_view>

#include "core/app/remote_command.h"

namespace zek::app {

enum class Switch {
    OpenFile,
    OpenFileWithCommand,
    ShowBar,
    Exit,
    RunCommand,
    HideBar,
    TrimAllProcesses,
    Help,
    MinimizeAll,
    RestoreAll,
    NextWindow,
    ImportStartMenu
};

// Exact and case-sensitive: "/C" is an ordinary argument.
std::optional<Switch> switchByName(std::string_view name);

inline constexpr std::string_view kHelpCaption = "CommandLine Help";
inline constexpr std::string_view kHelpText =
    "/c [command] : Command execution\n"
    "/f [FilePath] : File execution\n"
    "/e [command] [FilePath] : File execution from command    \n"
    "/x : Exit ZekLauncher\n"
    "/s : Show ZekLauncher\n"
    "/h : Hide ZekLauncher\n"
    "/m : Physical memory optimization\n"
    "/n : Next window activate\n"
    "/help : This message";

// What the switches do; the program carries each one out.
class SwitchActions {
  public:
    virtual ~SwitchActions() = default;
    virtual void runCommand(std::string_view itemName) = 0;
    virtual void openFile(std::string_view path) = 0;
    virtual void openFileWithCommand(std::string_view itemName, std::string_view path) = 0;
    virtual void showBar() = 0;
    virtual void hideBar() = 0;
    virtual void showHelp() = 0;
    virtual void minimizeAllWindows() = 0;
    virtual void restoreAllWindows() = 0;
    virtual void trimAllProcesses() = 0;
    virtual void activateNextWindow() = 0;
    // Fills the item tree's Start Menu node from the Start Menu's shortcuts.
    virtual void importStartMenu() = 0;
};

// Runs the first `count` records in order (never more than the block holds) and
// reports whether one of them asked to exit; the caller exits after all ran.
bool runSwitches(std::span<const SwitchEntry> entries, std::size_t count, SwitchActions& actions);

}  // namespace zek::app
