// The store keeps its lists in order with stable sorts, binary searches and by
// moving one changed entry into place. The file format's users know the orders of
// the old program, which appended and then bubble-sorted by swapping neighbours
// that were strictly out of order: random trees and random edits are run side by
// side with that plain model.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "data/data_file.h"
#include "data/item_store.h"
#include "text/decoded_compare.h"

namespace zek::data {
namespace {

using List = std::vector<LauncherItem*>;

int compare(const std::string& a, const std::string& b, bool foldCase) {
    return text::test::decodedCompare(a, b, foldCase);
}

// Children by name ignoring case; the flat list by name, then higher priority
// first; matches by higher priority, then name.
bool childOutOfOrder(const LauncherItem* a, const LauncherItem* b) {
    return compare(a->name(), b->name(), true) > 0;
}
bool itemOutOfOrder(const LauncherItem* a, const LauncherItem* b) {
    const int byName = compare(a->name(), b->name(), false);
    return byName > 0 || (byName == 0 && a->priority() < b->priority());
}
bool matchOutOfOrder(const LauncherItem* a, const LauncherItem* b) {
    return a->priority() < b->priority() ||
           (a->priority() == b->priority() && compare(a->name(), b->name(), false) > 0);
}

void bubbleSort(List& list, bool (*outOfOrder)(const LauncherItem*, const LauncherItem*)) {
    for (bool swapped = true; swapped;) {
        swapped = false;
        for (std::size_t i = 0; i + 1 < list.size(); ++i) {
            if (outOfOrder(list[i], list[i + 1])) {
                std::swap(list[i], list[i + 1]);
                swapped = true;
            }
        }
    }
}

List bySerial(std::span<LauncherItem* const> items) {
    List list(items.begin(), items.end());
    std::sort(list.begin(), list.end(), [](auto* a, auto* b) { return a->serial() < b->serial(); });
    return list;
}

List childrenOf(const LauncherItem* node) {
    List list;
    for (const auto& child : node->children()) {
        list.push_back(child.get());
    }
    return list;
}

// Names from few pieces so that equal names, names equal but for case, double-byte
// and half-width names and byte-order traps all come up often; priorities mostly
// small, now and then at the ends of the range.
const std::string kPieces[] = {"a", "A", "b", "_", "表", "ア", "ｱ", "Ａ", "ａ", "\\", "\x95"};
const std::int32_t kPriorities[] = {0, 0, 10, 50, -1, 0, 10, 50, 2147483647, -2147483647 - 1};

class RandomTrees : public ::testing::TestWithParam<unsigned> {
  protected:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    std::string name(int maxPieces = 3) {
        std::string out;
        for (int i = pick(1, maxPieces); i > 0; --i) {
            out += kPieces[pick(0, static_cast<int>(std::size(kPieces)) - 1)];
        }
        return out;
    }
    std::int32_t priority() { return kPriorities[pick(0, static_cast<int>(std::size(kPriorities)) - 1)]; }
    LauncherItem* anyItem() {
        return store_->items()[static_cast<std::size_t>(pick(0, store_->count() - 1))];
    }

    void load() {
        std::string file = "[100]\r\n";
        for (int record = 0, records = pick(5, 60), level = 1; record < records; ++record) {
            level = record == 0 ? 1 : pick(1, std::min(level + 1, 4));
            const std::string n = std::to_string(record);
            file += n + ":ItemName=" + name() + "\r\n" + n +
                    ":ItemType=" + std::to_string(record == 3 ? 1 : pick(2, 4)) + "\r\n" + n +
                    ":ItemLevel=" + std::to_string(level) + "\r\n" + n +
                    ":ItemPriority=" + std::to_string(priority()) + "\r\n";
        }
        store_ = std::make_unique<ItemStore>(readDataFile(file).records);
        // At load the attach order is the serial order.
        items_ = bySerial(store_->items());
        bubbleSort(items_, itemOutOfOrder);
        for (LauncherItem* each : bySerial(store_->items())) {
            children_[each->parent()].push_back(each);
        }
        for (auto& [parent, children] : children_) {
            bubbleSort(children, childOutOfOrder);
        }
    }

    void expectSameAsModel(const char* step) {
        ASSERT_EQ(List(store_->items().begin(), store_->items().end()), items_) << step;
        for (LauncherItem* node : items_) {
            ASSERT_EQ(childrenOf(node), children_[node]) << step << " children of " << node->name();
        }
    }

    void add() {
        LauncherItem* parent = pick(0, 4) == 0 ? store_->root() : anyItem();
        LauncherItem* added = store_->addChild(
            parent, store_->createItem(
                        ItemFields{.type = ItemType::DataItem, .name = name(), .priority = priority()}));
        ASSERT_EQ(added == nullptr, parent->level() >= kMaxItemLevel);
        if (added != nullptr) {
            children_[parent].push_back(added);
            bubbleSort(children_[parent], childOutOfOrder);
            items_.push_back(added);
            bubbleSort(items_, itemOutOfOrder);
        }
    }

    void edit() {
        LauncherItem* edited = anyItem();
        ItemFields fields = edited->fields();
        fields.name = pick(0, 3) == 0 ? fields.name : name();
        fields.priority = priority();
        store_->setItemFields(edited, fields);
        if (edited->parent() != nullptr) {
            bubbleSort(children_[edited->parent()], childOutOfOrder);
        }
        bubbleSort(items_, itemOutOfOrder);
    }

