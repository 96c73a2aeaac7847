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

TEST(ItemStoreConstruction, WithoutFileBuildsTheDefaultTree) {
    const auto store = defaultStore();
    LauncherItem* command = store->commandNode();
    EXPECT_THAT(namesOf(store->root()->children()), ElementsAre("command"));
    EXPECT_EQ(store->root()->name(), "All Item List");
    EXPECT_EQ(command->fields(),
              (ItemFields{.type = ItemType::DefaultRootNode, .name = "command", .comment = "command node"}));
    EXPECT_EQ(store->count(), 9);
    EXPECT_EQ(store->itemsFromFile(), 0);
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
    expectStoreInvariants(*store);
}

TEST(ItemStoreLookups, CollectByNameGoesInTreeOrderButNotBelowAHit) {
    auto store = defaultStore();
    LauncherItem* outer = store->addToRoot(store->createItem(item(ItemType::RootItem, "dup")));
    store->addChild(outer, store->createItem(item(ItemType::NodeItem, "dup")));
    LauncherItem* other = store->addToRoot(store->createItem(item(ItemType::RootItem, "other")));
    LauncherItem* low = store->addChild(other, store->createItem(item(ItemType::DataItem, "dup", 10)));
    LauncherItem* high = store->addChild(other, store->createItem(item(ItemType::DataItem, "dup", 80)));
    EXPECT_THAT(store->collectByName("dup"), ElementsAre(outer, low, high));  // equal names stay as added
    EXPECT_THAT(store->collectByName("Dup"), IsEmpty());
    EXPECT_EQ(store->findByName("dup"), high);
    EXPECT_EQ(store->findByName("Dup"), nullptr);
    EXPECT_EQ(store->findByName("du"), nullptr);
    EXPECT_EQ(store->findByName(""), nullptr);
    expectStoreInvariants(*store);
}

// Orders and prefix lookups are held to a plain model in item_sort_equivalence_test;
// here only what the model never types.
TEST(ItemStoreMatches, NoMatchOrAnEmptyPrefixFallsBackToTheFlatList) {
    auto store = defaultStore();
    store->addToRoot(store->createItem(item(ItemType::DataItem, "note")));
    store->buildMatches("no");
    ASSERT_TRUE(store->hasMatches());
    store->buildMatches("zz");
    EXPECT_FALSE(store->hasMatches());
    EXPECT_EQ(store->currentList().size(), store->items().size());
    store->buildMatches("no");
    store->buildMatches("");
    EXPECT_FALSE(store->hasMatches());
    EXPECT_EQ(store->findFirstMatch(""), nullptr);
}

TEST(ItemStoreTree, LevelLimit) {
    auto store = defaultStore();
    LauncherItem* parent = store->root();
    for (int level = 1; level <= kMaxItemLevel; ++level) {
        parent =
            store->addChild(parent, store->createItem(item(ItemType::NodeItem, "n" + std::to_string(level))));
        ASSERT_NE(parent, nullptr) << level;
    }
    const std::int32_t before = store->count();
    EXPECT_EQ(store->addChild(parent, store->createItem(item(ItemType::DataItem, "deep"))), nullptr);
    EXPECT_EQ(store->count(), before);
    EXPECT_FALSE(store->moveItem(parent, store->findByName("n1")));
    EXPECT_EQ(store->addChild(nullptr, store->createItem(item(ItemType::DataItem, "x"))), nullptr);
    expectStoreInvariants(*store);
}

TEST(ItemStoreTree, RemovingANodeRemovesItsSubtree) {
    auto store = defaultStore();
    LauncherItem* tools = store->addToRoot(store->createItem(item(ItemType::RootItem, "tools")));
    LauncherItem* sub = store->addChild(tools, store->createItem(item(ItemType::NodeItem, "sub")));
    store->addChild(sub, store->createItem(item(ItemType::DataItem, "a")));
    store->addChild(tools, store->createItem(item(ItemType::DataItem, "b")));
    store->addToRoot(store->createItem(item(ItemType::RootItem, "keep")));
    store->buildMatches("b");
    ASSERT_EQ(store->count(), 14);
    store->removeItem(tools);
    EXPECT_EQ(store->count(), 10);
    EXPECT_FALSE(store->hasMatches());  // its only match went with it
    EXPECT_THAT(namesOf(store->root()->children()), ElementsAre("command", "keep"));
    expectStoreInvariants(*store);
}

