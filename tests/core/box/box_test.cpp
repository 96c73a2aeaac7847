#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
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

// A combo box over the default store (the built-in commands) plus data items at the root.
struct FakeBox {
    std::unique_ptr<data::ItemStore> owned = data::test::defaultStore();
    data::ItemStore& store = *owned;
    BoxState state;
    std::string text;
    EditSelection selection;
    std::optional<std::size_t> listSelection;
    StatusUpdate lastStatus;

    explicit FakeBox(std::initializer_list<std::pair<std::string, int>> items) {
        for (const auto& [name, priority] : items) {
            add(name, priority);
        }
    }
    LauncherItem* add(std::string name, int priority = 0, ItemType type = ItemType::DataItem) {
        return store.addToRoot(store.createItem(data::test::item(type, std::move(name), priority)));
    }
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
        text = reaction.editText.value_or(text);
        selection = reaction.editSelection.value_or(selection);
        if (reaction.status.change != StatusChange::Unchanged) {
            lastStatus = reaction.status;
        }
        return reaction;
    }
    void put(std::string newText, int start, int end) {
        text = std::move(newText);
        selection = {start, end};
    }
    // Typing replaces the selection, then the edit field reports the change.
    Reaction type(std::string_view typed) {
        text.replace(selection.start, selection.end - selection.start, typed);
        selection.start = selection.end = selection.start + static_cast<int>(typed.size());
        return changed();
    }
    Reaction changed() { return apply(completeIncrementally(state, view(), store)); }
    Reaction refilter() { return apply(refilterAtCaret(state, view(), store)); }
    Reaction tab() { return apply(onEditKeyDown(state, key::kTab, false, view(), store)); }
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

TEST(IncrementalCompletion, CompletesTheOnlyCandidateWithItsTailSelectedButNotAfterADeletion) {
    FakeBox box({{"notepad", 0}, {"mail", 10}, {"mailer", 0}});
    box.type("n");
    box.type("o");
    EXPECT_EQ(box.shown(), (Shown{"notepad", "tepad", 2}));
    EXPECT_EQ(box.lastStatus.item, box.store.findByName("notepad"));
    EXPECT_EQ(box.listSelection, box.indexOf("notepad"));
    // Backspace removes the completed part and nothing is completed again ...
    box.put("no", 2, 2);
    const Reaction removed = box.changed();
    EXPECT_EQ(box.shown(), (Shown{"no", "", 1}));
    EXPECT_EQ(removed.status.change, StatusChange::ShowNoItem);
    EXPECT_TRUE(removed.refillList);
    // ... until the next character is typed.
    box.type("t");
    EXPECT_EQ(box.shown(), (Shown{"notepad", "epad", 3}));
    // After a deletion an exact name is selected, not completed.
    box.put("mail", 4, 4);
    box.state.matchLength = 5;  // "mailx" was typed, then x deleted
    const Reaction reaction = box.changed();
    EXPECT_EQ(box.shown(), (Shown{"mail", "", 3}));
    EXPECT_EQ(box.lastStatus.item, box.store.findByName("mail"));
    EXPECT_EQ(reaction.listSelection, box.indexOf("mail"));
    // Deleting everything leaves nothing typed, not a negative length.
    box.put("", 0, 0);
    box.changed();
    EXPECT_EQ(box.state.matchLength, 0);
    EXPECT_FALSE(box.store.hasMatches());
}

TEST(IncrementalCompletion, UnknownTextIsPutBackWithItsSelection) {
    FakeBox box({{"notepad", 0}});
    box.put("zz", 2, 0);  // a selection made leftwards comes back in order
    const Reaction unknown = box.changed();
    EXPECT_EQ(unknown.status.change, StatusChange::ShowNoItem);
    EXPECT_EQ(unknown.editText, "zz");  // refilling the list emptied the edit field
    EXPECT_EQ(box.shown(), (Shown{"zz", "zz", 0}));
    EXPECT_FALSE(box.store.hasMatches());  // the list falls back to every item
    // Overlong or odd input stays within the text buffer.
    box.put(std::string(700, 'b'), -3, 9999);
    box.changed();
    EXPECT_EQ(box.text, std::string(kBoxTextBytes - 1, 'b'));
    EXPECT_EQ(box.selection, (EditSelection{0, 511}));
    EXPECT_EQ(boxText(std::string_view("ab\0c", 4)), "ab");
}

