#pragma once
// A stand-in for the combo box and its edit field that applies Reactions the way
// the Win32 adapter does, so that tests can type, delete and press keys in turn.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

#include "core/box/box_input.h"
#include "core/box/box_state.h"
#include "core/box/completion.h"
#include "data/item_test_support.h"

namespace zek::box::test {

using data::ItemType;
using data::LauncherItem;

// The default store (the built-in commands) plus data items at the root.
inline std::unique_ptr<data::ItemStore> storeWith(std::initializer_list<std::pair<std::string, int>> items) {
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
        return apply(completeIncrementally(state, view(), store));
    }

    // Backspace removes the selection, or the byte before the caret.
    Reaction backspace() {
        if (selection.start == selection.end && selection.start > 0) {
            --selection.start;
        }
        text.erase(selection.start, selection.end - selection.start);
        selection.end = selection.start;
        return apply(completeIncrementally(state, view(), store));
    }

    Reaction tab() { return apply(onEditKeyDown(state, key::kTab, false, view(), store)); }

    // Where the item of this name stands in the current list.
    std::optional<std::size_t> indexOf(std::string_view name) const {
        const auto list = store.currentList();
        const auto found = std::ranges::find_if(list, [&](const auto* each) { return each->name() == name; });
        return found == list.end() ? std::nullopt : std::optional<std::size_t>(found - list.begin());
    }

    std::string selectedText() const { return text.substr(selection.start, selection.end - selection.start); }
    // The text, its selected part and how much of it counts as typed.
    std::tuple<std::string, std::string, int> shown() const {
        return {text, selectedText(), state.matchLength};
    }
    std::string shownName() const {
        return lastStatus.item != nullptr ? std::string(lastStatus.item->name()) : "-";
    }
};

}  // namespace zek::box::test
