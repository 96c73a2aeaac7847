#include "core/menus/launcher_menu_content.h"

#include <algorithm>
#include <string>
#include <utility>

#include "core/data/launcher_item.h"

namespace zek::menus {

bool LauncherMenuContent::startMenu() {
    if (used_) {
        return false;
    }
    used_ = true;
    nextCommandId_ = 1;
    return true;
}

IconHandle LauncherMenuContent::loadIcon(std::string_view path) {
    if (icons_ == nullptr || path.empty()) {
        return 0;
    }
    return icons_->loadSmallIcon(path);
}

IconHandle LauncherMenuContent::rowIcon(const data::LauncherItem& item) {
    const IconHandle own = loadIcon(item.icon());
    return own != 0 ? own : loadIcon(item.app());
}

MenuRow LauncherMenuContent::itemRow(const data::LauncherItem& item, RowStyle style, MenuRows submenu) {
    // The row takes nextCommandId_ and its entry lands at index nextCommandId_ - 1,
    // keeping the id invariant; an item always has a target, so it is never refused.
    MenuRow row{.id = nextCommandId_,
                .style = style,
                .text = std::string(item.name()),
                .submenu = std::move(submenu)};
    table_.addEntry(item.name(), rowIcon(item), MenuTarget{.item = item.id()});
    ++nextCommandId_;
    return row;
}

MenuRow LauncherMenuContent::exitRow(RowStyle style) {
    table_.addEntry(kExitText, 0, MenuTarget{});
    return MenuRow{.id = nextCommandId_, .style = style, .text = std::string(kExitText)};
}

MenuRows LauncherMenuContent::buildSubmenu(const data::LauncherItem& node, RowStyle style) {
    MenuRows rows;
    rows.reserve(node.children().size());
    for (const auto& child : node.children()) {
        MenuRows below = buildSubmenu(*child, style);
        rows.push_back(itemRow(*child, style, std::move(below)));
    }
    return rows;
}

std::optional<MenuRows> LauncherMenuContent::buildNodeMenu(const data::LauncherItem* node,
                                                           std::int32_t menuType) {
    if (node == nullptr || node->childCount() == 0 || !startMenu()) {
        return std::nullopt;
    }
    const RowStyle style = rowStyleFor(menuType);
    MenuRows sub = buildSubmenu(*node, style);
    MenuRows rows;
    rows.push_back(itemRow(*node, style, std::move(sub)));
    rows.push_back(exitRow(style));
    return rows;
}

std::optional<MenuRows> LauncherMenuContent::buildListMenu(std::span<data::LauncherItem* const> list,
                                                           std::int32_t menuType) {
    if (!startMenu()) {
        return std::nullopt;
    }
    const RowStyle style = rowStyleFor(menuType);
    MenuRows rows;
    rows.reserve(list.size() + 1);
    for (data::LauncherItem* item : list) {
        if (item == nullptr) {
            continue;
        }
        MenuRows sub = buildSubmenu(*item, style);
        rows.push_back(itemRow(*item, style, std::move(sub)));
    }
    rows.push_back(exitRow(style));
    return rows;
}

std::optional<MenuRows> LauncherMenuContent::buildTaskMenu(std::span<const ListedWindow> windows,
                                                           std::int32_t menuType) {
    windows = windows.first(std::min(windows.size(), kWindowTableSize));
    if (windows.empty() || !startMenu()) {
        return std::nullopt;
    }
    for (const ListedWindow& each : windows) {
        table_.addEntry(titleInBuffer(each.title, kTaskMenuTitleBytes), loadIcon(each.programPath),
                        MenuTarget{.window = each.window});
    }
    table_.addEntry(kExitText, 0, MenuTarget{});
    if (table_.entryCount() == 1) {
        return std::nullopt;  // only "Exit": no window to switch to
    }
    const RowStyle style = rowStyleFor(menuType);
    MenuRows rows;
    rows.reserve(table_.entries().size());
    for (const MenuEntry& entry : table_.entries()) {
        rows.push_back(MenuRow{.id = entry.index + 1,
                               .style = style,
                               .text = entry.text,
                               .itemData = static_cast<std::uintptr_t>(entry.index)});
    }
    nextCommandId_ = table_.entryCount();
    return rows;
}

MenuTarget LauncherMenuContent::chosenTarget(CommandId command) const {
    if (table_.isExitRow(command)) {
        return {};
    }
    const MenuEntry* entry = table_.entryFor(command);
    return entry != nullptr ? entry->target : MenuTarget{};
}

}  // namespace zek::menus
