#include "core/app/switches.h"

#include <algorithm>
#include <array>
#include <utility>

namespace zek::app {

std::optional<Switch> switchByName(std::string_view name) {
    // In the order the tokeniser has always tested them.
    static constexpr std::array<std::pair<std::string_view, Switch>, 12> kSwitches{{
        {"/f", Switch::OpenFile},
        {"/e", Switch::OpenFileWithCommand},
        {"/s", Switch::ShowBar},
        {"/x", Switch::Exit},
        {"/c", Switch::RunCommand},
        {"/h", Switch::HideBar},
        {"/m", Switch::TrimAllProcesses},
        {"/help", Switch::Help},
        {"/z", Switch::MinimizeAll},
        {"/u", Switch::RestoreAll},
        {"/n", Switch::NextWindow},
        {"/i", Switch::ImportStartMenu},
    }};
    for (const auto& [text, value] : kSwitches) {
        if (text == name) {
            return value;
        }
    }
    return std::nullopt;
}

bool runSwitches(std::span<const SwitchEntry> entries, std::size_t count, SwitchActions& actions) {
    bool exitRequested = false;
    for (const SwitchEntry& entry : entries.first(std::min(count, entries.size()))) {
        const auto which = switchByName(fieldText(entry.switchName));
        if (!which) {
            continue;
        }
        const std::string_view first = fieldText(entry.argument1);
        const std::string_view second = fieldText(entry.argument2);
        switch (*which) {
            case Switch::RunCommand:
                actions.runCommand(first);
                break;
            case Switch::OpenFile:
                actions.openFile(first);
                break;
            case Switch::OpenFileWithCommand:
                actions.openFileWithCommand(first, second);
                break;
            case Switch::Exit:
                exitRequested = true;
                break;
            case Switch::ShowBar:
                actions.showBar();
                break;
            case Switch::HideBar:
                actions.hideBar();
                break;
            case Switch::Help:
                actions.showHelp();
                break;
            case Switch::MinimizeAll:
                actions.minimizeAllWindows();
                break;
            case Switch::RestoreAll:
                actions.restoreAllWindows();
                break;
            case Switch::TrimAllProcesses:
                actions.trimAllProcesses();
                break;
            case Switch::NextWindow:
                actions.activateNextWindow();
                break;
            case Switch::ImportStartMenu:
                actions.importStartMenu();
                break;
        }
    }
    return exitRequested;
}

}  // namespace zek::app