TEST(RefilterAtCaret, FiltersByTheTextLeftOfTheCaretAndKeepsTheSelectedCandidate) {
    FakeBox box({{"notepad", 0}, {"notebook", 0}, {"nodes", 0}, {"calc", 0}, {"表計算", 0}, {"表示", 0}});
    box.type("notep");
    box.selection = {2, 2};  // caret moved left
    const Reaction reaction = box.refilter();
    EXPECT_TRUE(reaction.refillList);
    EXPECT_EQ(box.store.currentList().size(), 3u);  // everything beginning with "no"
    EXPECT_EQ(box.listSelection, box.indexOf("notepad"));
    EXPECT_FALSE(reaction.editText.has_value());
    EXPECT_EQ(box.shown(), (Shown{"notepad", "", 2}));
    // With a selected candidate the new filter leaves out, the text stays.
    box.store.buildMatches("");
    box.put("notes", 3, 5);
    box.listSelection = box.indexOf("calc");
    EXPECT_EQ(box.refilter().editText, "notes");
    EXPECT_EQ(box.shown(), (Shown{"notes", "es", 3}));
    EXPECT_FALSE(box.listSelection.has_value());
    box.put("表計算", 3, 3);  // between the lead and trail byte of "計"
    box.refilter();
    EXPECT_EQ(box.store.currentList().size(), 2u);
    EXPECT_EQ(box.state.matchLength, 2);
}

TEST(RefilterAtCaret, ShiftEmptyTextOrNoItemsOnlyMoveTheMatchLength) {
    FakeBox box({});
    box.state.shiftDown = true;
    box.put("notepad", 4, 7);
    Reaction reaction = refilterAtCaret(box.state, box.view(), box.store);
    EXPECT_EQ(reaction.state.matchLength, 4);
    EXPECT_FALSE(reaction.refillList);
    box.state.shiftDown = false;
    box.put("", 0, 0);
    EXPECT_FALSE(refilterAtCaret(box.state, box.view(), box.store).refillList);
    // A store without any item has no list to refill.
    box.store.removeItem(box.store.commandNode());
    box.put("no", 1, 1);
    reaction = refilterAtCaret(box.state, box.view(), box.store);
    EXPECT_EQ(reaction.state.matchLength, 1);
    EXPECT_FALSE(reaction.refillList || reaction.editSelection.has_value());
}

TEST(TabCycling, WalksTheCandidatesInListOrderKeepingTheCommonBeginningOfWholeCharacters) {
    FakeBox box({{"notepad", 0}, {"notebook", 0}, {"あい", 0}, {"あう", 0}});
    box.type("no");
    ASSERT_EQ(box.text, "notebook");  // equal priorities: by name
    box.tab();
    EXPECT_EQ(box.shown(), (Shown{"notepad", "pad", 4}));
    EXPECT_EQ(box.lastStatus.item, box.store.findByName("notepad"));
    box.tab();  // wraps to the first
    EXPECT_EQ(box.shown(), (Shown{"notebook", "book", 4}));
    // Typing after the common part completes from there.
    box.type("p");
    EXPECT_EQ(box.shown(), (Shown{"notepad", "ad", 5}));
    box.state = {};
    box.put("あ", 2, 2);
    box.changed();
    ASSERT_EQ(box.text, "あい");
    box.tab();
    EXPECT_EQ(box.shown(), (Shown{"あう", "う", 2}));
}

TEST(TabCycling, WithoutAListSelectionStartsAfterTheExactName) {
    const auto tabFrom = [](std::string text, int typed, std::optional<std::size_t> listSelection = {}) {
        FakeBox box({{"notepad", 0}, {"notebook", 0}, {"nodes", 0}});
        box.type(text.substr(0, typed));
        box.put(text, typed, static_cast<int>(text.size()));
        box.listSelection = listSelection;
        EXPECT_TRUE(box.tab().refillList);
        return box.text;
    };
    // Candidates of "no": nodes, notebook, notepad.
    EXPECT_EQ(tabFrom("notebook", 2), "notepad");
    EXPECT_EQ(tabFrom("notepad", 2), "nodes");     // the last wraps to the first
    EXPECT_EQ(tabFrom("nozzle", 2), "nodes");      // no exact name: the first
    EXPECT_EQ(tabFrom("notepad", 4), "notebook");  // filtered by "note" now
    // A stale list selection beyond the list counts as none.
    EXPECT_EQ(tabFrom("notebook", 4, 57), "notepad");
}

