#include "core/box/completion.h"

#include <gtest/gtest.h>

#include "box_test_support.h"
#include "core/box/box_text.h"

namespace zek::box {
namespace {

using test::FakeBox;
using test::storeWith;
using Shown = std::tuple<std::string, std::string, int>;

TEST(IncrementalCompletion, CompletesTheOnlyCandidateWithItsTailSelected) {
    auto store = storeWith({{"notepad", 0}});
    FakeBox box(*store);
    box.type("n");
    box.type("o");
    EXPECT_EQ(box.shown(), (Shown{"notepad", "tepad", 2}));
    EXPECT_EQ(box.shownName(), "notepad");
    EXPECT_EQ(box.listSelection, box.indexOf("notepad"));

    // Backspace removes the completed part and nothing is completed again ...
    const Reaction removed = box.backspace();
    EXPECT_EQ(box.shown(), (Shown{"no", "", 1}));
    EXPECT_EQ(box.selection, (EditSelection{2, 2}));
    EXPECT_EQ(removed.status.change, StatusChange::ShowNoItem);
    EXPECT_TRUE(removed.refillList);
    // ... until the next character is typed.
    box.type("t");
    EXPECT_EQ(box.shown(), (Shown{"notepad", "epad", 3}));
}

TEST(IncrementalCompletion, TheHighestPriorityCandidateCompletes) {
    auto store = storeWith({{"note", 0}, {"notepad", 50}});
    FakeBox box(*store);
    box.type("no");
    EXPECT_EQ(box.text, "notepad");
    EXPECT_EQ(box.listSelection, 0u);
    EXPECT_EQ(store->currentList().size(), 2u);
}

TEST(IncrementalCompletion, UnknownTextIsPutBackWithItsSelection) {
    auto store = storeWith({{"notepad", 0}});
    FakeBox box(*store);
    box.text = "zz";
    box.selection = {2, 0};  // a selection made leftwards comes back in order
    EXPECT_EQ(completeIncrementally(box.state, box.view(), *store).editSelection, (EditSelection{0, 2}));
    box.selection = {1, 2};
    const Reaction reaction = box.apply(completeIncrementally(box.state, box.view(), *store));
    EXPECT_EQ(reaction.editText, "zz");
    EXPECT_EQ(reaction.editSelection, (EditSelection{1, 2}));
    EXPECT_EQ(reaction.status.change, StatusChange::ShowNoItem);
    EXPECT_FALSE(reaction.listSelection.has_value());
    EXPECT_FALSE(store->hasMatches());  // the list falls back to every item
    EXPECT_EQ(box.state.matchLength, 0);
}

TEST(IncrementalCompletion, AfterADeletionAnExactNameIsSelectedButNotCompleted) {
    auto store = storeWith({{"mail", 10}, {"mailer", 0}});
    FakeBox box(*store);
    box.text = "mail";
    box.selection = {4, 4};
    box.state.matchLength = 5;  // "mailx" was typed, then x deleted
    const Reaction reaction = box.apply(completeIncrementally(box.state, box.view(), *store));
    EXPECT_EQ(box.shown(), (Shown{"mail", "", 3}));
    EXPECT_EQ(box.selection, (EditSelection{4, 4}));
    EXPECT_EQ(box.shownName(), "mail");
    EXPECT_EQ(reaction.listSelection, box.indexOf("mail"));

    // Deleting everything leaves nothing typed, not a negative length.
    box.text.clear();
    box.selection = {0, 0};
    box.apply(completeIncrementally(box.state, box.view(), *store));
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
    half.apply(completeIncrementally(half.state, half.view(), *store));
    EXPECT_EQ(half.shown(), (Shown{"ソフト", "ソフト", 0}));
    // Typing over it completes again.
    half.type("ソ");
    EXPECT_EQ(half.shown(), (Shown{"ソフト", "フト", 2}));
}

TEST(IncrementalCompletion, OverlongOrOddInputStaysWithinTheTextBuffer) {
    auto store = storeWith({{std::string(600, 'a'), 0}});
    FakeBox box(*store);
    box.text = std::string(700, 'b');
    box.selection = {-3, 9999};
    Reaction reaction = completeIncrementally(box.state, box.view(), *store);
    EXPECT_EQ(reaction.editText, std::string(kBoxTextBytes - 1, 'b'));
    EXPECT_EQ(reaction.editSelection, (EditSelection{0, 511}));

    // The typed part is read as the buffer holds it, as far as the store holds a
    // name (511 bytes, what the data file keeps).
    box.text = std::string(700, 'a');
    reaction = completeIncrementally(box.state, box.view(), *store);
    EXPECT_EQ(reaction.editSelection, (EditSelection{511, 511}));
    EXPECT_EQ(reaction.state.matchLength, 511);

    std::string wide;
    for (int i = 0; i < 300; ++i) {
        wide += "表";
    }
    EXPECT_EQ(boxText(wide), wide.substr(0, 510));
    EXPECT_EQ(boxText(std::string_view("ab\0c", 4)), "ab");
}

TEST(RefilterAtCaret, FiltersByTheTextLeftOfTheCaretAndKeepsTheSelectedCandidate) {
    auto store = storeWith({{"notepad", 0}, {"notebook", 0}, {"nodes", 0}});
    FakeBox box(*store);
    box.type("notep");
    ASSERT_EQ(box.text, "notepad");
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
    EXPECT_EQ(store->currentList().size(), 1u);  // filter untouched

    box.state.shiftDown = false;
    box.text.clear();
    box.selection = {0, 0};
    reaction = refilterAtCaret(box.state, box.view(), *store);
    EXPECT_EQ(reaction.state.matchLength, 0);
    EXPECT_FALSE(reaction.refillList);

    // A store without any item has no list to refill.
    store->removeItem(store->commandNode());
    store->removeItem(store->findByName("notepad"));
    ASSERT_EQ(store->count(), 0);
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
    const Reaction reaction = box.apply(refilterAtCaret(box.state, box.view(), *store));
    EXPECT_EQ(store->currentList().size(), 2u);
    EXPECT_EQ(box.state.matchLength, 2);
    EXPECT_EQ(reaction.editText, "表計算");
}

}  // namespace
}  // namespace zek::box
