#pragma once
// What running an item means, decided from the item alone: the program carries the
// route out (menus, the running-window chooser and the built-in commands need it).

#include <array>
#include <optional>
#include <string_view>

#include "core/data/launcher_item.h"

namespace zek::launch {

// The eight built-in commands, in the order their names are tried.
enum class BuiltInCommand {
    NewItem,             // "newitem": opens the launcher settings dialog
    TaskChange,          // "taskchange": the task-switch menu
    AllItem,             // "allitem": a menu of every root node, then runs the choice
    List,                // "list": opens the command list dialog
    HotkeyOn,            // "hotkeyon": registers the item hotkeys
    HotkeyOff,           // "hotkeyoff": unregisters them
    MinimizeAllWindows,  // "allwndmin"
    ActivateNextWindow,  // "nextwnd"
};

struct BuiltInCommandName {
    BuiltInCommand command;
    std::string_view name;
};

inline constexpr std::array<BuiltInCommandName, 8> kBuiltInCommandNames{{
    {BuiltInCommand::NewItem, "newitem"},
    {BuiltInCommand::TaskChange, "taskchange"},
    {BuiltInCommand::AllItem, "allitem"},
    {BuiltInCommand::List, "list"},
    {BuiltInCommand::HotkeyOn, "hotkeyon"},
    {BuiltInCommand::HotkeyOff, "hotkeyoff"},
    {BuiltInCommand::MinimizeAllWindows, "allwndmin"},
    {BuiltInCommand::ActivateNextWindow, "nextwnd"},
}};

// The command with exactly this name (bytes, case-sensitive), or none.
std::optional<BuiltInCommand> builtInCommandByName(std::string_view name);

enum class RunRoute {
    Nothing,          // no item, a data item without `app`, the invisible root, a
                      // plain command item, an unknown built-in name: result 0
    LaunchDataItem,   // start it (launchDataItem)
    ChooseAppWindow,  // task switch first: offer the program's running windows, then
                      // activate the choice or start it; cancelling gives 0
    RunSubtree,       // a node that starts everything below it (runSubtree)
    ShowNodeMenu,     // a node shown as a menu; the chosen item is run in its turn
    BuiltInCommand,   // see `command`
};

struct RunDecision {
    RunRoute route = RunRoute::Nothing;
    BuiltInCommand command = BuiltInCommand::NewItem;  // only for RunRoute::BuiltInCommand

    bool operator==(const RunDecision&) const = default;
};

RunDecision decideRun(const data::LauncherItem* item);

}  // namespace zek::launch
