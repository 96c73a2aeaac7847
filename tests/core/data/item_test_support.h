#pragma once
// Helpers shared by the item store and data file tests.

#include <gtest/gtest.h>

#include <algorithm>
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
    const auto walk = [&](const auto& self, const LauncherItem* node) -> void {
        const auto children = node->children();
        for (std::size_t i = 0; i < children.size(); ++i) {
            const LauncherItem* child = children[i].get();
            ASSERT_EQ(child->parent(), node);
            ASSERT_TRUE(child == store.commandNode() || child->level() == node->level() + 1) << child->name();
            ASSERT_LE(child->level(), kMaxItemLevel);
            ASSERT_TRUE(i == 0 || !ChildOrder{}(*child, *children[i - 1])) << child->name();
            inTree.push_back(child);
            self(self, child);
        }
    };
    walk(walk, store.root());
    if (store.commandNode()->parent() == nullptr) {
        walk(walk, store.commandNode());  // detached: its commands still count
    }
    std::vector<const LauncherItem*> listed(store.items().begin(), store.items().end());
    ASSERT_EQ(static_cast<std::size_t>(store.count()), listed.size());
    for (std::size_t i = 1; i < listed.size(); ++i) {
        ASSERT_FALSE(FlatListOrder{}(*listed[i], *listed[i - 1])) << listed[i]->name();
    }
    std::ranges::sort(inTree);
    std::ranges::sort(listed);
    ASSERT_EQ(inTree, listed);
}

}  // namespace zek::data::test
