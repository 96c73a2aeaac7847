// The store keeps its lists in order with stable sorts, binary searches and by
// moving one changed entry into place. These tests run random trees and random
// edits side by side with a plain model that does what the lists are defined by:
// append, then bubble-sort by swapping neighbours that are strictly out of order.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "data/data_file.h"
#include "data/item_store.h"
#include "text/sjis_walk.h"

namespace zek::data {
namespace {

// Character values decoded first, then compared: independent of the store's code.
std::vector<std::uint32_t> characters(const std::string& name, bool foldCase) {
    std::vector<std::uint32_t> values;
    for (std::size_t pos = 0; pos < name.size();) {
        const text::Character c = text::characterAt(name, pos);
        std::uint32_t value = c.value;
        if (foldCase && value >= 'A' && value <= 'Z') {
            value += 0x20;
        }
        if (foldCase && value >= 0x8260 && value <= 0x8279) {
            value += 0x21;
        }
        values.push_back(value);
        pos += c.length;
    }
    return values;
}

int compare(const std::string& a, const std::string& b, bool foldCase) {
    const auto valuesA = characters(a, foldCase);
    const auto valuesB = characters(b, foldCase);
    return valuesA < valuesB ? -1 : (valuesB < valuesA ? 1 : 0);
}

template <typename OutOfOrder>
void bubbleSort(std::vector<LauncherItem*>& list, OutOfOrder outOfOrder) {
    for (std::size_t pass = 0; pass + 1 < list.size(); ++pass) {
        bool swapped = false;
        for (std::size_t i = 0; i + 1 < list.size() - pass; ++i) {
            if (outOfOrder(*list[i], *list[i + 1])) {
                std::swap(list[i], list[i + 1]);
                swapped = true;
            }
        }
        if (!swapped) {
            break;  // later passes could not swap anything either
        }
    }
}

void bubbleChildren(std::vector<LauncherItem*>& list) {
    bubbleSort(list, [](const LauncherItem& a, const LauncherItem& b) {
        return compare(a.name(), b.name(), true) > 0;
    });
}

void bubbleItems(std::vector<LauncherItem*>& list) {
    bubbleSort(list, [](const LauncherItem& a, const LauncherItem& b) {
        const int byName = compare(a.name(), b.name(), false);
        return byName > 0 || (byName == 0 && a.priority() < b.priority());
    });
}

void bubbleMatches(std::vector<LauncherItem*>& list) {
    bubbleSort(list, [](const LauncherItem& a, const LauncherItem& b) {
        return a.priority() < b.priority() ||
               (a.priority() == b.priority() && compare(a.name(), b.name(), false) > 0);
    });
}

// Names from few pieces so that equal names, names equal but for case, double-byte
// and half-width names and byte-order traps all come up often.
const std::string kPieces[] = {"a", "A", "b", "_", "表", "ア", "ｱ", "Ａ", "ａ", "\\", "\x95"};
// Mostly small, now and then at the ends of the range.
const std::int32_t kPriorities[] = {0, 0, 10, 50, -1, 0, 10, 50, 2147483647, -2147483647 - 1};

class RandomTrees : public ::testing::TestWithParam<unsigned> {
  protected:
    std::string randomName(int maxPieces = 3) {
        std::string name;
        const int pieces = pick(1, maxPieces);
        for (int i = 0; i < pieces; ++i) {
            name += kPieces[pick(0, static_cast<int>(std::size(kPieces)) - 1)];
        }
        return name;
    }
    std::int32_t randomPriority() {
        return kPriorities[pick(0, static_cast<int>(std::size(kPriorities)) - 1)];
    }
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
    LauncherItem* randomItem() {
        const auto items = store->items();
        return items[static_cast<std::size_t>(pick(0, static_cast<int>(items.size()) - 1))];
    }

