#pragma once
// What the launcher settings tree allows for each kind of row: which context-menu
// entries are on, what can be edited or deleted, where a dragged item or a dropped
// file lands.
#include <optional>

#include "core/data/launcher_item.h"

namespace zek::dialogs {

// Nodes take children: the built-in node, root nodes and nodes.
bool takesChildren(data::ItemType type);
// Root nodes, nodes and data items; never the built-in node or a built-in command.
bool canDelete(data::ItemType type);

enum class EditForm { None, RootNode, Item };
EditForm editFormFor(data::ItemType type);

struct ContextMenuStates {
    bool add = false;
    bool edit = false;
    bool remove = false;
};
// None: the row offers no menu at all (a built-in or reserved command).
std::optional<ContextMenuStates> contextMenuStates(data::ItemType type);

// Where an item dragged onto a row, or a file dropped on it, goes: onto a node the
// node itself, onto a data item or a command that row's parent when the parent is a
// node. Nowhere otherwise.
enum class DropParent { None, Target, TargetsParent };
DropParent dropParentFor(data::ItemType target, std::optional<data::ItemType> targetsParent);

// Only data items are dragged; dragging any other row just selects it.
inline bool canDrag(data::ItemType type) {
    return type == data::ItemType::DataItem;
}

}  // namespace zek::dialogs
