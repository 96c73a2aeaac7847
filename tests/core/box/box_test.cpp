#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "core/box/box_input.h"
#include "core/box/box_state.h"
#include "core/box/box_text.h"
#include "core/box/completion.h"
#include "core/box/tab_cycle.h"
#include "data/item_test_support.h"

namespace zek::box {
namespace {

using data::ItemType;
using data::LauncherItem;
using Shown = std::tuple<std::string, std::string, int>;
using ::testing::ElementsAre;

// The default store (the built-in commands) plus data items at the root.
std::unique_ptr<data::ItemStore> storeWith(std::initializer_list<std::pair<std::string, int>> items) {
    auto store = data::test::defaultStore();
    for (const auto& [name, priority] : items) {
        store->addToRoot(store->createItem(data::test::item(ItemType::DataItem, name, priority)));
    }
    return store;
}

struct FakeBox {
    data::ItemStore& store;
    BoxState state;
    std::string text;
    EditSelection selection;
    std::optional<std::size_t> listSelection;
    StatusUpdate lastStatus;

    explicit FakeBox(data::ItemStore& s) : store(s) {}
    BoxView view() const { return BoxView{text, selection, listSelection}; }
    const Reaction& apply(const Reaction& reaction) {
        state = reaction.state;
        if (reaction.refillList) {
            listSelection.reset();
        }
        if (reaction.listSelection) {
            listSelection = reaction.listSelection;
            text = store.currentList()[*reaction.listSelection]->name();
        }
        if (reaction.editText) {
            text = *reaction.editText;
        }
        if (reaction.editSelection) {
            selection = *reaction.editSelection;
        }
        if (reaction.status.change != StatusChange::Unchanged) {
            lastStatus = reaction.status;
        }
        return reaction;
    }
    // Typing replaces the selection, then the edit field reports the change.
    Reaction type(std::string_view typed) {
        text.replace(selection.start, selection.end - selection.start, typed);
        selection.start = selection.end = selection.start + static_cast<int>(typed.size());
        return changed();
    }
    Reaction tab() { return apply(onEditKeyDown(state, key::kTab, false, view(), store)); }
    Reaction changed() { return apply(completeIncrementally(state, view(), store)); }
    // Where the item of this name stands in the current list.
    std::optional<std::size_t> indexOf(std::string_view name) const {
        const auto list = store.currentList();
        const auto found = std::ranges::find_if(list, [&](const auto* each) { return each->name() == name; });
        return found == list.end() ? std::nullopt : std::optional<std::size_t>(found - list.begin());
    }
    // The text, its selected part and how much of it counts as typed.
    Shown shown() const {
        return {text, text.substr(selection.start, selection.end - selection.start), state.matchLength};
    }
};

TEST(IncrementalCompletion, CompletesTheOnlyCandidateWithItsTailSelected) {
    auto store = storeWith({{"notepad", 0}});
    FakeBox box(*store);
    box.type("n");
    box.type("o");
    EXPECT_EQ(box.shown(), (Shown{"notepad", "tepad", 2}));
    EXPECT_EQ(box.lastStatus.item, store->findByName("notepad"));
    EXPECT_EQ(box.listSelection, box.indexOf("notepad"));
    // Backspace removes the completed part and nothing is completed again ...
    box.text = "no";
    box.selection = {2, 2};
    const Reaction removed = box.changed();
    EXPECT_EQ(box.shown(), (Shown{"no", "", 1}));
    EXPECT_EQ(box.selection, (EditSelection{2, 2}));
    EXPECT_EQ(removed.status.change, StatusChange::ShowNoItem);
    EXPECT_TRUE(removed.refillList);
    // ... until the next character is typed.
    box.type("t");
    EXPECT_EQ(box.shown(), (Shown{"notepad", "epad", 3}));
}

TEST(IncrementalCompletion, UnknownTextIsPutBackWithItsSelection) {
    auto store = storeWith({{"notepad", 0}});
    FakeBox box(*store);
    box.text = "zz";
    box.selection = {2, 0};  // a selection made leftwards comes back in order
    EXPECT_EQ(completeIncrementally(box.state, box.view(), *store).editSelection, (EditSelection{0, 2}));
    box.selection = {1, 2};
    const Reaction reaction = box.changed();
    EXPECT_EQ(reaction.editText, "zz");
    EXPECT_EQ(reaction.editSelection, (EditSelection{1, 2}));
    EXPECT_EQ(reaction.status.change, StatusChange::ShowNoItem);
    EXPECT_FALSE(store->hasMatches());  // the list falls back to every item
    EXPECT_EQ(box.state.matchLength, 0);
    // Overlong or odd input stays within the text buffer.
    box.text = std::string(700, 'b');
    box.selection = {-3, 9999};
    const Reaction overlong = completeIncrementally(box.state, box.view(), *store);
    EXPECT_EQ(overlong.editText, std::string(kBoxTextBytes - 1, 'b'));
    EXPECT_EQ(overlong.editSelection, (EditSelection{0, 511}));
    EXPECT_EQ(boxText(std::string_view("ab\0c", 4)), "ab");
}

TEST(IncrementalCompletion, AfterADeletionAnExactNameIsSelectedButNotCompleted) {
    auto store = storeWith({{"mail", 10}, {"mailer", 0}});
    FakeBox box(*store);
    box.text = "mail";
    box.selection = {4, 4};
    box.state.matchLength = 5;  // "mailx" was typed, then x deleted
    const Reaction reaction = box.changed();
    EXPECT_EQ(box.shown(), (Shown{"mail", "", 3}));
    EXPECT_EQ(box.selection, (EditSelection{4, 4}));
    EXPECT_EQ(box.lastStatus.item, store->findByName("mail"));
    EXPECT_EQ(reaction.listSelection, box.indexOf("mail"));
    // Deleting everything leaves nothing typed, not a negative length.
    box.text.clear();
    box.selection = {0, 0};
    box.changed();
    EXPECT_EQ(box.state.matchLength, 0);
    EXPECT_FALSE(store->hasMatches());
}

TEST(IncrementalCompletion, DoubleByteNamesCompleteOnWholeCharacters) {
    // "表" = 0x95 0x5C and "ソ" = 0x83 0x5C: trail bytes that look like a backslash.
    auto store = storeWith({{"表計算", 0}, {"ソフト", 0}});
    FakeBox box(*store);
    box.type("表");
    EXPECT_EQ(box.shown(), (Shown{"表計算", "計算", 2}));
    // A text that ends in a lead byte is completed by the whole character: the
    // selection starts before that byte, never inside the character.
    FakeBox half(*store);
    half.text = "\x83";
    half.selection = {1, 1};
    half.changed();
    EXPECT_EQ(half.shown(), (Shown{"ソフト", "ソフト", 0}));
    half.type("ソ");
    EXPECT_EQ(half.shown(), (Shown{"ソフト", "フト", 2}));
}

TEST(RefilterAtCaret, FiltersByTheTextLeftOfTheCaretAndKeepsTheSelectedCandidate) {
    auto store = storeWith({{"notepad", 0}, {"notebook", 0}, {"nodes", 0}});
    FakeBox box(*store);
    box.type("notep");
    box.selection = {2, 2};  // caret moved left
    const Reaction reaction = box.apply(refilterAtCaret(box.state, box.view(), *store));
    EXPECT_TRUE(reaction.refillList);
    EXPECT_EQ(store->currentList().size(), 3u);  // everything beginning with "no"
    EXPECT_EQ(box.listSelection, box.indexOf("notepad"));
    EXPECT_FALSE(reaction.editText.has_value());
    EXPECT_EQ(box.shown(), (Shown{"notepad", "", 2}));
    EXPECT_EQ(box.selection, (EditSelection{2, 2}));
}

TEST(RefilterAtCaret, WithoutASelectedCandidateTheTextStays) {
    auto store = storeWith({{"notepad", 0}, {"calc", 0}});
    FakeBox box(*store);
    box.text = "notes";
    box.selection = {3, 5};
    // A selected candidate that the new filter leaves out counts as none.
    for (const std::optional<std::size_t> selected : {std::optional<std::size_t>{}, box.indexOf("calc")}) {
        box.listSelection = selected;
        const Reaction reaction = box.apply(refilterAtCaret(box.state, box.view(), *store));
        EXPECT_EQ(reaction.editText, "notes");
        EXPECT_EQ(box.shown(), (Shown{"notes", "es", 3}));
        EXPECT_FALSE(box.listSelection.has_value());
        store->buildMatches("");
    }
}

TEST(RefilterAtCaret, ShiftEmptyTextOrNoItemsOnlyMoveTheMatchLength) {
    auto store = storeWith({{"notepad", 0}});
    FakeBox box(*store);
    box.type("no");
    box.state.shiftDown = true;
    box.selection = {4, 7};
    Reaction reaction = refilterAtCaret(box.state, box.view(), *store);
    EXPECT_EQ(reaction.state.matchLength, 4);
    EXPECT_FALSE(reaction.refillList);
    box.state.shiftDown = false;
    box.text.clear();
    box.selection = {0, 0};
    EXPECT_FALSE(refilterAtCaret(box.state, box.view(), *store).refillList);
    // A store without any item has no list to refill.
    store->removeItem(store->commandNode());
    store->removeItem(store->findByName("notepad"));
    box.text = "no";
    box.selection = {1, 1};
    reaction = refilterAtCaret(box.state, box.view(), *store);
    EXPECT_EQ(reaction.state.matchLength, 1);
    EXPECT_FALSE(reaction.refillList || reaction.editSelection.has_value());
}

TEST(RefilterAtCaret, ACaretInsideACharacterFiltersByWholeCharacters) {
    auto store = storeWith({{"表計算", 0}, {"表示", 0}});
    FakeBox box(*store);
    box.text = "表計算";
    box.selection = {3, 3};  // between the lead and trail byte of "計"
    box.apply(refilterAtCaret(box.state, box.view(), *store));
    EXPECT_EQ(store->currentList().size(), 2u);
    EXPECT_EQ(box.state.matchLength, 2);
}

TEST(TabCycling, WalksTheCandidatesInListOrderKeepingTheCommonBeginning) {
    auto store = storeWith({{"notepad", 0}, {"notebook", 0}});
    FakeBox box(*store);
    box.type("no");
    ASSERT_EQ(box.text, "notebook");  // equal priorities: by name
    box.tab();
    EXPECT_EQ(box.shown(), (Shown{"notepad", "pad", 4}));
    EXPECT_EQ(box.lastStatus.item, store->findByName("notepad"));
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
        EXPECT_TRUE(box.tab().refillList);
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
        EXPECT_FALSE(reaction.refillList || reaction.listSelection || reaction.editSelection);
        EXPECT_EQ(reaction.state, box.state);
    };
    expectNoChange(cycleWithTab(box.state, box.view(), *store));  // empty text
    box.type("no");
    box.selection = {0, 8};  // caret at the start
    expectNoChange(cycleWithTab(box.state, box.view(), *store));
    box.selection = {2, 8};
    store->buildMatches("");  // no name filter
    expectNoChange(cycleWithTab(box.state, box.view(), *store));
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
    half.changed();
    ASSERT_EQ(store->currentList().size(), 2u);
    half.selection = {1, 4};
    EXPECT_FALSE(half.tab().listSelection.has_value());
    EXPECT_EQ(half.text, "表示");
}

TEST(CommonPrefix, CountsWholeCharactersSharedByAllNames) {
    const auto prefix = [](std::initializer_list<const char*> names) {
        std::deque<LauncherItem> items;  // items do not move
        for (const char* name : names) {
            items.emplace_back(data::test::item(ItemType::DataItem, name));
        }
        std::vector<LauncherItem*> pointers;
        for (LauncherItem& each : items) {
            pointers.push_back(&each);
        }
        return commonPrefixLength(pointers);
    };
    // "表" 0x95 0x5C and "評" 0x95 0x5D share their lead byte, not a character.
    EXPECT_EQ(prefix({"表示", "評価"}), 0u);
    EXPECT_EQ(prefix({"ab", "xb"}), 0u);  // the first byte differs
    EXPECT_EQ(prefix({"あい", "あう"}), 2u);
    // Every further name can only shorten the common part.
    EXPECT_EQ(prefix({"abc", "abd", "ab"}), 2u);
    EXPECT_EQ(prefix({"abc", "abd", "axe"}), 1u);
    EXPECT_EQ(prefix({"表示"}), 4u);  // a single candidate: its whole name
    EXPECT_EQ(prefix({}), 0u);
}

template <typename T>
const T& requestOf(const Reaction& reaction) {
    const T* request = std::get_if<T>(&reaction.request);
    EXPECT_NE(request, nullptr);
    static const T none{};
    return request != nullptr ? *request : none;
}

bool noRequest(const Reaction& reaction) {
    return std::holds_alternative<std::monostate>(reaction.request);
}

TEST(ComboKeys, EnterRunsTheListSelectionElseTheItemNamedByTheTextAndEscapeHidesTheBar) {
    auto store = storeWith({{"mail", 10}, {"mail", 80}, {"mailer", 0}});
    FakeBox box(*store);
    box.type("maile");
    const Reaction escape = onComboKeyDown(box.state, key::kEscape, box.view(), *store);
    EXPECT_TRUE(std::holds_alternative<HideBar>(escape.request));
    EXPECT_EQ(escape.state.matchLength, 0);
    EXPECT_TRUE(noRequest(onComboKeyDown(box.state, 'A', box.view(), *store)));
    Reaction reaction = onComboKeyDown(box.state, key::kReturn, box.view(), *store);
    EXPECT_EQ(requestOf<RunItem>(reaction).item->name(), "mailer");
    EXPECT_TRUE(requestOf<RunItem>(reaction).showItemOnFailure);
    // No selection (or one outside the list): the highest-priority item of exactly
    // that name; an unknown name runs nothing and the bar stays.
    store->buildMatches("");
    box.text = "mail";
    for (const std::optional<std::size_t> selection :
         {std::optional<std::size_t>{}, std::optional<std::size_t>{100000}}) {
        box.listSelection = selection;
        reaction = onComboKeyDown(box.state, key::kReturn, box.view(), *store);
        EXPECT_EQ(requestOf<RunItem>(reaction).item->priority(), 80);
    }
    for (const char* unknown : {"mai", ""}) {
        box.text = unknown;
        EXPECT_TRUE(noRequest(onComboKeyDown(box.state, key::kReturn, box.view(), *store))) << unknown;
    }
}

TEST(RequestOutcome, SuccessHidesAndOnlyAFailedEnterKeepsTheItemShown) {
    auto store = storeWith({{"notepad", 0}});
    LauncherItem* notepad = store->findByName("notepad");
    const BoxState state;
    const Request fromEnter = RunItem{.item = notepad, .showItemOnFailure = true};
    const Request fromMenu = afterMenu(notepad);
    EXPECT_FALSE(std::get<RunItem>(fromMenu).showItemOnFailure);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(afterMenu(nullptr)));
    const Reaction failed = afterRequest(state, fromEnter, false);
    EXPECT_TRUE(noRequest(failed));
    EXPECT_EQ(failed.status.item, notepad);
    EXPECT_TRUE(std::holds_alternative<HideBar>(afterRequest(state, fromMenu, true).request));
    EXPECT_EQ(afterRequest(state, fromMenu, false).status.change, StatusChange::Unchanged);
    const Request folder = OpenItemFolder{notepad};
    EXPECT_TRUE(std::holds_alternative<HideBar>(afterRequest(state, folder, true).request));
    EXPECT_TRUE(noRequest(afterRequest(state, folder, false)));
    EXPECT_TRUE(noRequest(afterRequest(state, HideBar{}, true)));
}

