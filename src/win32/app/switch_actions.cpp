#include "win32/app/switch_actions.h"

#include <string>

#include "core/app/messages.h"
#include "core/data/item_store.h"
#include "win32/app/memory_trim.h"
#include "win32/launch/item_runner.h"
#include "win32/tasks/window_actions.h"

namespace zek::win32 {

namespace {
const data::LauncherItem* itemNamed(const LauncherContext& context, std::string_view name) {
    return context.store != nullptr ? context.store->findByName(name) : nullptr;
}
}  // namespace

// Unknown names do nothing, quietly: scripts may name items that were removed.
void BarSwitchActions::runCommand(std::string_view itemName) {
    if (const data::LauncherItem* item = itemNamed(context_, itemName)) {
        runItem(context_, item);
    }
}

void BarSwitchActions::openFile(std::string_view path) {
    win32::openFile(context_, nullptr, path);
}

void BarSwitchActions::openFileWithCommand(std::string_view itemName, std::string_view path) {
    if (const data::LauncherItem* item = itemNamed(context_, itemName)) {
        win32::openFile(context_, item, path);
    }
}

void BarSwitchActions::minimizeAllWindows() {
    win32::minimizeAllWindows(context_.bar);
}
void BarSwitchActions::restoreAllWindows() {
    win32::restoreAllWindows(context_.bar);
}
void BarSwitchActions::activateNextWindow() {
    win32::activateNextWindow(context_.bar);
}

void BarSwitchActions::showBar() {
    ::SendMessageA(context_.bar, app::LM_SHOWBAR, 0, 0);
}
void BarSwitchActions::hideBar() {
    ::SendMessageA(context_.bar, app::LM_HIDEBAR, 0, 0);
}

void BarSwitchActions::showHelp() {
    const std::string text(app::kHelpText);
    const std::string caption(app::kHelpCaption);
    ::MessageBoxA(context_.bar, text.c_str(), caption.c_str(), MB_OK);
}

void BarSwitchActions::trimAllProcesses() {
    trimAllWindowProcesses();
}

}  // namespace zek::win32
