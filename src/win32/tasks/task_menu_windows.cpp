#include "win32/tasks/task_menu_windows.h"

#include <algorithm>

#include "core/tasks/window_filters.h"
#include "win32/tasks/desktop_snapshot.h"

namespace zek::win32 {
namespace {

menus::ListedWindow listed(const tasks::WindowFacts& facts) {
    return menus::ListedWindow{
        .window = facts.handle,
        .title = facts.title,
        .programPath = facts.programPath ? std::string_view(*facts.programPath) : std::string_view()};
}

}  // namespace

std::vector<menus::ListedWindow> taskMenuWindows(const tasks::Desktop& desktop, HWND firstOfBarLevel) {
    const tasks::WindowHandle first = toHandle(firstOfBarLevel);
    const auto firstAt =
        std::find_if(desktop.windows.begin(), desktop.windows.end(),
                     [first](const tasks::WindowFacts& each) { return each.handle == first; });
    const bool skipFirst = first != 0 && firstAt != desktop.windows.end();
    std::vector<menus::ListedWindow> windows;
    for (auto each = skipFirst ? std::next(firstAt) : desktop.windows.begin(); each != desktop.windows.end();
         ++each) {
        if (tasks::isTaskWindow(*each, desktop)) {
            windows.push_back(listed(*each));
        }
    }
    return windows;
}

std::vector<menus::ListedWindow> sameAppWindows(const tasks::Desktop& desktop, std::string_view programPath) {
    std::vector<menus::ListedWindow> windows;
    for (const tasks::WindowFacts* each : tasks::appWindows(desktop, programPath)) {
        windows.push_back(listed(*each));
    }
    return windows;
}

}  // namespace zek::win32
