#include "core/menus/window_rows.h"

#include <algorithm>
#include <string>

#include "core/text/sjis_walk.h"

namespace zek::menus {

std::string_view titleInBuffer(std::string_view title, std::size_t bufferBytes) {
    if (bufferBytes == 0) {
        return {};
    }
    title = title.substr(0, title.find('\0'));
    return text::headWithinBytes(title, bufferBytes - 1);
}

WindowRef SameAppMenu::chosenWindow(CommandId command) const {
    if (command < 1 || static_cast<std::size_t>(command) > windows.size()) {
        return 0;
    }
    return windows[static_cast<std::size_t>(command) - 1];
}

std::optional<SameAppMenu> buildSameAppMenu(std::span<const ListedWindow> windows) {
    windows = windows.first(std::min(windows.size(), kWindowTableSize));
    if (windows.size() < 2) {
        return std::nullopt;
    }
    SameAppMenu menu;
    menu.rows.reserve(windows.size() + 1);
    menu.windows.reserve(windows.size());
    for (const ListedWindow& each : windows) {
        menu.windows.push_back(each.window);
        menu.rows.push_back(MenuRow{.id = static_cast<CommandId>(menu.windows.size()),
                                    .text = std::string(titleInBuffer(each.title, kWindowTitleBytes))});
    }
    menu.rows.push_back(
        MenuRow{.id = static_cast<CommandId>(menu.windows.size() + 1), .text = std::string(kExitText)});
    return menu;
}

}  // namespace zek::menus
