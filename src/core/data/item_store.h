#pragma once
// The one store of launchable items: the tree (an invisible root, the user's root
// nodes, nodes and data items, and the built-in node with the eight built-in
// commands), the flat list of every attached item sorted by name, which the
// launcher bar's combo box shows, and the list of names matching the typed prefix.
//
// Invariants after every public operation: every attached item but the root is in
// the flat list once and in its parent's children once; its level is its parent's
// plus one (the built-in node keeps level 1); each node's children are in
// ChildOrder and the flat list in FlatListOrder. The store keeps them by placing a
// changed item where a stable sort would put it instead of sorting everything.

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/data/launcher_item.h"
#include "core/data/record_table.h"

namespace zek::data {

// No item is deeper than this; a parent at this level takes no children.
inline constexpr std::int32_t kMaxItemLevel = 20;

// Computes the registration id of an item hotkey (first, second), -1 for none.
using HotkeyIdFunction = std::int32_t (*)(std::int32_t first, std::int32_t second);

// Names an item beyond the handler that found it (across a menu, a dialog, a
// message box or a posted message): the store it belongs to and its number there.
// Looking it up finds nothing once the item is removed or its store is gone.
struct ItemRef {
    std::uint64_t store = 0;
    std::uint32_t item = 0;

    bool operator==(const ItemRef&) const = default;
};

class ItemStore {
  public:
    // The start-up construction: the tree from the data file's records (an empty
    // table gives the default tree), then the built-in commands, everything sorted.
    explicit ItemStore(const RecordTable& records);
    ~ItemStore();

    ItemStore(const ItemStore&) = delete;
    ItemStore& operator=(const ItemStore&) = delete;

    LauncherItem* root() const { return root_.get(); }
    LauncherItem* commandNode() const { return commandNode_; }
    // The flat list: every attached item except the root.
    std::span<LauncherItem* const> items() const { return items_; }
    std::int32_t count() const { return static_cast<std::int32_t>(items_.size()); }
    bool hasMatches() const { return matches_.has_value(); }
    std::span<LauncherItem* const> matches() const;
    // How many items the data file gave at construction (0: default tree).
    std::int32_t itemsFromFile() const { return itemsFromFile_; }

    // Unique among the stores of the process, so that a reference made in one store
    // finds nothing in the store that replaced it.
    std::uint64_t identity() const { return identity_; }
    ItemRef refOf(const LauncherItem& item) const { return {identity_, item.id()}; }
    // The attached item `ref` names, nullptr when it is not (or no longer) one of ours.
    LauncherItem* find(ItemRef ref) const;
    // Changes whenever currentList() may have changed (the tree, a field, the matches).
    std::uint64_t listVersion() const { return listVersion_; }

    // A new item that belongs to the caller until it is added.
    std::unique_ptr<LauncherItem> createItem(ItemFields fields) const;

    // Lookups. Results point into the store; nullptr when nothing fits.
    // The highest-priority item with exactly this name.
    LauncherItem* findByName(std::string_view name) const;
    // The first item of the flat list with a hotkey whose id is `id`.
    LauncherItem* findByHotkeyId(std::int32_t id, HotkeyIdFunction hotkeyId) const;
    // Items named `name` in pre-order from the root, not searching below a hit.
    std::vector<LauncherItem*> collectByName(std::string_view name) const;
    // What the combo box lists: the matches when there are any, else the flat list.
    std::span<LauncherItem* const> currentList() const;
    // The first entry of currentList() whose name begins with the bytes of `prefix`.
    LauncherItem* findFirstMatch(std::string_view prefix) const;
    // The matches become the items whose name begins with the bytes of `prefix`, in
    // MatchListOrder; none when `prefix` is "" or nothing matches.
    void buildMatches(std::string_view prefix);

