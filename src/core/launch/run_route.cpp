#include "core/launch/run_route.h"

namespace zek::launch {

std::optional<BuiltInCommand> builtInCommandByName(std::string_view name) {
    for (const BuiltInCommandName& entry : kBuiltInCommandNames) {
        if (entry.name == name) {
            return entry.command;
        }
    }
    return std::nullopt;
}

RunDecision decideRun(const data::LauncherItem* item) {
    if (item == nullptr) {
        return {};
    }
    const data::ItemFields& fields = item->fields();
    switch (fields.type) {
        case data::ItemType::DataItem:
            if (fields.app.empty()) {
                return {};
            }
            return {fields.tsk == 1 ? RunRoute::ChooseAppWindow : RunRoute::LaunchDataItem};
        case data::ItemType::DefaultRootNode:
        case data::ItemType::RootItem:
        case data::ItemType::NodeItem:
            return {fields.boot == 1 ? RunRoute::RunSubtree : RunRoute::ShowNodeMenu};
        case data::ItemType::DefaultCommand:
            if (const std::optional<BuiltInCommand> command = builtInCommandByName(fields.name)) {
                return {RunRoute::BuiltInCommand, *command};
            }
            return {};
        default:
            return {};
    }
}

}  // namespace zek::launch
