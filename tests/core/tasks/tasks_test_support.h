#pragma once
// Building desktops of window facts for the task-switching tests.

#include <optional>
#include <string>
#include <vector>

#include "core/tasks/window_facts.h"

namespace zek::tasks::test {

// A visible, unowned window; no program path when `programPath` is empty.
inline WindowFacts titled(WindowHandle handle, std::string title, std::string programPath = {}) {
    WindowFacts window{.handle = handle, .title = std::move(title), .visible = true};
    if (!programPath.empty()) {
        window.programPath = std::move(programPath);
    }
    return window;
}

inline std::vector<WindowHandle> handlesOf(const std::vector<const WindowFacts*>& windows) {
    std::vector<WindowHandle> handles;
    for (const WindowFacts* window : windows) {
        handles.push_back(window->handle);
    }
    return handles;
}

}  // namespace zek::tasks::test