    // Changing the tree. Items must belong to this store; anything else is refused.
    // Adds `item` as a child of `parent`; nullptr (and the item released) when
    // `parent` is none, not ours or at kMaxItemLevel.
    LauncherItem* addChild(LauncherItem* parent, std::unique_ptr<LauncherItem> item);
    LauncherItem* addToRoot(std::unique_ptr<LauncherItem> item);
    // Moves an attached item (with its subtree, whose levels stay as they were) under
    // `newParent`. Refused for a parent at kMaxItemLevel, and for a parent inside the
    // item's own subtree, which would cut the subtree off the tree.
    bool moveItem(LauncherItem* newParent, LauncherItem* item);
    // Removes the item and everything below it and releases them. The built-in node
    // is taken out of the tree with its commands released, but kept.
    void removeItem(LauncherItem* item);
    // Replaces the user's fields; tree links, level, serial and id stay.
    void setItemFields(LauncherItem* item, ItemFields fields);

    // Full sorts; after the operations above they find everything in order already.
    void sortChildren(LauncherItem* node);
    void sortTree(LauncherItem* node);
    void sortItems();

  private:
    struct PendingRecord;

    // createItem for fields that are storable already (those the data file gave).
    std::unique_ptr<LauncherItem> createStorableItem(ItemFields fields) const;

    bool belongsHere(const LauncherItem* item) const;
    LauncherItem* attachChild(LauncherItem* parent, std::unique_ptr<LauncherItem> item);
    void placeInParent(LauncherItem* item);
    // Where `item` is held among its parent's children; it must have a parent.
    static std::vector<std::unique_ptr<LauncherItem>>::iterator slotAmongSiblings(LauncherItem* item);
    std::size_t flatListIndexOf(const LauncherItem* item) const;
    bool comesFirst(const LauncherItem* a, const LauncherItem* b) const;
    // The entries of the flat list whose name begins with the bytes of a prefix: the
    // names equal to a prefix that ends in a lead byte, then those that go on.
    using FlatListIterator = std::vector<LauncherItem*>::const_iterator;
    struct PrefixRanges {
        FlatListIterator same, sameEnd, continuing, continuingEnd;
    };
    PrefixRanges prefixRanges(std::string_view prefix) const;
    // The priority of every entry of the flat list, in its order.
    std::span<const std::int32_t> flatListPriorities();
    void changed() {
        ++generation_;
        ++listVersion_;
    }

    PendingRecord readRecord(const RecordTable& records, std::int32_t record);
    PendingRecord loadChildren(const RecordTable& records, LauncherItem* parent, std::int32_t depth);
    void addBuiltInCommands();

    std::uint64_t identity_;
    std::unique_ptr<LauncherItem> root_;
    LauncherItem* commandNode_ = nullptr;
    // Holds the built-in node while it hangs nowhere in the tree.
    std::unique_ptr<LauncherItem> detachedCommandNode_;
    std::vector<LauncherItem*> items_;
    std::optional<std::vector<LauncherItem*>> matches_;
    // The items of the flat list that have a hotkey, in no particular order.
    std::vector<LauncherItem*> hotkeyHolders_;
    std::int32_t itemsFromFile_ = 0;
    // Every item ever attached, at its id - 1; removed ones are null.
    std::vector<LauncherItem*> byId_;
    std::uint64_t listVersion_ = 0;

    // Bumped by every change to the flat list or to an item's fields.
    std::uint64_t generation_ = 0;
    struct HotkeyIndex {
        std::uint64_t generation = 0;
        HotkeyIdFunction hotkeyId = nullptr;
        std::unordered_map<std::int32_t, LauncherItem*> firstById;
    };
    mutable HotkeyIndex hotkeyIndex_;
    // Read by every keystroke's buildMatches, so that ordering the matches by
    // priority never has to reach into the items, which at 100,000 lie far apart.
    struct PriorityCopy {
        std::uint64_t generation = ~std::uint64_t{0};
        std::vector<std::int32_t> values;
    };
    PriorityCopy flatListPriorities_;
};

}  // namespace zek::data
