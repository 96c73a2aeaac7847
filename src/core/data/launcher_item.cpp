#include "core/data/launcher_item.h"

#include <utility>

#include "core/text/compare.h"

namespace zek::data {

std::string_view itemTypeDisplayWord(ItemType type) {
    switch (type) {
        case ItemType::AllItemRoot:
            return "All Item Root";
        case ItemType::DefaultRootNode:
            return "Default Root Node";
        case ItemType::RootItem:
            return "Root Item";
        case ItemType::NodeItem:
            return "Node Item";
        case ItemType::DataItem:
            return "Data Item";
        case ItemType::CommandItem:
            return "Command Item";
        case ItemType::DefaultCommand:
            return "Default Command";
    }
    return "";
}

LauncherItem::LauncherItem(ItemFields fields) {
    assignFields(std::move(fields));
}

void LauncherItem::assignFields(ItemFields fields) {
    fields_ = std::move(fields);
    nameKey_ = text::orderKey(fields_.name, false);
    foldedNameKey_ = text::orderKey(fields_.name, true);
    nameOrdersAsBytes_ = text::bytesOrderLikeCharacters(fields_.name);
}

std::int32_t stockImageIndex(const LauncherItem& item) {
    switch (item.type()) {
        case ItemType::DataItem:
            return 1;
        case ItemType::DefaultCommand:
            return 2;
        default:
            return 0;
    }
}

}  // namespace zek::data
