#include "core/tasks/app_window_chooser.h"

#include "core/tasks/window_filters.h"
#include "core/text/sjis_walk.h"

namespace zek::tasks {

std::vector<ChooserRow> appWindowChooserRows(const Desktop& desktop, std::string_view programPath) {
    const std::vector<const WindowFacts*> windows = appWindows(desktop, programPath);
    std::vector<ChooserRow> rows;
    rows.reserve(windows.size() + 1);
    rows.push_back({kNewInstanceRowId, std::string{kNewInstanceRowText}, 0});
    std::int32_t id = kNewInstanceRowId;
    for (const WindowFacts* window : windows) {
        rows.push_back(
            {++id, std::string{text::headWithinBytes(window->title, kTitleBufferBytes - 1)}, window->handle});
    }
    return rows;
}

AppWindowChoice resolveAppWindowChoice(std::span<const ChooserRow> rows, std::int32_t chosenId,
                                       const std::function<bool(WindowHandle)>& stillExists) {
    using Kind = AppWindowChoice::Kind;
    if (chosenId == kNewInstanceRowId) {
        return {Kind::StartNew};
    }
    for (const ChooserRow& row : rows) {
        if (row.id == chosenId && row.window != 0) {
            return stillExists(row.window) ? AppWindowChoice{Kind::Activate, row.window}
                                           : AppWindowChoice{Kind::StartNew};
        }
    }
    return {Kind::Cancelled};
}

}  // namespace zek::tasks
