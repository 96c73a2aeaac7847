#include "launch/item_runner.h"

#include <string>

#include "data/hotkey_table.h"
#include "data/item_store.h"
#include "data/launcher_settings.h"
#include "launch/desktop_snapshot.h"
#include "launch/item_hotkeys.h"
#include "launch/run_route.h"
#include "launch/shell_launch.h"
#include "launch/shell_win32.h"
#include "launch/window_actions.h"
#include "resource.h"

namespace zek::win32 {

namespace {

// Carries a launch decision out with the real shell, messages owned by the bar.
template <typename Action>
bool withShell(LauncherContext& context, Action action) {
    if (context.settings == nullptr) {
        return false;
    }
    Win32Shell shell(context.bar);
    Win32FileStatus files;
    const launch::LaunchContext launchContext{*context.settings, files, shell};
    return action(launchContext);
}

bool runBuiltInCommand(LauncherContext& context, launch::BuiltInCommand command) {
    switch (command) {
        case launch::BuiltInCommand::NewItem:
            ::PostMessageA(context.bar, WM_COMMAND, IDM_LAUNCHER_SETTINGS, 0);
            return true;
        case launch::BuiltInCommand::List:
            ::PostMessageA(context.bar, WM_COMMAND, IDM_COMMAND_LIST, 0);
            return true;
        case launch::BuiltInCommand::HotkeyOn:
            setItemHotkeys(context, true);
            return true;
        case launch::BuiltInCommand::HotkeyOff:
            setItemHotkeys(context, false);
            return true;
        case launch::BuiltInCommand::MinimizeAllWindows:
            minimizeAllWindows(context.bar);
            return true;
        case launch::BuiltInCommand::ActivateNextWindow:
            activateNextWindow(context.bar);
            return true;
        // The task menu and the menu of all items come with the launcher menus.
        case launch::BuiltInCommand::TaskChange:
        case launch::BuiltInCommand::AllItem:
            return false;
    }
    return false;
}

bool launchDataItem(LauncherContext& context, const data::LauncherItem& item) {
    return withShell(
        context, [&](const launch::LaunchContext& launch) { return launch::launchDataItem(item, launch); });
}

bool switchToRunningWindowOrLaunch(LauncherContext& context, const data::LauncherItem& item) {
    // In front, so that the chooser's menu closes when the user clicks elsewhere.
    ::SetForegroundWindow(context.bar);
    const tasks::AppWindowChoice choice = chooseAppWindow(item.fields().app, context.bar);
    switch (choice.kind) {
        case tasks::AppWindowChoice::Kind::Cancelled:
            return false;
        case tasks::AppWindowChoice::Kind::Activate:
            activateWindow(toWindow(choice.window));
            return true;
        case tasks::AppWindowChoice::Kind::StartNew:
            return launchDataItem(context, item);
    }
    return false;
}

}  // namespace

bool runItem(LauncherContext& context, const data::LauncherItem* item) {
    const launch::RunDecision decision = launch::decideRun(item);
    switch (decision.route) {
        case launch::RunRoute::Nothing:
            return false;
        case launch::RunRoute::LaunchDataItem:
            return launchDataItem(context, *item);
        case launch::RunRoute::ChooseAppWindow:
            return switchToRunningWindowOrLaunch(context, *item);
        case launch::RunRoute::RunSubtree:
            return withShell(context, [&](const launch::LaunchContext& launch) {
                return launch::runSubtree(item, launch);
            });
        // Node menus come with the launcher menus.
        case launch::RunRoute::ShowNodeMenu:
            return false;
        case launch::RunRoute::BuiltInCommand:
            return runBuiltInCommand(context, decision.command);
    }
    return false;
}

bool openFile(LauncherContext& context, const data::LauncherItem* item, std::string_view path) {
    return withShell(
        context, [&](const launch::LaunchContext& launch) { return launch::openFile(item, path, launch); });
}

bool openItemFolder(LauncherContext& context, const data::LauncherItem* item) {
    return withShell(
        context, [&](const launch::LaunchContext& launch) { return launch::openItemFolder(item, launch); });
}

void setItemHotkeys(LauncherContext& context, bool on) {
    data::ItemStore* store = context.store;
    if (store == nullptr || (store->hotkeysOn() && on)) {
        return;
    }
    store->setHotkeysOn(on);
    for (const data::LauncherItem* item : store->items()) {
        const auto registration = launch::itemHotkeyRegistration(*item);
        if (!on) {
            if (registration) {
                ::UnregisterHotKey(context.bar, registration->id);
            }
            continue;
        }
        if (registration && !::RegisterHotKey(context.bar, registration->id, registration->keys.modifiers,
                                              registration->keys.virtualKey)) {
            const std::string message = launch::hotkeyConflictMessage(*item);
            ::MessageBoxA(context.bar, message.c_str(), "HOTKEY", MB_ICONERROR);
        }
    }
}

}  // namespace zek::win32