    std::string randomFile() {
        std::string file = "[100]\r\n";
        const int records = pick(5, 60);
        int level = 0;
        for (int record = 0; record < records; ++record) {
            level = record == 0 ? 1 : pick(1, std::min(level + 1, 4));
            const std::string n = std::to_string(record);
            file += n + ":ItemName=" + randomName() + "\r\n";
            file += n + ":ItemType=" + std::to_string(record == 3 ? 1 : pick(2, 4)) + "\r\n";
            file += n + ":ItemLevel=" + std::to_string(level) + "\r\n";
            file += n + ":ItemPriority=" + std::to_string(randomPriority()) + "\r\n";
        }
        return file;
    }

    // The model starts from the store's own tree: attach order is the serial order.
    void modelFromStore() {
        std::vector<LauncherItem*> all(store->items().begin(), store->items().end());
        std::sort(all.begin(), all.end(), [](auto* a, auto* b) { return a->serial() < b->serial(); });
        modelItems = all;
        bubbleItems(modelItems);
        for (LauncherItem* each : all) {
            modelChildren[each->parent()].push_back(each);
        }
        for (auto& [parent, children] : modelChildren) {
            bubbleChildren(children);
        }
    }

    void expectSameAsModel(const char* step) {
        ASSERT_EQ(std::vector<LauncherItem*>(store->items().begin(), store->items().end()), modelItems)
            << step;
        for (LauncherItem* node : modelItems) {
            std::vector<LauncherItem*> children;
            for (const auto& child : node->children()) {
                children.push_back(child.get());
            }
            ASSERT_EQ(children, modelChildren[node]) << step << " children of " << node->name();
        }
        ASSERT_EQ(store->count(), static_cast<std::int32_t>(modelItems.size()));
    }

    void subtree(LauncherItem* top, std::vector<LauncherItem*>& out) {
        out.push_back(top);
        for (LauncherItem* child : modelChildren[top]) {
            subtree(child, out);
        }
    }

