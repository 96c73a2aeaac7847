#include "core/dialogs/tree_rules.h"

namespace zek::dialogs {

using data::ItemType;

bool takesChildren(ItemType type) {
    return type == ItemType::DefaultRootNode || type == ItemType::RootItem || type == ItemType::NodeItem;
}

bool canDelete(ItemType type) {
    return type == ItemType::RootItem || type == ItemType::NodeItem || type == ItemType::DataItem;
}

EditForm editFormFor(ItemType type) {
    switch (type) {
        case ItemType::RootItem:
            return EditForm::RootNode;
        case ItemType::NodeItem:
        case ItemType::DataItem:
            return EditForm::Item;
        default:
            return EditForm::None;
    }
}

std::optional<ContextMenuStates> contextMenuStates(ItemType type) {
    switch (type) {
        case ItemType::DefaultRootNode:
            return ContextMenuStates{.add = true};
        case ItemType::RootItem:
        case ItemType::NodeItem:
            return ContextMenuStates{.add = true, .edit = true, .remove = true};
        case ItemType::DataItem:
            return ContextMenuStates{.edit = true, .remove = true};
        default:
            return std::nullopt;
    }
}

DropParent dropParentFor(ItemType target, std::optional<ItemType> targetsParent) {
    if (takesChildren(target)) {
        return DropParent::Target;
    }
    const bool leaf =
        target == ItemType::DataItem || target == ItemType::CommandItem || target == ItemType::DefaultCommand;
    if (leaf && targetsParent && takesChildren(*targetsParent)) {
        return DropParent::TargetsParent;
    }
    return DropParent::None;
}

}  // namespace zek::dialogs
