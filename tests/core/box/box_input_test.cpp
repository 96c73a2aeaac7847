#include "core/box/box_input.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "box_test_support.h"

namespace zek::box {
namespace {

using data::ItemType;
using data::LauncherItem;
using test::FakeBox;
using test::storeWith;
using ::testing::ElementsAre;

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

TEST(EnterKey, RunsTheListSelectionElseTheItemNamedByTheText) {
    auto store = storeWith({{"mail", 10}, {"mail", 80}, {"mailer", 0}});
    FakeBox box(*store);
    box.type("maile");
    ASSERT_EQ(box.text, "mailer");
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
        EXPECT_EQ(
            requestOf<RunItem>(onComboKeyDown(box.state, key::kReturn, box.view(), *store)).item->priority(),
            80);
    }
    for (const char* unknown : {"mai", ""}) {
        box.text = unknown;
        EXPECT_TRUE(noRequest(onComboKeyDown(box.state, key::kReturn, box.view(), *store))) << unknown;
    }
}

TEST(EnterKey, EscapeHidesTheBarAndForgetsTheTypedPart) {
    auto store = storeWith({{"notepad", 0}});
    FakeBox box(*store);
    box.type("no");
    const Reaction reaction = onComboKeyDown(box.state, key::kEscape, box.view(), *store);
    EXPECT_TRUE(std::holds_alternative<HideBar>(reaction.request));
    EXPECT_EQ(reaction.state.matchLength, 0);
    EXPECT_TRUE(noRequest(onComboKeyDown(box.state, 'A', box.view(), *store)));
}

TEST(RequestOutcome, SuccessHidesAndOnlyAFailedEnterKeepsTheItemShown) {
    auto store = storeWith({{"notepad", 0}});
    LauncherItem* notepad = store->findByName("notepad");
    const BoxState state;
    const Request fromEnter = RunItem{.item = notepad, .showItemOnFailure = true};
    const Request fromMenu = afterMenu(notepad);
    ASSERT_TRUE(std::holds_alternative<RunItem>(fromMenu));
    EXPECT_FALSE(std::get<RunItem>(fromMenu).showItemOnFailure);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(afterMenu(nullptr)));

    EXPECT_TRUE(std::holds_alternative<HideBar>(afterRequest(state, fromEnter, true).request));
    const Reaction failed = afterRequest(state, fromEnter, false);
    EXPECT_TRUE(noRequest(failed));
    EXPECT_EQ(failed.status.change, StatusChange::ShowItem);
    EXPECT_EQ(failed.status.item, notepad);
    EXPECT_TRUE(std::holds_alternative<HideBar>(afterRequest(state, fromMenu, true).request));
    EXPECT_EQ(afterRequest(state, fromMenu, false).status.change, StatusChange::Unchanged);

    const Request folder = OpenItemFolder{notepad};
    EXPECT_TRUE(std::holds_alternative<HideBar>(afterRequest(state, folder, true).request));
    EXPECT_TRUE(noRequest(afterRequest(state, folder, false)));
    EXPECT_TRUE(noRequest(afterRequest(state, HideBar{}, true)));
}

TEST(Modifiers, CtrlAndShiftAreTrackedAndForgottenWithTheFocus) {
    auto store = storeWith({});
    FakeBox box(*store);
    BoxState state = onEditKeyDown(box.state, key::kControl, false, box.view(), *store).state;
    state = onEditKeyDown(state, key::kShift, false, box.view(), *store).state;
    EXPECT_TRUE(state.ctrlDown && state.shiftDown);
    EXPECT_FALSE(onEditKeyUp(state, key::kControl, box.view(), *store).state.ctrlDown);
    EXPECT_FALSE(onEditKeyUp(state, key::kShift, box.view(), *store).state.shiftDown);
    state.matchLength = 3;
    const BoxState lost = onEditLostFocus(state);
    EXPECT_FALSE(lost.ctrlDown || lost.shiftDown);
    EXPECT_EQ(lost.matchLength, 3);
    EXPECT_EQ(forgetMatchLength(state).matchLength, 0);
}

TEST(Modifiers, CtrlAltEnterOpensTheChosenItemsFolder) {
    auto store = storeWith({{"notepad", 0}});
    FakeBox box(*store);
    box.type("no");
    BoxState ctrl = box.state;
    ctrl.ctrlDown = true;
    const Reaction open = onEditKeyDown(ctrl, key::kReturn, true, box.view(), *store);
    EXPECT_EQ(requestOf<OpenItemFolder>(open).item->name(), "notepad");
    EXPECT_TRUE(noRequest(onEditKeyDown(ctrl, key::kReturn, false, box.view(), *store)));      // Ctrl+Enter
    EXPECT_TRUE(noRequest(onEditKeyDown(box.state, key::kReturn, true, box.view(), *store)));  // Alt only
    box.text = "unknown";
    box.listSelection.reset();
    EXPECT_TRUE(noRequest(onEditKeyDown(ctrl, key::kReturn, true, box.view(), *store)));
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
    std::vector<std::string> names;
    for (const LauncherItem* each : requestOf<OfferMenu>(offered).items) {
        names.emplace_back(each->name());
    }
    EXPECT_THAT(names, ElementsAre("notebook", "notepad"));

    const Reaction letter = onEditChar(box.state, 'x', *store);
    EXPECT_FALSE(letter.swallow || !noRequest(letter));
}

TEST(EditCharacters, AltEnterRunsTheOnlyItemOfTheNameOrOffersAllOfThem) {
    auto store = storeWith({{"solo", 0}});
    LauncherItem* first = store->addToRoot(store->createItem(data::test::item(ItemType::RootItem, "one")));
    LauncherItem* second = store->addToRoot(store->createItem(data::test::item(ItemType::RootItem, "two")));
    LauncherItem* mailA =
        store->addChild(first, store->createItem(data::test::item(ItemType::DataItem, "mail")));
    LauncherItem* mailB =
        store->addChild(second, store->createItem(data::test::item(ItemType::DataItem, "mail")));
    FakeBox box(*store);

    box.text = "mail";
    const Reaction both = onEditSysChar(box.state, kCharReturn, 1, box.view(), *store);
    EXPECT_THAT(requestOf<OfferMenu>(both).items, ElementsAre(mailA, mailB));
    EXPECT_FALSE(both.swallow);

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
    for (int delta : {0, 60, 240, -240, 32767}) {
        EXPECT_TRUE(noRequest(onMouseWheel(state, delta))) << delta;
    }
}

TEST(MatchLength, SetFromOutsideIsHeldWithinTheTextBuffer) {
    const BoxState state;
    EXPECT_EQ(setMatchLength(state, 4).matchLength, 4);
    EXPECT_EQ(setMatchLength(state, 100000).matchLength, 511);
    EXPECT_EQ(setMatchLength(state, static_cast<std::uintptr_t>(-1)).matchLength, 511);
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
    const Reaction none = onListSelectionChanged(box.state, box.view(), *store);
    EXPECT_EQ(none.status.change, StatusChange::Unchanged);
    EXPECT_EQ(none.state.matchLength, 0);
}

}  // namespace
}  // namespace zek::box
