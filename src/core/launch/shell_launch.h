#pragma once
// Sending the decided requests to the shell: starting a data item, opening a file or
// an item's folder, and starting every data item below a node. The program supplies
// the shell; tests supply a recorder.

#include <string_view>
#include <vector>

#include "core/data/launcher_item.h"
#include "core/data/launcher_settings.h"
#include "core/launch/file_status.h"
#include "core/launch/shell_request.h"

namespace zek::launch {

class Shell {
  public:
    virtual ~Shell() = default;
    // Asks the shell to open the request (verb "open"); true when it accepted.
    virtual bool open(const ShellRequest& request) = 0;
    // Shows a failed start: a modal error box owned by the bar, captioned
    // kLaunchFailureCaption.
    virtual void showFailure(std::string_view message) = 0;
};

struct LaunchContext {
    const data::LauncherSettings& settings;
    const FileStatusQuery& files;
    Shell& shell;
};

// Sends a request; a request with a text too long for the program's buffers is
// refused without being sent. Either failure shows the failure message.
bool sendRequest(const ShellRequest& request, Shell& shell);

// Each true when the shell accepted the request. A quiet refusal (see
// launch_requests.h) shows nothing; a failed start shows the failure message.
bool launchDataItem(const data::LauncherItem& item, const LaunchContext& context);
bool openFile(const data::LauncherItem* item, std::string_view path, const LaunchContext& context);
bool openItemFolder(const data::LauncherItem* item, const LaunchContext& context);

// The data items (with an `app`) at and below `node` in the order a node that starts
// everything starts them: depth first, each child's subtree before the child, in
// child order, the node itself last. Nodes and built-in commands are never started.
std::vector<const data::LauncherItem*> subtreeLaunchOrder(const data::LauncherItem& node);

// Starts the subtree's data items in that order without the task switch; a failed
// start shows its message and the others still start. False only for no node.
bool runSubtree(const data::LauncherItem* node, const LaunchContext& context);

}  // namespace zek::launch
