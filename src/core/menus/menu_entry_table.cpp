#include "core/menus/menu_entry_table.h"

namespace zek::menus {

MenuEntryTable::~MenuEntryTable() {
    if (icons_ == nullptr) {
        return;
    }
    for (const MenuEntry& entry : entries_) {
        if (entry.icon != 0) {
            icons_->destroyIcon(entry.icon);
        }
    }
}

bool MenuEntryTable::addEntry(std::string_view text, IconHandle icon, MenuTarget target) {
    if (text.empty() && target.empty()) {
        if (icon != 0 && icons_ != nullptr) {
            icons_->destroyIcon(icon);
        }
        return false;
    }
    entries_.push_back(
        MenuEntry{.index = entryCount(), .text = std::string(text), .icon = icon, .target = target});
    return true;
}

const MenuEntry* MenuEntryTable::entryFor(CommandId id) const {
    if (id < 1 || id > entryCount()) {
        return nullptr;
    }
    return &entries_[static_cast<std::size_t>(id - 1)];
}

}  // namespace zek::menus
