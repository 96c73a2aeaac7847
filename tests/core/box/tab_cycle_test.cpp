#include "core/box/tab_cycle.h"

#include <gtest/gtest.h>

#include <vector>

#include "box_test_support.h"

namespace zek::box {
namespace {

using data::LauncherItem;
using test::FakeBox;
using test::storeWith;
using Shown = std::tuple<std::string, std::string, int>;

TEST(TabCycling, WalksTheCandidatesInListOrderKeepingTheCommonBeginning) {
    auto store = storeWith({{"notepad", 0}, {"notebook", 0}});
    FakeBox box(*store);
    box.type("no");
    ASSERT_EQ(box.text, "notebook");  // equal priorities: by name
    ASSERT_EQ(box.listSelection, 0u);

    box.tab();
    EXPECT_EQ(box.shown(), (Shown{"notepad", "pad", 4}));
    EXPECT_EQ(box.shownName(), "notepad");

    box.tab();  // wraps to the first
    EXPECT_EQ(box.shown(), (Shown{"notebook", "book", 4}));
    EXPECT_EQ(box.listSelection, 0u);

    // Typing after the common part completes from there.
    box.type("p");
    EXPECT_EQ(box.shown(), (Shown{"notepad", "ad", 5}));
}

TEST(TabCycling, WithoutAListSelectionStartsAfterTheExactName) {
    auto store = storeWith({{"notepad", 0}, {"notebook", 0}, {"nodes", 0}});
    const auto tabFrom = [&](std::string text, int typed) {
        FakeBox box(*store);
        box.type(text.substr(0, typed));
        box.text = text;
        box.selection = {typed, static_cast<int>(text.size())};
        box.listSelection.reset();
        const Reaction reaction = box.tab();
        EXPECT_TRUE(reaction.refillList);
        return box.text;
    };
    // Candidates of "no": nodes, notebook, notepad.
    EXPECT_EQ(tabFrom("notebook", 2), "notepad");
    EXPECT_EQ(tabFrom("notepad", 2), "nodes");     // the last wraps to the first
    EXPECT_EQ(tabFrom("nozzle", 2), "nodes");      // no exact name: the first
    EXPECT_EQ(tabFrom("notepad", 4), "notebook");  // filtered by "note" now

    // A stale list selection beyond the list counts as none.
    FakeBox stale(*store);
    stale.type("note");
    ASSERT_EQ(stale.text, "notebook");
    stale.listSelection = 57;
    stale.tab();
    EXPECT_EQ(stale.text, "notepad");  // after the exact name "notebook"
}

TEST(TabCycling, DoesNothingWithoutTypedTextOrFilter) {
    auto store = storeWith({{"notepad", 0}, {"notebook", 0}});
    FakeBox box(*store);
    const auto expectNoChange = [&](const Reaction& reaction) {
        EXPECT_FALSE(reaction.refillList);
        EXPECT_FALSE(reaction.listSelection.has_value());
        EXPECT_FALSE(reaction.editSelection.has_value());
        EXPECT_EQ(reaction.status.change, StatusChange::Unchanged);
        EXPECT_EQ(reaction.state, box.state);
        EXPECT_FALSE(reaction.swallow);
    };
    expectNoChange(cycleWithTab(box.state, box.view(), *store));  // empty text

    box.type("no");
    box.selection = {0, 8};  // caret at the start
    expectNoChange(cycleWithTab(box.state, box.view(), *store));

    box.selection = {2, 8};
    store->buildMatches("");  // no name filter
    expectNoChange(cycleWithTab(box.state, box.view(), *store));
}

TEST(TabCycling, ASingleCandidateSelectsNothingOfItsName) {
    auto store = storeWith({{"notepad", 0}});
    FakeBox box(*store);
    box.type("no");
    box.tab();
    EXPECT_EQ(box.shown(), (Shown{"notepad", "", 7}));
    EXPECT_EQ(box.selection, (EditSelection{7, 7}));
}

std::vector<LauncherItem*> itemsNamed(data::ItemStore& store, std::initializer_list<const char*> names) {
    std::vector<LauncherItem*> items;
    for (const char* name : names) {
        items.push_back(store.findByName(name));
    }
    return items;
}

TEST(CommonPrefix, CountsWholeCharactersSharedByAllNames) {
    // "表" 0x95 0x5C and "評" 0x95 0x5D share their lead byte, not a character.
    auto store = storeWith({{"表示", 0},
                            {"評価", 0},
                            {"あい", 0},
                            {"あう", 0},
                            {"ab", 0},
                            {"abc", 0},
                            {"abd", 0},
                            {"axe", 0},
                            {"xb", 0}});
    EXPECT_EQ(commonPrefixLength(itemsNamed(*store, {"表示", "評価"})), 0u);
    EXPECT_EQ(commonPrefixLength(itemsNamed(*store, {"ab", "xb"})), 0u);  // the first byte differs
    EXPECT_EQ(commonPrefixLength(itemsNamed(*store, {"あい", "あう"})), 2u);
    EXPECT_EQ(commonPrefixLength(itemsNamed(*store, {"abc", "ab"})), 2u);
    // Every further name can only shorten the common part.
    EXPECT_EQ(commonPrefixLength(itemsNamed(*store, {"abc", "abd", "ab"})), 2u);
    EXPECT_EQ(commonPrefixLength(itemsNamed(*store, {"abc", "abd", "axe"})), 1u);
    EXPECT_EQ(commonPrefixLength(itemsNamed(*store, {"表示"})), 4u);
    EXPECT_EQ(commonPrefixLength({}), 0u);
}

TEST(TabCycling, DoubleByteCandidatesKeepWholeCharactersTyped) {
    auto store = storeWith({{"あい", 0}, {"あう", 0}, {"表示", 0}, {"評価", 0}});
    FakeBox box(*store);
    box.type("あ");
    ASSERT_EQ(box.text, "あい");
    box.tab();
    EXPECT_EQ(box.shown(), (Shown{"あう", "う", 2}));

    // "表" and "評" share only their lead byte: a caret after that byte has typed no
    // whole character, so Tab leaves everything as it is.
    FakeBox half(*store);
    half.text = "\x95";
    half.selection = {1, 1};
    half.apply(completeIncrementally(half.state, half.view(), *store));
    ASSERT_EQ(store->currentList().size(), 2u);
    half.selection = {1, 4};
    const Reaction reaction = half.tab();
    EXPECT_FALSE(reaction.listSelection.has_value());
    EXPECT_EQ(half.text, "表示");
}

}  // namespace
}  // namespace zek::box
