#include "app/switch_actions.h"

#include <string>

#include "app/memory_trim.h"
#include "app/messages.h"

namespace zek::win32 {

// Running items, opening files and the window operations arrive with the item
// store and the launch code; until then these switches do nothing.
void BarSwitchActions::runCommand(std::string_view) {}
void BarSwitchActions::openFile(std::string_view) {}
void BarSwitchActions::openFileWithCommand(std::string_view, std::string_view) {}
void BarSwitchActions::minimizeAllWindows() {}
void BarSwitchActions::restoreAllWindows() {}
void BarSwitchActions::activateNextWindow() {}

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
