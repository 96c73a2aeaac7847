#include "core/data/item_store.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>

#include "core/data/data_file.h"
#include "data/store_order_model.h"
#include "item_test_support.h"

namespace zek::data {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using namespace test;

class ItemStoreTest : public ::testing::Test {
  protected:
    LauncherItem* add(LauncherItem* parent, ItemType type, std::string name, std::int32_t priority = 0) {
        return store->addChild(parent, store->createItem(item(type, std::move(name), priority)));
    }
    LauncherItem* node(std::string name) { return add(store->root(), ItemType::RootItem, std::move(name)); }
    // Every test ends with the store's promises kept.
    void TearDown() override { expectStoreInvariants(*store); }

    std::unique_ptr<ItemStore> store = defaultStore();
};

// The built-in node's own fields are held by the saved worked example.
TEST_F(ItemStoreTest, WithoutFileBuildsTheDefaultTree) {
    const LauncherItem* command = store->commandNode();
    EXPECT_THAT(namesOf(store->root()->children()), ElementsAre("command"));
    EXPECT_EQ(store->root()->name(), "All Item List");
    EXPECT_EQ(store->count(), 9);
    const LauncherItem* newitem = store->findByName("newitem");
    EXPECT_EQ(
        newitem->fields(),
        (ItemFields{.type = ItemType::DefaultCommand, .name = "newitem", .comment = "New entry item."}));
    // The command node was attached first, then the commands in creation order.
    EXPECT_EQ(newitem->serial(), 1);
    EXPECT_EQ(store->findByName("nextwnd")->serial(), 8);
    // The stock images a view shows until an item has one of its own.
    EXPECT_EQ(stockImageIndex(*newitem), 2);
    EXPECT_EQ(stockImageIndex(*command), 0);
    EXPECT_EQ(stockImageIndex(*store->createItem(item(ItemType::DataItem, "x"))), 1);
}

TEST_F(ItemStoreTest, CollectByNameGoesInTreeOrderButNotBelowAHit) {
    LauncherItem* outer = node("dup");
    add(outer, ItemType::NodeItem, "dup");
    LauncherItem* other = node("other");
    LauncherItem* low = add(other, ItemType::DataItem, "dup", 10);
    LauncherItem* high = add(other, ItemType::DataItem, "dup", 80);
    EXPECT_THAT(store->collectByName("dup"), ElementsAre(outer, low, high));  // equal names stay as added
    EXPECT_THAT(store->collectByName("Dup"), IsEmpty());
    EXPECT_EQ(store->findByName("dup"), high);
    for (const char* missing : {"du", ""}) {
        EXPECT_EQ(store->findByName(missing), nullptr) << missing;
    }
}

// The first match is taken from the current list: the flat list (by name) until
// there are matches (by priority); none or an empty prefix falls back to the flat list.
TEST_F(ItemStoreTest, MatchesAndTheFirstMatchOfTheCurrentList) {
    LauncherItem* plain = add(store->root(), ItemType::DataItem, "ab");
    LauncherItem* preferred = add(store->root(), ItemType::DataItem, "abc", 10);
    EXPECT_EQ(store->findFirstMatch("ab"), plain);
    EXPECT_EQ(store->findFirstMatch("ac"), nullptr);  // sorts among the names, but begins none
    store->buildMatches("a");
    ASSERT_TRUE(store->hasMatches());
    EXPECT_EQ(store->findFirstMatch("ab"), preferred);
    EXPECT_EQ(store->findFirstMatch(""), nullptr);
    for (const char* fallsBack : {"zz", ""}) {
        store->buildMatches("a");
        store->buildMatches(fallsBack);
        EXPECT_FALSE(store->hasMatches()) << fallsBack;
        EXPECT_EQ(store->currentList().size(), store->items().size());
    }
}

TEST_F(ItemStoreTest, NoItemDeeperThanTheLevelLimit) {
    LauncherItem* parent = store->root();
    for (int level = 1; level <= kMaxItemLevel; ++level) {
        parent = add(parent, ItemType::NodeItem, "n" + std::to_string(level));
        ASSERT_NE(parent, nullptr) << level;
    }
    const std::int32_t before = store->count();
    EXPECT_EQ(add(parent, ItemType::DataItem, "deep"), nullptr);
    EXPECT_EQ(store->count(), before);
    EXPECT_FALSE(store->moveItem(parent, store->findByName("n1")));
    EXPECT_EQ(add(nullptr, ItemType::DataItem, "x"), nullptr);
}

TEST_F(ItemStoreTest, RemovingANodeRemovesItsSubtree) {
    LauncherItem* tools = node("tools");
    add(add(tools, ItemType::NodeItem, "sub"), ItemType::DataItem, "a");
    add(tools, ItemType::DataItem, "b");
    node("keep");
    store->buildMatches("b");
    store->removeItem(tools);
    EXPECT_EQ(store->count(), 10);
    EXPECT_FALSE(store->hasMatches());  // its only match went with it
    EXPECT_THAT(namesOf(store->root()->children()), ElementsAre("command", "keep"));
}

TEST_F(ItemStoreTest, RefusesItemsOfAnotherStore) {
    auto other = defaultStore();
    LauncherItem* foreign = other->findByName("list");
    EXPECT_EQ(add(foreign, ItemType::DataItem, "x"), nullptr);
    EXPECT_FALSE(store->moveItem(store->root(), foreign));
    store->removeItem(foreign);
    EXPECT_EQ(other->count(), 9);
    store->setItemFields(foreign, item(ItemType::DataItem, "renamed"));
    EXPECT_EQ(foreign->name(), "list");
    auto loose = store->createItem(item(ItemType::NodeItem, "loose"));
    EXPECT_EQ(add(loose.get(), ItemType::DataItem, "x"), nullptr);
}

TEST_F(ItemStoreTest, MoveItemKeepsTheSerialAndNeverCutsASubtreeOff) {
    LauncherItem* a = node("a");
    LauncherItem* b = node("b");
    LauncherItem* z = add(a, ItemType::DataItem, "z");
    add(b, ItemType::DataItem, "Y");
    const std::int32_t serial = z->serial();
    ASSERT_TRUE(store->moveItem(b, z));
    EXPECT_EQ(a->childCount(), 0);
    EXPECT_THAT(namesOf(b->children()), ElementsAre("Y", "z"));
    EXPECT_EQ(z->serial(), serial);
    // Never into its own subtree, and the built-in node stays under the root.
    EXPECT_FALSE(store->moveItem(z, b));
    EXPECT_FALSE(store->moveItem(a, store->commandNode()));
    EXPECT_FALSE(store->moveItem(a, store->root()));
}

TEST_F(ItemStoreTest, SetItemFieldsKeepsPlaceAndLinks) {
    LauncherItem* parent = node("node");
    LauncherItem* edited = add(parent, ItemType::DataItem, "aaa");
    add(parent, ItemType::DataItem, "mmm");
    const std::int32_t serial = edited->serial();
    const ItemRef ref = store->refOf(*edited);
    ItemFields fields = edited->fields();
    fields.name = "zzz";
    store->setItemFields(edited, fields);
    EXPECT_EQ(edited->fields(), fields);
    EXPECT_EQ(edited->serial(), serial);
    EXPECT_EQ(store->find(ref), edited);
    EXPECT_EQ(store->items().back(), edited);  // moved in the flat list, not only among the children
    store->setItemFields(edited, item(ItemType::NodeItem, "Aaa", 3));
    EXPECT_EQ(edited->type(), ItemType::NodeItem);
    EXPECT_EQ(store->items().front(), edited);
}

TEST_F(ItemStoreTest, ReferencesFindOnlyLiveItemsOfTheirOwnStore) {
    LauncherItem* tools = node("tools");
    LauncherItem* x = add(tools, ItemType::DataItem, "x");
    const ItemRef toolsRef = store->refOf(*tools);
    const ItemRef xRef = store->refOf(*x);
    const ItemRef commandRef = store->refOf(*store->commandNode());
    EXPECT_EQ(store->find(commandRef), store->commandNode());
    EXPECT_EQ(store->find(ItemRef{}), nullptr);
    EXPECT_EQ(store->find({store->identity(), 1000}), nullptr);
    // Another store numbers its items alike but is not asked for ours.
    EXPECT_EQ(defaultStore()->find(commandRef), nullptr);

    store->moveItem(store->root(), x);
    store->removeItem(tools);
    store->removeItem(store->commandNode());
    EXPECT_EQ(store->find(toolsRef), nullptr);
    EXPECT_EQ(store->find(commandRef), nullptr);
    EXPECT_EQ(store->find(xRef), x);
    // A number is never given out again, even where the count falls back.
    LauncherItem* later = node("tools");
    EXPECT_EQ(store->find(toolsRef), nullptr);
    EXPECT_EQ(store->find(store->refOf(*later)), later);
}

TEST_F(ItemStoreTest, FindByHotkeyIdFollowsEdits) {
    const HotkeyIdFunction productId = [](std::int32_t first, std::int32_t second) {
        return first * 1000 + second;
    };
    const auto keyed = [](ItemFields fields, std::int32_t first, std::int32_t second) {
        fields.hotKey1 = first;
        fields.hotKey2 = second;
        return fields;
    };
    const ItemFields a = item(ItemType::DataItem, "a");
    LauncherItem* first =
        store->addToRoot(store->createItem(keyed(a, 2, 0)));  // no hotkey without both parts
    LauncherItem* b = store->addToRoot(store->createItem(keyed(item(ItemType::DataItem, "b"), 2, 78)));
    LauncherItem* second = store->addToRoot(store->createItem(keyed(a, 2, 78)));
    EXPECT_EQ(store->findByHotkeyId(2078, productId), second);  // first in the flat list
    for (const std::int32_t none : {2000, 0}) {
        EXPECT_EQ(store->findByHotkeyId(none, productId), nullptr) << none;
    }
    // Another id rule is not served from the old index.
    EXPECT_EQ(store->findByHotkeyId(80, [](std::int32_t x, std::int32_t y) { return x + y; }), second);

    store->setItemFields(first, keyed(a, 2, 78));  // its equal, but before it in the flat list
    EXPECT_EQ(store->findByHotkeyId(2078, productId), first);
    store->setItemFields(first, keyed(a, 2, 79));
    store->setItemFields(second, keyed(a, 2, 79));
    EXPECT_EQ(store->findByHotkeyId(2078, productId), b);
    EXPECT_EQ(store->findByHotkeyId(2079, productId), first);
    store->removeItem(b);
    EXPECT_EQ(store->findByHotkeyId(2078, productId), nullptr);

    // The built-in node taken out of the tree is in no list: a hotkey given to it starts nothing.
    LauncherItem* command = store->commandNode();
    store->removeItem(command);
    store->setItemFields(command, keyed(command->fields(), 3, 5));
    EXPECT_EQ(store->findByHotkeyId(3005, productId), nullptr);
}

// The start-up sort works on eight-byte keys: long shared beginnings make them tie
// often, and thousands of items take the radix path. A stable sort of the attach
// order is what the old program's bubble sort gives.
TEST(StartUpSort, LargeFlatFileSortsAsTheBubbleSortOfTheAttachOrder) {
    std::mt19937 random(0x50F7);
    const auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    std::string file = "[100]\r\n";
    for (int record = 0; record < 3000; ++record) {
        std::string name = pick(0, 1) == 0 ? "longcommonprefix" : "";
        for (int pieces = pick(1, 4); pieces > 0; --pieces) {
            name += kNamePieces[pick(0, static_cast<int>(std::size(kNamePieces)) - 1)];
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
