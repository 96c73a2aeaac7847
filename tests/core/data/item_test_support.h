#pragma once
// Helpers shared by the item store and data file tests.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/data/data_file.h"
#include "core/data/item_sort.h"
#include "core/data/item_store.h"

namespace zek::data::test {

inline std::unique_ptr<ItemStore> storeFromFile(std::string fileBytes) {
    return std::make_unique<ItemStore>(readDataFile(std::move(fileBytes)).records);
}

inline std::unique_ptr<ItemStore> defaultStore() {
    return std::make_unique<ItemStore>(RecordTable{});
}

inline ItemFields item(ItemType type, std::string name, std::int32_t priority = 0) {
    return ItemFields{.type = type, .name = std::move(name), .priority = priority};
}

template <typename Range>
std::vector<std::string> namesOf(const Range& items) {
    std::vector<std::string> names;
    for (const auto& each : items) {
        names.emplace_back(each->name());
    }
    return names;
}

// Joins lines with CR LF, each line ended, as the program writes its files.
inline std::string crlfLines(std::initializer_list<std::string_view> lines) {
    std::string out;
    for (std::string_view line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

// The store's promises after every public operation.
inline void expectStoreInvariants(const ItemStore& store) {
    std::vector<const LauncherItem*> inTree;
    std::vector<const LauncherItem*> pending{store.root()};
    if (store.commandNode()->parent() == nullptr) {
        pending.push_back(store.commandNode());  // detached: its commands still count
    }
    while (!pending.empty()) {
        const LauncherItem* node = pending.back();
        pending.pop_back();
        const auto children = node->children();
        for (std::size_t i = 0; i < children.size(); ++i) {
            ASSERT_EQ(children[i]->parent(), node);
            if (children[i].get() != store.commandNode()) {
                ASSERT_EQ(children[i]->level(), node->level() + 1) << children[i]->name();
            }
            ASSERT_LE(children[i]->level(), kMaxItemLevel);
            if (i > 0) {
                ASSERT_FALSE(ChildOrder{}(*children[i], *children[i - 1])) << children[i]->name();
            }
            inTree.push_back(children[i].get());
            pending.push_back(children[i].get());
        }
    }
    const auto items = store.items();
    ASSERT_EQ(static_cast<std::size_t>(store.count()), items.size());
    ASSERT_EQ(inTree.size(), items.size());
    std::vector<const LauncherItem*> listed(items.begin(), items.end());
    std::sort(inTree.begin(), inTree.end());
    std::sort(listed.begin(), listed.end());
    ASSERT_EQ(inTree, listed);
    for (std::size_t i = 1; i < items.size(); ++i) {
        ASSERT_FALSE(FlatListOrder{}(*items[i], *items[i - 1])) << items[i]->name();
    }
}

}  // namespace zek::data::test