TEST(ItemStoreTree, RemovingTheBuiltInNodeKeepsIt) {
    auto store = defaultStore();
    LauncherItem* command = store->commandNode();
    store->removeItem(command);
    EXPECT_EQ(store->commandNode(), command);
    EXPECT_EQ(command->parent(), nullptr);
    EXPECT_EQ(command->childCount(), 0);
    EXPECT_EQ(store->count(), 0);
    EXPECT_EQ(store->root()->childCount(), 0);
    store->removeItem(store->root());  // refused
    EXPECT_NE(store->root(), nullptr);
    // It takes children again, and they are in the flat list although in no tree.
    EXPECT_NE(store->addChild(command, store->createItem(item(ItemType::DataItem, "x"))), nullptr);
    EXPECT_EQ(store->findByName("x")->level(), 2);
    expectStoreInvariants(*store);
}

TEST(ItemStoreTree, RefusesItemsOfAnotherStore) {
    auto store = defaultStore();
    auto other = defaultStore();
    LauncherItem* foreign = other->findByName("list");
    EXPECT_EQ(store->addChild(foreign, store->createItem(item(ItemType::DataItem, "x"))), nullptr);
    EXPECT_FALSE(store->moveItem(store->root(), foreign));
    store->removeItem(foreign);
    EXPECT_EQ(other->count(), 9);
    store->setItemFields(foreign, item(ItemType::DataItem, "renamed"));
    EXPECT_EQ(foreign->name(), "list");
    auto loose = store->createItem(item(ItemType::NodeItem, "loose"));
    EXPECT_EQ(store->addChild(loose.get(), store->createItem(item(ItemType::DataItem, "x"))), nullptr);
}

TEST(ItemStoreTree, MoveItem) {
    auto store = defaultStore();
    LauncherItem* a = store->addToRoot(store->createItem(item(ItemType::RootItem, "a")));
    LauncherItem* b = store->addToRoot(store->createItem(item(ItemType::RootItem, "b")));
    LauncherItem* z = store->addChild(a, store->createItem(item(ItemType::DataItem, "z")));
    LauncherItem* y = store->addChild(b, store->createItem(item(ItemType::DataItem, "Y")));
    const std::int32_t serial = z->serial();
    ASSERT_TRUE(store->moveItem(b, z));
    EXPECT_EQ(z->parent(), b);
    EXPECT_EQ(a->childCount(), 0);
    EXPECT_THAT(b->children(),
                ElementsAre(::testing::Pointee(::testing::Ref(*y)), ::testing::Pointee(::testing::Ref(*z))));
    EXPECT_EQ(z->serial(), serial);
    // Never under itself or its own subtree, and the built-in node stays under the root.
    EXPECT_FALSE(store->moveItem(z, b));
    EXPECT_FALSE(store->moveItem(b, b));
    EXPECT_FALSE(store->moveItem(a, store->commandNode()));
    EXPECT_FALSE(store->moveItem(a, store->root()));
    expectStoreInvariants(*store);
}

TEST(ItemStoreTree, SetItemFieldsKeepsPlaceAndLinks) {
    auto store = defaultStore();
    LauncherItem* node = store->addToRoot(store->createItem(item(ItemType::RootItem, "node")));
    LauncherItem* edited = store->addChild(node, store->createItem(item(ItemType::DataItem, "aaa")));
    store->addChild(node, store->createItem(item(ItemType::DataItem, "mmm")));
    const std::int32_t serial = edited->serial();
    const ItemRef ref = store->refOf(*edited);
    ItemFields fields = edited->fields();
    fields.name = "zzz";
    fields.app = "C:\\表\\z.exe";
    store->setItemFields(edited, fields);
    EXPECT_EQ(edited->fields(), fields);
    EXPECT_EQ(edited->serial(), serial);
    EXPECT_EQ(store->find(ref), edited);
    EXPECT_EQ(edited->parent(), node);
    EXPECT_THAT(namesOf(node->children()), ElementsAre("mmm", "zzz"));
    EXPECT_EQ(store->items().back(), edited);

    store->setItemFields(edited, item(ItemType::NodeItem, "Aaa", 3));
    EXPECT_EQ(edited->type(), ItemType::NodeItem);
    EXPECT_THAT(namesOf(node->children()), ElementsAre("Aaa", "mmm"));
    EXPECT_EQ(store->items().front(), edited);
    expectStoreInvariants(*store);
}

