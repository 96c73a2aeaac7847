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
using OutOfOrder = bool (*)(const LauncherItem*, const LauncherItem*);

int compare(const LauncherItem* a, const LauncherItem* b, bool foldCase) {
    return text::test::decodedCompare(a->name(), b->name(), foldCase);
}

// Children by name ignoring case; the flat list by name, then higher priority
// first; matches by higher priority, then name.
bool childOutOfOrder(const LauncherItem* a, const LauncherItem* b) {
    return compare(a, b, true) > 0;
}
bool itemOutOfOrder(const LauncherItem* a, const LauncherItem* b) {
    const int byName = compare(a, b, false);
    return byName > 0 || (byName == 0 && a->priority() < b->priority());
}
bool matchOutOfOrder(const LauncherItem* a, const LauncherItem* b) {
    return a->priority() < b->priority() || (a->priority() == b->priority() && compare(a, b, false) > 0);
}

void bubbleSort(List& list, OutOfOrder outOfOrder) {
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

template <typename Range>
List listOf(const Range& items) {
    List list;
    for (const auto& each : items) {
        list.push_back(&*each);
    }
    return list;
}

List bySerial(List list) {
    std::ranges::sort(list, {}, &LauncherItem::serial);
    return list;
}

std::string recordLines(int number, const std::string& name, int type, int level, std::int32_t priority) {
    const std::string n = std::to_string(number);
    return n + ":ItemName=" + name + "\r\n" + n + ":ItemType=" + std::to_string(type) + "\r\n" + n +
           ":ItemLevel=" + std::to_string(level) + "\r\n" + n + ":ItemPriority=" + std::to_string(priority) +
           "\r\n";
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
    void resort(LauncherItem* parent) {
        if (parent != nullptr) {
            bubbleSort(children_[parent], childOutOfOrder);
        }
        bubbleSort(items_, itemOutOfOrder);
    }

    void load() {
        std::string file = "[100]\r\n";
        for (int record = 0, records = pick(5, 60), level = 1; record < records; ++record) {
            level = record == 0 ? 1 : pick(1, std::min(level + 1, 4));
            const std::string itemName = name();
            const int type = record == 3 ? 1 : pick(2, 4);
            file += recordLines(record, itemName, type, level, priority());
        }
        store_ = std::make_unique<ItemStore>(readDataFile(file).records);
        // At load the attach order is the serial order.
        items_ = bySerial(listOf(store_->items()));
        for (LauncherItem* each : items_) {
            children_[each->parent()].push_back(each);
        }
        for (auto& [parent, children] : children_) {
            bubbleSort(children, childOutOfOrder);
        }
        bubbleSort(items_, itemOutOfOrder);
    }

    void add() {
        LauncherItem* parent = pick(0, 4) == 0 ? store_->root() : anyItem();
        LauncherItem* added = store_->addChild(
            parent, store_->createItem({.type = ItemType::DataItem, .name = name(), .priority = priority()}));
        ASSERT_EQ(added == nullptr, parent->level() >= kMaxItemLevel);
        if (added != nullptr) {
            children_[parent].push_back(added);
            items_.push_back(added);
            resort(parent);
        }
    }

    void edit() {
        LauncherItem* edited = anyItem();
        ItemFields fields = edited->fields();
        fields.name = pick(0, 3) == 0 ? fields.name : name();
        fields.priority = priority();
        store_->setItemFields(edited, fields);
        resort(edited->parent());
    }

    void moveLeaf() {
        LauncherItem* moved = anyItem();
        LauncherItem* target = anyItem();
        LauncherItem* oldParent = moved->parent();
        if (moved->childCount() != 0 || moved == target || oldParent == nullptr ||
            moved->type() == ItemType::DefaultRootNode) {
            return;
        }
        const bool accepted = store_->moveItem(target, moved);
        ASSERT_EQ(accepted, target->level() < kMaxItemLevel);
        if (accepted) {
            std::erase(children_[oldParent], moved);
            children_[target].push_back(moved);
            resort(target);
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
        List current;
        std::ranges::copy_if(items_, std::back_inserter(current),
                             [&](auto* each) { return each->name().starts_with(prefix); });
        bubbleSort(current, matchOutOfOrder);
        current = current.empty() ? items_ : current;
        ASSERT_EQ(listOf(store_->currentList()), current) << prefix;
        const std::string probe = name(2);
        const auto first =
            std::ranges::find_if(current, [&](auto* each) { return each->name().starts_with(probe); });
        ASSERT_EQ(store_->findFirstMatch(probe), first == current.end() ? nullptr : *first) << probe;
        const auto named = std::ranges::find_if(items_, [&](auto* each) { return each->name() == probe; });
        ASSERT_EQ(store_->findByName(probe), named == items_.end() ? nullptr : *named) << probe;
    }

    // Operations 0-2 add, 3-4 edit, 5 moves, 6 removes, the rest type and look up.
    void run(int operation) {
        void (RandomTrees::*const operations[])() = {
            &RandomTrees::add,           &RandomTrees::add,          &RandomTrees::add,
            &RandomTrees::edit,          &RandomTrees::edit,         &RandomTrees::moveLeaf,
            &RandomTrees::removeSubtree, &RandomTrees::typeAndLookUp};
        (this->*operations[std::min(operation, 7)])();
    }

    std::mt19937 random_{GetParam()};
    std::unique_ptr<ItemStore> store_;
    List items_;
    std::map<const LauncherItem*, List> children_;
};

TEST_P(RandomTrees, StoreOrdersEqualPlainBubbleSorts) {
    load();
    for (int step = 0; step <= 400; ++step) {
        const int operation = pick(0, 9);
        if (step > 0) {
            ASSERT_NO_FATAL_FAILURE(run(operation));
        }
        ASSERT_EQ(listOf(store_->items()), items_) << "step " << step << ", operation " << operation;
        for (LauncherItem* node : items_) {
            ASSERT_EQ(listOf(node->children()), children_[node]) << "step " << step << ", " << node->name();
        }
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
        file += recordLines(record, name, 4, 1, pick(-2, 2));
    }
    const ItemStore store(readDataFile(file).records);
    const auto stableSorted = [](List list, OutOfOrder outOfOrder) {
        std::ranges::stable_sort(list, [outOfOrder](auto* a, auto* b) { return outOfOrder(b, a); });
        return list;
    };
    EXPECT_EQ(listOf(store.items()), stableSorted(bySerial(listOf(store.items())), itemOutOfOrder));
    EXPECT_EQ(listOf(store.root()->children()),
              stableSorted(bySerial(listOf(store.root()->children())), childOutOfOrder));
}

}  // namespace
}  // namespace zek::data