TEST(Modifiers, CtrlAndShiftAreTrackedAndCtrlAltEnterOpensTheChosenItemsFolder) {
    auto store = storeWith({{"notepad", 0}});
    FakeBox box(*store);
    box.type("no");
    BoxState state = onEditKeyDown(box.state, key::kControl, false, box.view(), *store).state;
    state = onEditKeyDown(state, key::kShift, false, box.view(), *store).state;
    EXPECT_TRUE(state.ctrlDown && state.shiftDown);
    const Reaction open = onEditKeyDown(state, key::kReturn, true, box.view(), *store);
    EXPECT_EQ(requestOf<OpenItemFolder>(open).item->name(), "notepad");
    EXPECT_TRUE(noRequest(onEditKeyDown(state, key::kReturn, false, box.view(), *store)));     // Ctrl+Enter
    EXPECT_TRUE(noRequest(onEditKeyDown(box.state, key::kReturn, true, box.view(), *store)));  // Alt only
    EXPECT_FALSE(onEditKeyUp(state, key::kControl, box.view(), *store).state.ctrlDown);
    EXPECT_FALSE(onEditKeyUp(state, key::kShift, box.view(), *store).state.shiftDown);
    const BoxState lost = onEditLostFocus(state);
    EXPECT_FALSE(lost.ctrlDown || lost.shiftDown);
    EXPECT_EQ(lost.matchLength, 2);
    EXPECT_EQ(forgetMatchLength(state).matchLength, 0);
}