TEST(TabCycling, DoesNothingWithoutAWholeTypedCharacterOrFilter) {
    FakeBox box({{"notepad", 0}, {"notebook", 0}, {"表示", 0}, {"評価", 0}});
    const auto expectNoChange = [&](const Reaction& reaction) {
        EXPECT_FALSE(reaction.refillList || reaction.listSelection || reaction.editSelection);
        EXPECT_EQ(reaction.state, box.state);
    };
    box.type("no");
    box.selection = {0, 8};  // caret at the start
    expectNoChange(cycleWithTab(box.state, box.view(), box.store));
    // "表" and "評" share only their lead byte: a caret after it has typed no whole character.
    box.put("表示", 1, 4);
    expectNoChange(cycleWithTab(box.state, box.view(), box.store));
    box.put("notebook", 2, 8);
    box.store.buildMatches("");  // no name filter
    expectNoChange(cycleWithTab(box.state, box.view(), box.store));
}

TEST(CommonPrefix, CountsWholeCharactersSharedByAllNames) {
    const auto prefix = [](std::initializer_list<const char*> names) {
        FakeBox box({});
        std::vector<LauncherItem*> items;
        for (const char* name : names) {
            items.push_back(box.add(name));
        }
        return commonPrefixLength(items);
    };
    // "表" 0x95 0x5C and "評" 0x95 0x5D share their lead byte, not a character.
    EXPECT_EQ(prefix({"表示", "評価"}), 0u);
    EXPECT_EQ(prefix({"ab", "xb"}), 0u);  // the first byte differs
    // Every further name can only shorten the common part.
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
    FakeBox box({{"mail", 10}, {"mail", 80}, {"mailer", 0}});
    box.type("maile");
    const Reaction escape = onComboKeyDown(box.state, key::kEscape, box.view(), box.store);
    EXPECT_TRUE(std::holds_alternative<HideBar>(escape.request));
    EXPECT_EQ(escape.state.matchLength, 0);
    EXPECT_TRUE(noRequest(onComboKeyDown(box.state, 'A', box.view(), box.store)));
    Reaction reaction = onComboKeyDown(box.state, key::kReturn, box.view(), box.store);
    EXPECT_EQ(requestOf<RunItem>(reaction).item->name(), "mailer");
    EXPECT_TRUE(requestOf<RunItem>(reaction).showItemOnFailure);
    // Picking a candidate in the list shows it and forgets the typed part.
    const Reaction picked = onListSelectionChanged(box.state, box.view(), box.store);
    EXPECT_EQ(picked.status.item->name(), "mailer");
    EXPECT_EQ(picked.state.matchLength, 0);
    box.listSelection = 1;  // past the list
    EXPECT_EQ(onListSelectionChanged(box.state, box.view(), box.store).status.change,
              StatusChange::Unchanged);
    // A selection outside the list: the highest-priority item of exactly that name;
    // an unknown name runs nothing and the bar stays.
    box.store.buildMatches("");
    box.text = "mail";
    box.listSelection = 100000;
    reaction = onComboKeyDown(box.state, key::kReturn, box.view(), box.store);
    EXPECT_EQ(requestOf<RunItem>(reaction).item->priority(), 80);
    for (const char* unknown : {"mai", ""}) {
        box.text = unknown;
        EXPECT_TRUE(noRequest(onComboKeyDown(box.state, key::kReturn, box.view(), box.store))) << unknown;
    }
    // One notch of the wheel moves the list selection.
    EXPECT_EQ(requestOf<PressKey>(onMouseWheel(box.state, 120)).virtualKey, key::kUp);
    EXPECT_EQ(requestOf<PressKey>(onMouseWheel(box.state, -120)).virtualKey, key::kDown);
    EXPECT_TRUE(noRequest(onMouseWheel(box.state, 240)));
}

TEST(RequestOutcome, SuccessHidesAndOnlyAFailedEnterKeepsTheItemShown) {
    FakeBox box({{"notepad", 0}});
    LauncherItem* notepad = box.store.findByName("notepad");
    const BoxState state;
    const Request fromEnter = RunItem{.item = notepad, .showItemOnFailure = true};
    const Request fromMenu = afterMenu(notepad);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(afterMenu(nullptr)));
    const Reaction failed = afterRequest(state, fromEnter, false);
    EXPECT_TRUE(noRequest(failed));
    EXPECT_EQ(failed.status.item, notepad);
    EXPECT_TRUE(std::holds_alternative<HideBar>(afterRequest(state, fromMenu, true).request));
    EXPECT_EQ(afterRequest(state, fromMenu, false).status.change, StatusChange::Unchanged);
    const Request folder = OpenItemFolder{notepad};
    EXPECT_TRUE(std::holds_alternative<HideBar>(afterRequest(state, folder, true).request));
    EXPECT_TRUE(noRequest(afterRequest(state, folder, false)));
}

