#include "core/box/completion.h"

#include <algorithm>
#include <string>

#include "core/box/box_text.h"
#include "core/data/item_store.h"

namespace zek::box {

Reaction completeIncrementally(const BoxState& state, const BoxView& view, data::ItemStore& store) {
    const std::string_view text = boxText(view.text);
    const EditSelection selection = clampSelection(view.selection, text.size());
    const int typed = static_cast<int>(text.size());

    Reaction reaction{.state = state, .refillList = true};
    store.buildMatches(text);

    if (state.matchLength < typed) {
        if (data::LauncherItem* found = store.findFirstMatch(text)) {
            const std::string_view name = found->name();
            // A text ending in the first byte of a double-byte character is completed
            // by that whole character: the selection starts before it, so the typed
            // part never ends inside a character.
            const int kept = static_cast<int>(wholeCharactersWithin(name, text.size()));
            reaction.listSelection = indexIn(store.currentList(), found);
            reaction.editText = name;
            reaction.editSelection = EditSelection{kept, static_cast<int>(name.size())};
            reaction.state.matchLength = kept;
            reaction.status = {StatusChange::ShowItem, found};
            return reaction;
        }
        reaction.status = {StatusChange::ShowNoItem, nullptr};
    } else {
        reaction.state.matchLength = std::max(0, typed - 1);
        data::LauncherItem* named = text.empty() ? nullptr : store.findByName(text);
        if (named != nullptr) {
            reaction.listSelection = indexIn(store.currentList(), named);
            reaction.status = {StatusChange::ShowItem, named};
        } else {
            reaction.status = {StatusChange::ShowNoItem, nullptr};
        }
    }
    reaction.editText = std::string(text);
    reaction.editSelection = selection;
    return reaction;
}

Reaction refilterAtCaret(const BoxState& state, const BoxView& view, data::ItemStore& store) {
    const std::string_view text = boxText(view.text);
    const EditSelection selection = clampSelection(view.selection, text.size());
    const std::size_t caret = wholeCharactersWithin(text, static_cast<std::size_t>(selection.start));
    Reaction reaction{.state = state};
    reaction.state.matchLength = static_cast<int>(caret);
    if (state.shiftDown || text.empty()) {
        return reaction;
    }

    data::LauncherItem* remembered = selectedItem(view, store);
    store.buildMatches(text.substr(0, caret));
    if (store.currentList().empty()) {
        return reaction;
    }
    reaction.refillList = true;
    reaction.listSelection = indexIn(store.currentList(), remembered);
    if (!reaction.listSelection) {
        // Refilling the list emptied the edit field; nothing selected puts a name back.
        reaction.editText = std::string(text);
    }
    reaction.editSelection = selection;
    return reaction;
}

}  // namespace zek::box
