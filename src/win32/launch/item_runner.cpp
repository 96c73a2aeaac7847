#include "win32/launch/item_runner.h"

#include <string>
#include <vector>

#include "core/data/hotkey_table.h"
#include "core/data/item_store.h"
#include "core/data/launcher_settings.h"
#include "core/launch/item_hotkeys.h"
#include "core/launch/run_route.h"
#include "core/launch/shell_launch.h"
#include "resource.h"
#include "win32/launch/shell_win32.h"
#include "win32/menus/launcher_menu.h"
#include "win32/tasks/desktop_snapshot.h"
#include "win32/tasks/window_actions.h"

namespace zek::win32 {

namespace {

// Carries a launch decision out with the real shell, messages owned by the bar.
template <typename Action>
bool withShell(LauncherProcess& process, Action action) {
    Win32Shell shell(process.bar());
    Win32FileStatus files;
    const launch::LaunchContext launchContext{process.settings(), files, shell};
    return action(launchContext);
}

std::int32_t menuType(const LauncherProcess& process) {
    return process.settings().values().menuType;
}

// The chosen item runs only once the menu is gone, so that a chosen node can
// open the next menu. It is looked up afresh: the store may have been replaced
// while the menu was up, and then it no longer exists.
bool runChosen(LauncherProcess& process, data::ItemRef chosen) {
    const data::LauncherItem* item = process.store().find(chosen);
    return item != nullptr && runItem(process, item);
}

bool showNodeMenu(LauncherProcess& process, const data::LauncherItem& node) {
    if (process.menuOpen()) {
        return true;  // a menu is open already: the request is dropped
    }
    data::ItemRef chosen;
    {
        LauncherMenu menu(process);
        chosen = menu.showNodeMenu(node, menuType(process));
    }
    return runChosen(process, chosen);
}

bool showTaskChangeMenu(LauncherProcess& process) {
    if (!process.menuOpen()) {
        ::SetForegroundWindow(process.bar());
        LauncherMenu menu(process);
        menu.showTaskMenu(menuType(process));
    }
    return true;
}

bool showAllItemMenu(LauncherProcess& process) {
    if (process.menuOpen()) {
        return true;
    }
    std::vector<data::LauncherItem*> rootNodes;
    for (const auto& child : process.store().root()->children()) {
        rootNodes.push_back(child.get());
    }
    data::ItemRef chosen;
    {
        LauncherMenu menu(process);
        chosen = menu.showListMenu(rootNodes, menuType(process));
    }
    return runChosen(process, chosen);
}

bool runBuiltInCommand(LauncherProcess& process, launch::BuiltInCommand command) {
    switch (command) {
        case launch::BuiltInCommand::NewItem:
            ::PostMessageA(process.bar(), WM_COMMAND, IDM_LAUNCHER_SETTINGS, 0);
            return true;
        case launch::BuiltInCommand::List:
            ::PostMessageA(process.bar(), WM_COMMAND, IDM_COMMAND_LIST, 0);
            return true;
        case launch::BuiltInCommand::HotkeyOn:
            process.hotkeys().setItemHotkeys(process.store(), true);
            return true;
        case launch::BuiltInCommand::HotkeyOff:
            process.hotkeys().setItemHotkeys(process.store(), false);
            return true;
        case launch::BuiltInCommand::MinimizeAllWindows:
            minimizeAllWindows(process.bar());
            return true;
        case launch::BuiltInCommand::ActivateNextWindow:
            activateNextWindow(process.bar());
            return true;
        case launch::BuiltInCommand::TaskChange:
            return showTaskChangeMenu(process);
        case launch::BuiltInCommand::AllItem:
            return showAllItemMenu(process);
    }
    return false;
}

bool launchDataItem(LauncherProcess& process, const data::LauncherItem& item) {
    return withShell(
        process, [&](const launch::LaunchContext& launch) { return launch::launchDataItem(item, launch); });
}

bool switchToRunningWindowOrLaunch(LauncherProcess& process, const data::LauncherItem& chosen) {
    // The chooser's menu runs a message loop, in which the store may be replaced: what
    // "New" starts is the item as it was chosen.
    const data::LauncherItem item(chosen.fields());
    // In front, so that the chooser's menu closes when the user clicks elsewhere.
    ::SetForegroundWindow(process.bar());
    const tasks::AppWindowChoice choice = chooseAppWindow(item.app(), process.bar());
    switch (choice.kind) {
        case tasks::AppWindowChoice::Kind::Cancelled:
            return false;
        case tasks::AppWindowChoice::Kind::Activate:
            activateWindow(toWindow(choice.window));
            return true;
        case tasks::AppWindowChoice::Kind::StartNew:
            return launchDataItem(process, item);
    }
    return false;
}

}  // namespace

bool runItem(LauncherProcess& process, const data::LauncherItem* item) {
    // `item` is valid now; past the first message loop below (a menu, the window
    // chooser, a message box) it may not be, and nothing here reads it again.
    const launch::RunDecision decision = launch::decideRun(item);
    switch (decision.route) {
        case launch::RunRoute::Nothing:
            return false;
        case launch::RunRoute::LaunchDataItem:
            return launchDataItem(process, *item);
        case launch::RunRoute::ChooseAppWindow:
            return switchToRunningWindowOrLaunch(process, *item);
        case launch::RunRoute::RunSubtree:
            return withShell(process, [&](const launch::LaunchContext& launch) {
                return launch::runSubtree(item, launch);
            });
        case launch::RunRoute::ShowNodeMenu:
            return showNodeMenu(process, *item);
        case launch::RunRoute::BuiltInCommand:
            return runBuiltInCommand(process, decision.command);
    }
    return false;
}

bool openFile(LauncherProcess& process, const data::LauncherItem* item, std::string_view path) {
    return withShell(
        process, [&](const launch::LaunchContext& launch) { return launch::openFile(item, path, launch); });
}

bool openItemFolder(LauncherProcess& process, const data::LauncherItem* item) {
    return withShell(
        process, [&](const launch::LaunchContext& launch) { return launch::openItemFolder(item, launch); });
}

}  // namespace zek::win32