    void moveLeaf() {
        LauncherItem* moved = anyItem();
        LauncherItem* target = anyItem();
        if (moved->childCount() != 0 || moved == target || moved->parent() == nullptr ||
            moved->type() == ItemType::DefaultRootNode) {
            return;
        }
        LauncherItem* oldParent = moved->parent();
        const bool accepted = store_->moveItem(target, moved);
        ASSERT_EQ(accepted, target->level() < kMaxItemLevel);
        if (accepted) {
            std::erase(children_[oldParent], moved);
            children_[target].push_back(moved);
            bubbleSort(children_[target], childOutOfOrder);
        }
    }

    void removeSubtree() {
        LauncherItem* removed = anyItem();
        if (removed == store_->commandNode() || store_->count() <= 20) {
            return;
        }
        List gone{removed};
        for (std::size_t i = 0; i < gone.size(); ++i) {
            gone.insert(gone.end(), children_[gone[i]].begin(), children_[gone[i]].end());
        }
        std::erase(children_[removed->parent()], removed);
        std::erase_if(items_,
                      [&gone](LauncherItem* each) { return std::ranges::find(gone, each) != gone.end(); });
        // The allocator may hand a removed item's address to the next one added.
        for (LauncherItem* each : gone) {
            children_.erase(each);
        }
        store_->removeItem(removed);
    }

    // Typing a prefix (now and then half a character) filters; lookups by prefix and name.
    void typeAndLookUp() {
        std::string prefix = name(2);
        prefix = pick(0, 4) == 0 ? prefix.substr(0, 1) : prefix;
        store_->buildMatches(prefix);
        List matching;
        std::ranges::copy_if(items_, std::back_inserter(matching),
                             [&](LauncherItem* each) { return each->name().starts_with(prefix); });
        bubbleSort(matching, matchOutOfOrder);

        const List& current = matching.empty() ? items_ : matching;
        ASSERT_EQ(List(store_->currentList().begin(), store_->currentList().end()), current) << prefix;
        const std::string probe = name(2);
        const auto first =
            std::ranges::find_if(current, [&](auto* each) { return each->name().starts_with(probe); });
        ASSERT_EQ(store_->findFirstMatch(probe), first == current.end() ? nullptr : *first) << probe;
        const auto named = std::ranges::find_if(items_, [&](auto* each) { return each->name() == probe; });
        ASSERT_EQ(store_->findByName(probe), named == items_.end() ? nullptr : *named) << probe;
    }

    std::mt19937 random_{GetParam()};
    std::unique_ptr<ItemStore> store_;
    List items_;
    std::map<const LauncherItem*, List> children_;
};

TEST_P(RandomTrees, StoreOrdersEqualPlainBubbleSorts) {
    load();
    expectSameAsModel("load");
    for (int step = 0; step < 400; ++step) {
        switch (pick(0, 9)) {
            case 0:
            case 1:
            case 2:
                ASSERT_NO_FATAL_FAILURE(add());
                expectSameAsModel("add");
                break;
            case 3:
            case 4:
                edit();
                expectSameAsModel("edit");
                break;
            case 5:
                ASSERT_NO_FATAL_FAILURE(moveLeaf());
                expectSameAsModel("move");
                break;
            case 6:
                removeSubtree();
                expectSameAsModel("remove");
                break;
            default:
                ASSERT_NO_FATAL_FAILURE(typeAndLookUp());
                expectSameAsModel("type");
                break;
        }
        ASSERT_EQ(store_->count(), static_cast<std::int32_t>(items_.size()));
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomTrees, ::testing::Values(1u, 2u, 3u, 20240611u));

// The start-up sort works on eight-byte keys: long shared beginnings make them tie
// often, and thousands of items take the radix path. A stable sort of the attach
// order is what bubble sorting it would give.
TEST(StartUpSort, LargeFlatFileGivesAStableSortOfTheAttachOrder) {
    std::mt19937 random(0x50F7);
    const auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    std::string file = "[100]\r\n";
    for (int record = 0; record < 3000; ++record) {
        std::string name = pick(0, 1) == 0 ? "longcommonprefix" : "";
        for (int pieces = pick(1, 4); pieces > 0; --pieces) {
            name += kPieces[pick(0, static_cast<int>(std::size(kPieces)) - 1)];
        }
        const std::string n = std::to_string(record);
        file += n + ":ItemName=" + name + "\r\n" + n + ":ItemType=4\r\n" + n + ":ItemLevel=1\r\n" + n +
                ":ItemPriority=" + std::to_string(pick(-2, 2)) + "\r\n";
    }
    const ItemStore store(readDataFile(file).records);
    List items = bySerial(store.items());
    std::ranges::stable_sort(items, [](auto* a, auto* b) { return itemOutOfOrder(b, a); });
    EXPECT_EQ(List(store.items().begin(), store.items().end()), items);
    List children = bySerial(childrenOf(store.root()));
    std::ranges::stable_sort(children, [](auto* a, auto* b) { return childOutOfOrder(b, a); });
    EXPECT_EQ(childrenOf(store.root()), children);
}

}  // namespace
}  // namespace zek::data
