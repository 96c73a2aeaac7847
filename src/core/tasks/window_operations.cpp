#include "core/tasks/window_operations.h"

#include "core/tasks/window_filters.h"

namespace zek::tasks {

std::vector<WindowHandle> minimizeRestoreOrder(const Desktop& desktop) {
    const std::vector<const WindowFacts*> windows = taskWindows(desktop);
    std::vector<WindowHandle> order;
    order.reserve(windows.size());
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        order.push_back((*it)->handle);
    }
    return order;
}

std::optional<NextWindowStep> nextWindowStep(const Desktop& desktop) {
    const WindowFacts* first = nullptr;
    for (const WindowFacts& window : desktop.windows) {
        if (!isTaskWindow(window, desktop)) {
            continue;
        }
        if (first == nullptr) {
            first = &window;
        } else {
            return NextWindowStep{first->handle, window.handle};
        }
    }
    return std::nullopt;
}

}  // namespace zek::tasks
