#include "core/tasks/window_filters.h"

namespace zek::tasks {
namespace {

template <typename Predicate>
std::vector<const WindowFacts*> firstMatching(const Desktop& desktop, Predicate matches) {
    std::vector<const WindowFacts*> found;
    for (const WindowFacts& window : desktop.windows) {
        if (found.size() == kWindowTableSize) {
            break;
        }
        if (matches(window)) {
            found.push_back(&window);
        }
    }
    return found;
}

}  // namespace

bool isTaskWindow(const WindowFacts& window, const Desktop& desktop) {
    const bool special = window.handle == desktop.bar || window.handle == desktop.progman ||
                         window.handle == desktop.menuWindow;
    return !special && !window.title.empty() && window.visible && window.owner == 0;
}

bool mayBeAppWindow(const WindowFacts& window) {
    return window.visible && window.owner == 0 && !window.title.empty();
}

bool isAppWindow(const WindowFacts& window, std::string_view programPath) {
    return !programPath.empty() && mayBeAppWindow(window) && window.programPath &&
           *window.programPath == programPath;
}

std::vector<const WindowFacts*> taskWindows(const Desktop& desktop) {
    return firstMatching(desktop,
                         [&desktop](const WindowFacts& window) { return isTaskWindow(window, desktop); });
}

std::vector<const WindowFacts*> appWindows(const Desktop& desktop, std::string_view programPath) {
    return firstMatching(
        desktop, [programPath](const WindowFacts& window) { return isAppWindow(window, programPath); });
}

}  // namespace zek::tasks
