#include "core/data/item_store.h"

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <utility>

#include "core/data/data_file.h"
#include "core/data/item_sort.h"

namespace zek::data {
namespace {

// Calls `visit` for `top` and everything below it, parents before children, in
// children order; `visit` returns false to skip the subtree below an item.
template <typename Visit>
void walkPreOrder(LauncherItem* top, Visit visit) {
    std::vector<LauncherItem*> pending{top};
    while (!pending.empty()) {
        LauncherItem* item = pending.back();
        pending.pop_back();
        if (!visit(item)) {
            continue;
        }
        const auto children = item->children();
        for (auto child = children.rbegin(); child != children.rend(); ++child) {
            pending.push_back(child->get());
        }
    }
}

}  // namespace

ItemStore::~ItemStore() = default;

std::span<LauncherItem* const> ItemStore::matches() const {
    if (!matches_) {
        return {};
    }
    return *matches_;
}

namespace {

// What the store holds is what the data file keeps.
ItemFields storableFields(ItemFields fields) {
    for (std::string* text :
         {&fields.name, &fields.comment, &fields.app, &fields.option, &fields.icon, &fields.dir}) {
        text->resize(storableText(*text).size());
    }
    return fields;
}

}  // namespace

std::unique_ptr<LauncherItem> ItemStore::createItem(ItemFields fields) const {
    return createStorableItem(storableFields(std::move(fields)));
}

std::unique_ptr<LauncherItem> ItemStore::createStorableItem(ItemFields fields) const {
    return std::make_unique<LauncherItem>(std::move(fields));
}

LauncherItem* ItemStore::find(ItemRef ref) const {
    if (ref.store != identity_ || ref.item == 0 || ref.item > byId_.size()) {
        return nullptr;
    }
    return byId_[ref.item - 1];
}

bool ItemStore::belongsHere(const LauncherItem* item) const {
    if (item == nullptr) {
        return false;
    }
    while (item->parent() != nullptr) {
        item = item->parent();
    }
    return item == root_.get() || item == detachedCommandNode_.get();
}

LauncherItem* ItemStore::attachChild(LauncherItem* parent, std::unique_ptr<LauncherItem> item) {
    if (parent == nullptr || item == nullptr || parent->level_ >= kMaxItemLevel) {
        return nullptr;
    }
    LauncherItem* attached = item.get();
    attached->parent_ = parent;
    attached->level_ = parent->level_ + 1;
    attached->serial_ = count();
    if (attached->id_ == 0) {
        byId_.emplace_back();
        attached->id_ = static_cast<std::uint32_t>(byId_.size());
    }
    byId_[attached->id_ - 1] = attached;
    parent->childList().push_back(std::move(item));
    items_.push_back(attached);
    if (attached->hasHotkey()) {
        hotkeyHolders_.push_back(attached);
    }
    changed();
    return attached;
}

std::vector<std::unique_ptr<LauncherItem>>::iterator ItemStore::slotAmongSiblings(LauncherItem* item) {
    auto& siblings = item->parent_->childList();
    return std::find_if(
        siblings.begin(), siblings.end(),
        [item](const std::unique_ptr<LauncherItem>& sibling) { return sibling.get() == item; });
}

void ItemStore::placeInParent(LauncherItem* item) {
    auto& siblings = item->parent_->childList();
    restoreOrderAfterChange<ChildOrder>(siblings,
                                        static_cast<std::size_t>(slotAmongSiblings(item) - siblings.begin()));
}

std::size_t ItemStore::flatListIndexOf(const LauncherItem* item) const {
    // The flat list is sorted, so the item stands among its equals.
    const auto equals = std::equal_range(items_.begin(), items_.end(), item, ByPointee<FlatListOrder>{});
    auto at = std::find(equals.first, equals.second, item);
    if (at == equals.second) {
        at = std::find(items_.begin(), items_.end(), item);
    }
    return static_cast<std::size_t>(at - items_.begin());
}

bool ItemStore::comesFirst(const LauncherItem* a, const LauncherItem* b) const {
    if (FlatListOrder{}(*a, *b)) {
        return true;
    }
    if (FlatListOrder{}(*b, *a)) {
        return false;
    }
    return flatListIndexOf(a) < flatListIndexOf(b);
}

LauncherItem* ItemStore::addChild(LauncherItem* parent, std::unique_ptr<LauncherItem> item) {
    if (!belongsHere(parent)) {
        return nullptr;
    }
    LauncherItem* added = attachChild(parent, std::move(item));
    if (added != nullptr) {
        placeInParent(added);
        restoreOrderAfterChange<FlatListOrder>(items_, items_.size() - 1);
    }
    return added;
}

LauncherItem* ItemStore::addToRoot(std::unique_ptr<LauncherItem> item) {
    return addChild(root(), std::move(item));
}

bool ItemStore::moveItem(LauncherItem* newParent, LauncherItem* item) {
    if (!belongsHere(newParent) || !belongsHere(item) || item->parent_ == nullptr ||
        newParent->level_ >= kMaxItemLevel) {
        return false;
    }
    if (item == commandNode_ && newParent != root_.get()) {
        return false;  // the built-in node hangs directly under the root or nowhere
    }
    for (const LauncherItem* above = newParent; above != nullptr; above = above->parent_) {
        if (above == item) {
            return false;
        }
    }
    const auto at = slotAmongSiblings(item);
    std::unique_ptr<LauncherItem> owned = std::move(*at);
    item->parent_->childList().erase(at);
    item->parent_ = newParent;
    item->level_ = newParent->level_ + 1;
    newParent->childList().push_back(std::move(owned));
    placeInParent(item);
    changed();
    return true;
}

void ItemStore::removeItem(LauncherItem* item) {
    if (!belongsHere(item) || item == root_.get()) {
        return;
    }
    std::vector<LauncherItem*> removed;
    walkPreOrder(item, [&removed](LauncherItem* each) {
        removed.push_back(each);
        return true;
    });
    const auto isRemoved = [&removed](LauncherItem* each) {
        return std::binary_search(removed.begin(), removed.end(), each);
    };
    for (const LauncherItem* each : removed) {
        if (each->id_ != 0) {
            byId_[each->id_ - 1] = nullptr;
        }
    }
    std::sort(removed.begin(), removed.end());
    std::erase_if(items_, isRemoved);
    std::erase_if(hotkeyHolders_, isRemoved);
    if (matches_) {
        std::erase_if(*matches_, isRemoved);
        if (matches_->empty()) {
            matches_.reset();
        }
    }

    std::unique_ptr<LauncherItem> owned;
    if (LauncherItem* parent = item->parent_) {
        const auto at = slotAmongSiblings(item);
        owned = std::move(*at);
        parent->childList().erase(at);
        item->parent_ = nullptr;
    } else {
        owned = std::move(detachedCommandNode_);  // the built-in node, hanging nowhere
    }
    if (item == commandNode_) {
        item->children_.reset();
        detachedCommandNode_ = std::move(owned);
    }
    changed();
}

void ItemStore::setItemFields(LauncherItem* item, ItemFields fields) {
    if (!belongsHere(item)) {
        return;
    }
    const bool inFlatList = belongsHere(item) && item != root_.get() && item != detachedCommandNode_.get();
    const std::size_t oldIndex = inFlatList ? flatListIndexOf(item) : 0;
    const bool hadHotkey = item->hasHotkey();
    item->assignFields(storableFields(std::move(fields)));
    if (inFlatList && hadHotkey != item->hasHotkey()) {
        if (hadHotkey) {
            std::erase(hotkeyHolders_, item);
        } else {
            hotkeyHolders_.push_back(item);
        }
    }
    if (item->parent_ != nullptr) {
        placeInParent(item);
    }
    if (inFlatList) {
        restoreOrderAfterChange<FlatListOrder>(items_, oldIndex);
    }
    changed();
}

void ItemStore::sortChildren(LauncherItem* node) {
    if (node == nullptr || !node->children_) {
        return;
    }
    auto& children = *node->children_;
    if (!std::is_sorted(children.begin(), children.end(), ByPointee<ChildOrder>{})) {
        stableSortByKey<ChildOrder>(children);
    }
}

void ItemStore::sortTree(LauncherItem* node) {
    if (node == nullptr) {
        return;
    }
    // Each node's sort is independent of the others', so the visiting order is free.
    walkPreOrder(node, [this](LauncherItem* each) {
        sortChildren(each);
        return true;
    });
}

void ItemStore::sortItems() {
    if (!std::is_sorted(items_.begin(), items_.end(), ByPointee<FlatListOrder>{})) {
        stableSortByKey<FlatListOrder>(items_);
        changed();
    }
}

LauncherItem* ItemStore::findByName(std::string_view name) const {
    if (name.empty()) {
        return nullptr;
    }
    const LauncherItem probe(ItemFields{.name = std::string(name)});
    const auto at = std::partition_point(items_.begin(), items_.end(), [&probe](const LauncherItem* each) {
        return compareNames(*each, probe) < 0;
    });
    if (at != items_.end() && (*at)->name() == name) {
        return *at;
    }
    return nullptr;
}

LauncherItem* ItemStore::findByHotkeyId(std::int32_t id, HotkeyIdFunction hotkeyId) const {
    if (id <= 0 || hotkeyId == nullptr) {
        return nullptr;
    }
    if (hotkeyIndex_.hotkeyId != hotkeyId || hotkeyIndex_.generation != generation_) {
        hotkeyIndex_.firstById.clear();
        for (LauncherItem* item : hotkeyHolders_) {
            auto [slot, fresh] =
                hotkeyIndex_.firstById.try_emplace(hotkeyId(item->hotKey1(), item->hotKey2()), item);
            if (!fresh && comesFirst(item, slot->second)) {
                slot->second = item;  // where items share an id, the first in the flat list wins
            }
        }
        hotkeyIndex_.hotkeyId = hotkeyId;
        hotkeyIndex_.generation = generation_;
    }
    const auto found = hotkeyIndex_.firstById.find(id);
    return found == hotkeyIndex_.firstById.end() ? nullptr : found->second;
}

std::vector<LauncherItem*> ItemStore::collectByName(std::string_view name) const {
    std::vector<LauncherItem*> found;
    if (name.empty()) {
        return found;
    }
    walkPreOrder(root_.get(), [&](LauncherItem* each) {
        if (each->name() == name) {
            found.push_back(each);
            return false;
        }
        return true;
    });
    return found;
}

std::span<LauncherItem* const> ItemStore::currentList() const {
    if (matches_) {
        return *matches_;
    }
    return items_;
}

}  // namespace zek::data