TEST(EditCharacters, TabIsSwallowedAndCtrlEnterOffersTheFilteredList) {
    auto store = storeWith({{"notepad", 0}, {"notebook", 5}});
    FakeBox box(*store);
    // Nothing typed: no menu, but the line feed is still swallowed.
    for (const unsigned character : {kCharTab, kCharLineFeed}) {
        const Reaction swallowed = onEditChar(box.state, character, *store);
        EXPECT_TRUE(swallowed.swallow && noRequest(swallowed)) << character;
    }
    box.type("no");
    const Reaction offered = onEditChar(box.state, kCharLineFeed, *store);
    EXPECT_TRUE(offered.swallow);
    EXPECT_THAT(data::test::namesOf(requestOf<OfferMenu>(offered).items), ElementsAre("notebook", "notepad"));
    const Reaction letter = onEditChar(box.state, 'x', *store);
    EXPECT_FALSE(letter.swallow || !noRequest(letter));
}

TEST(EditCharacters, AltEnterRunsTheOnlyItemOfTheNameOrOffersAllOfThem) {
    auto store = storeWith({{"solo", 0}});
    const auto addMail = [&](const char* parent) {
        LauncherItem* node =
            store->addToRoot(store->createItem(data::test::item(ItemType::RootItem, parent)));
        return store->addChild(node, store->createItem(data::test::item(ItemType::DataItem, "mail")));
    };
    LauncherItem* mailA = addMail("one");
    LauncherItem* mailB = addMail("two");
    FakeBox box(*store);
    box.text = "mail";
    const Reaction both = onEditSysChar(box.state, kCharReturn, 1, box.view(), *store);
    EXPECT_THAT(requestOf<OfferMenu>(both).items, ElementsAre(mailA, mailB));
    box.text = "solo";
    const Reaction one = onEditSysChar(box.state, kCharReturn, 1, box.view(), *store);
    EXPECT_EQ(requestOf<RunItem>(one).item->name(), "solo");
    EXPECT_FALSE(requestOf<RunItem>(one).showItemOnFailure);
    EXPECT_TRUE(noRequest(onEditSysChar(box.state, kCharReturn, 2, box.view(), *store)));  // auto-repeat
    EXPECT_TRUE(noRequest(onEditSysChar(box.state, 'x', 1, box.view(), *store)));
    box.text = "nothing";
    EXPECT_TRUE(noRequest(onEditSysChar(box.state, kCharReturn, 1, box.view(), *store)));
}

