#include "core/launch/shell_launch.h"

#include <cstddef>
#include <optional>

#include "core/launch/launch_requests.h"

namespace zek::launch {
namespace {

bool sendIfDecided(const std::optional<ShellRequest>& request, Shell& shell) {
    return request && sendRequest(*request, shell);
}

bool startsAsDataItem(const data::LauncherItem& item) {
    return item.type() == data::ItemType::DataItem && !item.app().empty();
}

}  // namespace

bool sendRequest(const ShellRequest& request, Shell& shell) {
    if (fitsRequestBuffers(request) && shell.open(request)) {
        return true;
    }
    shell.showFailure(launchFailureMessage(request));
    return false;
}

bool launchDataItem(const data::LauncherItem& item, const LaunchContext& context) {
    return sendIfDecided(requestForDataItem(item, context.settings, context.files), context.shell);
}

bool openFile(const data::LauncherItem* item, std::string_view path, const LaunchContext& context) {
    return sendIfDecided(requestForOpenFile(item, path, context.settings, context.files), context.shell);
}

bool openItemFolder(const data::LauncherItem* item, const LaunchContext& context) {
    return sendIfDecided(requestForItemFolder(item, context.settings, context.files), context.shell);
}

std::vector<const data::LauncherItem*> subtreeLaunchOrder(const data::LauncherItem& node) {
    // An explicit stack instead of recursion: moving subtrees around can make a tree
    // deeper than the level limit for new items.
    struct Visit {
        const data::LauncherItem* item;
        std::size_t nextChild;
    };
    std::vector<const data::LauncherItem*> order;
    std::vector<Visit> pending{{&node, 0}};
    while (!pending.empty()) {
        Visit& visit = pending.back();
        const auto children = visit.item->children();
        if (visit.nextChild < children.size()) {
            const data::LauncherItem* child = children[visit.nextChild++].get();
            pending.push_back({child, 0});  // invalidates `visit`; not used again this turn
            continue;
        }
        if (startsAsDataItem(*visit.item)) {
            order.push_back(visit.item);
        }
        pending.pop_back();
    }
    return order;
}

bool runSubtree(const data::LauncherItem* node, const LaunchContext& context) {
    if (node == nullptr) {
        return false;
    }
    // Every start is decided before the first is made: a failure's message box runs
    // a message loop, in which the tree may change.
    std::vector<std::optional<ShellRequest>> requests;
    for (const data::LauncherItem* item : subtreeLaunchOrder(*node)) {
        requests.push_back(requestForDataItem(*item, context.settings, context.files));
    }
    for (const std::optional<ShellRequest>& request : requests) {
        sendIfDecided(request, context.shell);
    }
    return true;
}

}  // namespace zek::launch