TEST(ItemStoreTree, ReferencesFindOnlyLiveItemsOfTheirOwnStore) {
    auto store = defaultStore();
    LauncherItem* tools = store->addToRoot(store->createItem(item(ItemType::RootItem, "tools")));
    LauncherItem* x = store->addChild(tools, store->createItem(item(ItemType::DataItem, "x")));
    const ItemRef toolsRef = store->refOf(*tools);
    const ItemRef xRef = store->refOf(*x);
    const ItemRef commandRef = store->refOf(*store->commandNode());
    EXPECT_EQ(store->find(toolsRef), tools);
    EXPECT_EQ(store->find(commandRef), store->commandNode());
    EXPECT_EQ(store->find(ItemRef{}), nullptr);
    EXPECT_EQ(store->find({store->identity(), 1000}), nullptr);
    // Another store numbers its items alike but is not asked for ours.
    const auto other = defaultStore();
    EXPECT_NE(other->identity(), store->identity());
    EXPECT_EQ(other->find(commandRef), nullptr);

    store->moveItem(store->root(), x);
    EXPECT_EQ(store->find(xRef), x);
    store->removeItem(tools);
    store->removeItem(store->commandNode());
    EXPECT_EQ(store->find(toolsRef), nullptr);
    EXPECT_EQ(store->find(commandRef), nullptr);
    EXPECT_EQ(store->find(xRef), x);
    // A number is never given out again, even where the count falls back.
    LauncherItem* later = store->addToRoot(store->createItem(item(ItemType::RootItem, "tools")));
    EXPECT_EQ(store->find(toolsRef), nullptr);
    EXPECT_EQ(store->find(store->refOf(*later)), later);
}

const auto productId = [](std::int32_t first, std::int32_t second) { return first * 1000 + second; };
const auto sumId = [](std::int32_t first, std::int32_t second) { return first + second; };

TEST(ItemStoreLookups, FindByHotkeyIdFollowsEdits) {
    auto store = defaultStore();
    ItemFields fields = item(ItemType::DataItem, "a");
    fields.hotKey1 = 2;  // no hotkey without both parts
    LauncherItem* first = store->addToRoot(store->createItem(fields));
    fields.hotKey2 = 78;
    fields.name = "b";
    LauncherItem* b = store->addToRoot(store->createItem(fields));
    fields.name = "a";
    LauncherItem* second = store->addToRoot(store->createItem(fields));
    EXPECT_EQ(store->findByHotkeyId(2078, productId), second);  // first in the flat list
    EXPECT_EQ(store->findByHotkeyId(2000, productId), nullptr);
    EXPECT_EQ(store->findByHotkeyId(0, productId), nullptr);
    EXPECT_EQ(store->findByHotkeyId(-1, productId), nullptr);
    EXPECT_EQ(store->findByHotkeyId(80, sumId), second);  // another id rule is not served from the old index

    store->setItemFields(first, fields);  // its equal, but before it in the flat list
    EXPECT_EQ(store->findByHotkeyId(2078, productId), first);
    fields.hotKey2 = 79;
    store->setItemFields(first, fields);
    store->setItemFields(second, fields);
    EXPECT_EQ(store->findByHotkeyId(2078, productId), b);
    EXPECT_EQ(store->findByHotkeyId(2079, productId), first);
    store->removeItem(b);
    EXPECT_EQ(store->findByHotkeyId(2078, productId), nullptr);

    // The built-in node taken out of the tree is in no list: a hotkey given to it starts nothing.
    LauncherItem* command = store->commandNode();
    store->removeItem(command);
    ItemFields commandFields = command->fields();
    commandFields.hotKey1 = 3;
    commandFields.hotKey2 = 5;
    store->setItemFields(command, commandFields);
    EXPECT_EQ(store->findByHotkeyId(3005, productId), nullptr);
}

// The start-up sort works on eight-byte keys: long shared beginnings make them tie
// often, and thousands of items take the radix path. A stable sort of the attach
// order is what the old program's bubble sort gives. Random edits are held to the
// same model by the store's fuzz target (fuzz/store_orders_fuzz.cpp).
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
