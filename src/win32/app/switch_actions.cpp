#include "win32/app/switch_actions.h"

#include <string>

#include "core/app/messages.h"
#include "core/data/item_store.h"
#include "win32/app/launcher_bar.h"
#include "win32/app/memory_trim.h"
#include "win32/launch/item_runner.h"
#include "win32/tasks/window_actions.h"

namespace zek::win32 {

namespace {
const data::LauncherItem* itemNamed(const LauncherProcess& process, std::string_view name) {
    return process.store().findByName(name);
}
}  // namespace

// Unknown names do nothing, quietly: scripts may name items that were removed.
void BarSwitchActions::runCommand(std::string_view itemName) {
    if (const data::LauncherItem* item = itemNamed(process_, itemName)) {
        runItem(process_, item);
    }
}

void BarSwitchActions::openFile(std::string_view path) {
    win32::openFile(process_, nullptr, path);
}

void BarSwitchActions::openFileWithCommand(std::string_view itemName, std::string_view path) {
    if (const data::LauncherItem* item = itemNamed(process_, itemName)) {
        win32::openFile(process_, item, path);
    }
}

void BarSwitchActions::minimizeAllWindows() {
    win32::minimizeAllWindows(process_.bar());
}
void BarSwitchActions::restoreAllWindows() {
    win32::restoreAllWindows(process_.bar());
}
void BarSwitchActions::activateNextWindow() {
    win32::activateNextWindow(process_.bar());
}

void BarSwitchActions::showBar() {
    bar_.show();
}
void BarSwitchActions::hideBar() {
    bar_.hide();
}
void BarSwitchActions::importStartMenu() {
    bar_.importStartMenu();
}

void BarSwitchActions::showHelp() {
    const std::string text(app::kHelpText);
    const std::string caption(app::kHelpCaption);
    ::MessageBoxA(process_.bar(), text.c_str(), caption.c_str(), MB_OK);
}

void BarSwitchActions::trimAllProcesses() {
    trimAllWindowProcesses();
}

}  // namespace zek::win32