TEST(MouseWheel, OneNotchMovesTheListSelection) {
    const BoxState state;
    EXPECT_EQ(requestOf<PressKey>(onMouseWheel(state, 120)).virtualKey, key::kUp);
    EXPECT_EQ(requestOf<PressKey>(onMouseWheel(state, -120)).virtualKey, key::kDown);
    EXPECT_TRUE(noRequest(onMouseWheel(state, 240)));
}

TEST(MatchLength, SetFromOutsideIsHeldWithinTheTextBuffer) {
    EXPECT_EQ(setMatchLength({}, 511).matchLength, 511);
    EXPECT_EQ(setMatchLength({}, static_cast<std::uintptr_t>(-1)).matchLength, 511);
}

TEST(ListSelection, ShowsTheSelectedCandidateAndForgetsTheTypedPart) {
    auto store = storeWith({{"notepad", 0}, {"notebook", 0}});
    FakeBox box(*store);
    box.type("no");
    box.listSelection = 1;
    const Reaction shown = onListSelectionChanged(box.state, box.view(), *store);
    EXPECT_EQ(shown.status.item->name(), "notepad");
    EXPECT_EQ(shown.state.matchLength, 0);
    box.listSelection = 2;  // past the list
    EXPECT_EQ(onListSelectionChanged(box.state, box.view(), *store).status.change, StatusChange::Unchanged);
}

}  // namespace
}  // namespace zek::box
