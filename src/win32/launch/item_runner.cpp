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
bool withShell(LauncherContext& context, Action action) {
    if (context.settings == nullptr) {
        return false;
    }
    Win32Shell shell(context.bar);
    Win32FileStatus files;
    const launch::LaunchContext launchContext{*context.settings, files, shell};
    return action(launchContext);
}

std::int32_t menuType(const LauncherContext& context) {
    return context.settings != nullptr ? context.settings->values().menuType : 0;
}

// The chosen item runs only once the menu is gone, so that a chosen node can
// open the next menu.
bool runChosen(LauncherContext& context, const data::LauncherItem* chosen) {
    return chosen != nullptr && runItem(context, chosen);
}

bool showNodeMenu(LauncherContext& context, const data::LauncherItem& node) {
    if (context.activeMenu != nullptr) {
        return true;  // a menu is open already: the request is dropped
    }
    const data::LauncherItem* chosen = nullptr;
    {
        LauncherMenu menu(context);
        // Menus only read the store's items; the store holds them mutable.
        chosen = menu.showNodeMenu(const_cast<data::LauncherItem&>(node), menuType(context));
    }
    return runChosen(context, chosen);
}

bool showTaskChangeMenu(LauncherContext& context) {
    if (context.activeMenu == nullptr) {
        ::SetForegroundWindow(context.bar);
        LauncherMenu menu(context);
        menu.showTaskMenu(menuType(context));
    }
    return true;
}

bool showAllItemMenu(LauncherContext& context) {
    if (context.activeMenu != nullptr) {
        return true;
    }
    if (context.store == nullptr) {
        return false;
    }
    std::vector<data::LauncherItem*> rootNodes;
    for (const auto& child : context.store->root()->children()) {
        rootNodes.push_back(child.get());
    }
    const data::LauncherItem* chosen = nullptr;
    {
        LauncherMenu menu(context);
        chosen = menu.showListMenu(rootNodes, menuType(context));
    }
    return runChosen(context, chosen);
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
        case launch::BuiltInCommand::TaskChange:
            return showTaskChangeMenu(context);
        case launch::BuiltInCommand::AllItem:
            return showAllItemMenu(context);
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
        case launch::RunRoute::ShowNodeMenu:
            return showNodeMenu(context, *item);
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