TEST(Modifiers, CtrlAndShiftAreTrackedAndCtrlAltEnterOpensTheChosenItemsFolder) {
    FakeBox box({{"notepad", 0}});
    box.type("no");
    BoxState state = onEditKeyDown(box.state, key::kControl, false, box.view(), box.store).state;
    state = onEditKeyDown(state, key::kShift, false, box.view(), box.store).state;
    EXPECT_TRUE(state.ctrlDown && state.shiftDown);
    const Reaction open = onEditKeyDown(state, key::kReturn, true, box.view(), box.store);
    EXPECT_EQ(requestOf<OpenItemFolder>(open).item->name(), "notepad");
    EXPECT_TRUE(noRequest(onEditKeyDown(state, key::kReturn, false, box.view(), box.store)));  // Ctrl+Enter
    EXPECT_TRUE(noRequest(onEditKeyDown(box.state, key::kReturn, true, box.view(), box.store)));  // Alt only
    EXPECT_FALSE(onEditKeyUp(state, key::kControl, box.view(), box.store).state.ctrlDown);
    EXPECT_FALSE(onEditKeyUp(state, key::kShift, box.view(), box.store).state.shiftDown);
    const BoxState lost = onEditLostFocus(state);
    EXPECT_FALSE(lost.ctrlDown || lost.shiftDown);
    // A length set from outside is held within the text buffer.
    EXPECT_EQ(setMatchLength({}, 511).matchLength, 511);
    EXPECT_EQ(setMatchLength({}, static_cast<std::uintptr_t>(-1)).matchLength, 511);
}

TEST(EditCharacters, TabIsSwallowedCtrlEnterOffersTheFilteredListAndAltEnterTheItemsOfTheName) {
    FakeBox box({{"notepad", 0}, {"notebook", 5}, {"solo", 0}});
    // Nothing typed: no menu, but the line feed is still swallowed.
    EXPECT_TRUE(onEditChar(box.state, kCharTab, box.store).swallow);
    const Reaction nothingOffered = onEditChar(box.state, kCharLineFeed, box.store);
    EXPECT_TRUE(nothingOffered.swallow && noRequest(nothingOffered));
    box.type("no");
    const Reaction offered = onEditChar(box.state, kCharLineFeed, box.store);
    EXPECT_TRUE(offered.swallow);
    EXPECT_THAT(data::test::namesOf(requestOf<OfferMenu>(offered).items), ElementsAre("notebook", "notepad"));
    const Reaction letter = onEditChar(box.state, 'x', box.store);
    EXPECT_FALSE(letter.swallow || !noRequest(letter));
    // Alt+Enter runs the only item of the name, or offers all of them.
    const auto addMail = [&](const char* parent) {
        LauncherItem* node = box.add(parent, 0, ItemType::RootItem);
        return box.store.addChild(node, box.store.createItem(data::test::item(ItemType::DataItem, "mail")));
    };
    LauncherItem* mailA = addMail("one");
    LauncherItem* mailB = addMail("two");
    box.text = "mail";
    const Reaction both = onEditSysChar(box.state, kCharReturn, 1, box.view(), box.store);
    EXPECT_THAT(requestOf<OfferMenu>(both).items, ElementsAre(mailA, mailB));
    box.text = "solo";
    const Reaction one = onEditSysChar(box.state, kCharReturn, 1, box.view(), box.store);
    EXPECT_EQ(requestOf<RunItem>(one).item->name(), "solo");
    EXPECT_FALSE(requestOf<RunItem>(one).showItemOnFailure);
    EXPECT_TRUE(noRequest(onEditSysChar(box.state, kCharReturn, 2, box.view(), box.store)));  // auto-repeat
    EXPECT_TRUE(noRequest(onEditSysChar(box.state, 'x', 1, box.view(), box.store)));
    box.text = "nothing";
    EXPECT_TRUE(noRequest(onEditSysChar(box.state, kCharReturn, 1, box.view(), box.store)));
}

}  // namespace
}  // namespace zek::box