    std::mt19937 random{GetParam()};
    std::unique_ptr<ItemStore> store;
    std::vector<LauncherItem*> modelItems;
    std::map<const LauncherItem*, std::vector<LauncherItem*>> modelChildren;
    std::optional<std::vector<LauncherItem*>> modelMatches;
};

TEST_P(RandomTrees, StoreOrdersEqualPlainBubbleSorts) {
    store = std::make_unique<ItemStore>(readDataFile(randomFile()).records);
    modelFromStore();
    expectSameAsModel("load");

    for (int step = 0; step < 400; ++step) {
        const int action = pick(0, 9);
        if (action <= 2) {  // add
            LauncherItem* parent = pick(0, 4) == 0 ? store->root() : randomItem();
            auto fresh = store->createItem(
                ItemFields{.type = ItemType::DataItem, .name = randomName(), .priority = randomPriority()});
            LauncherItem* added = store->addChild(parent, std::move(fresh));
            ASSERT_EQ(added == nullptr, parent->level() >= kMaxItemLevel);
            if (added != nullptr) {
                modelChildren[parent].push_back(added);
                bubbleChildren(modelChildren[parent]);
                modelItems.push_back(added);
                bubbleItems(modelItems);
            }
            expectSameAsModel("add");
        } else if (action <= 4) {  // edit name and priority
            LauncherItem* edited = randomItem();
            ItemFields fields = edited->fields();
            fields.name = pick(0, 3) == 0 ? fields.name : randomName();
            fields.priority = randomPriority();
            store->setItemFields(edited, fields);
            if (edited->parent() != nullptr) {
                bubbleChildren(modelChildren[edited->parent()]);
            }
            bubbleItems(modelItems);
            expectSameAsModel("edit");
        } else if (action == 5) {  // move a leaf
            LauncherItem* moved = randomItem();
            LauncherItem* target = randomItem();
            if (moved->childCount() != 0 || moved == target || moved->parent() == nullptr ||
                moved->type() == ItemType::DefaultRootNode) {
                continue;
            }
            LauncherItem* oldParent = moved->parent();
            const bool accepted = store->moveItem(target, moved);
            ASSERT_EQ(accepted, target->level() < kMaxItemLevel);
            if (accepted) {
                std::erase(modelChildren[oldParent], moved);
                modelChildren[target].push_back(moved);
                bubbleChildren(modelChildren[target]);
            }
            expectSameAsModel("move");
        } else if (action == 6 && store->count() > 20) {  // remove a subtree
            LauncherItem* removed = randomItem();
            if (removed == store->commandNode()) {
                continue;
            }
            std::vector<LauncherItem*> gone;
            subtree(removed, gone);
            std::erase(modelChildren[removed->parent()], removed);
            std::erase_if(modelItems, [&gone](LauncherItem* each) {
                return std::find(gone.begin(), gone.end(), each) != gone.end();
            });
            if (modelMatches) {
                std::erase_if(*modelMatches, [&gone](LauncherItem* each) {
                    return std::find(gone.begin(), gone.end(), each) != gone.end();
                });
                if (modelMatches->empty()) {
                    modelMatches.reset();
                }
            }
            for (LauncherItem* each : gone) {
                modelChildren.erase(each);
            }
            store->removeItem(removed);
            expectSameAsModel("remove");
        } else {  // type a prefix, look up names
            std::string prefix = randomName(2);
            if (pick(0, 4) == 0) {
                prefix = prefix.substr(0, 1);  // may be half a character
            }
            store->buildMatches(prefix);
            modelMatches.reset();
            std::vector<LauncherItem*> matching;
            for (LauncherItem* each : modelItems) {
                if (each->name().starts_with(prefix)) {
                    matching.push_back(each);
                }
            }
            if (!matching.empty()) {
                bubbleMatches(matching);
                modelMatches = matching;
            }
            const std::vector<LauncherItem*>& current = modelMatches ? *modelMatches : modelItems;
            ASSERT_EQ(std::vector<LauncherItem*>(store->currentList().begin(), store->currentList().end()),
                      current)
                << "matches for " << prefix;

            const std::string probe = randomName(2);
            LauncherItem* expectedFirst = nullptr;
            for (LauncherItem* each : current) {
                if (each->name().starts_with(probe)) {
                    expectedFirst = each;
                    break;
                }
            }
            ASSERT_EQ(store->findFirstMatch(probe), expectedFirst) << probe;
            LauncherItem* expectedByName = nullptr;
            for (LauncherItem* each : modelItems) {
                if (each->name() == probe) {
                    expectedByName = each;
                    break;
                }
            }
            ASSERT_EQ(store->findByName(probe), expectedByName) << probe;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomTrees, ::testing::Values(1u, 2u, 3u, 20240611u));

// The start-up sort works on eight-byte keys: long shared beginnings make them tie
// often, and thousands of items take the radix path.
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
    std::vector<LauncherItem*> attached(store.items().begin(), store.items().end());
    std::sort(attached.begin(), attached.end(), [](auto* a, auto* b) { return a->serial() < b->serial(); });
    std::vector<LauncherItem*> items = attached;
    std::stable_sort(items.begin(), items.end(), [](auto* a, auto* b) {
        const int byName = compare(a->name(), b->name(), false);
        return byName < 0 || (byName == 0 && a->priority() > b->priority());
    });
    EXPECT_EQ(std::vector<LauncherItem*>(store.items().begin(), store.items().end()), items);
    std::vector<LauncherItem*> children;
    for (const auto& child : store.root()->children()) {
        children.push_back(child.get());
    }
    std::vector<LauncherItem*> expectedChildren = children;
    std::sort(expectedChildren.begin(), expectedChildren.end(),
              [](auto* a, auto* b) { return a->serial() < b->serial(); });
    std::stable_sort(expectedChildren.begin(), expectedChildren.end(),
                     [](auto* a, auto* b) { return compare(a->name(), b->name(), true) < 0; });
    EXPECT_EQ(children, expectedChildren);
}

}  // namespace
}  // namespace zek::data
