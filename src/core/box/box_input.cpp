#include "core/box/box_input.h"

#include <vector>

#include "core/box/box_text.h"
#include "core/box/completion.h"
#include "core/box/tab_cycle.h"
#include "core/data/item_store.h"

namespace zek::box {

BoxState setMatchLength(BoxState state, std::uintptr_t length) {
    constexpr auto kLongest = static_cast<std::uintptr_t>(kBoxTextBytes - 1);
    state.matchLength = static_cast<int>(length < kLongest ? length : kLongest);
    return state;
}

BoxState forgetMatchLength(BoxState state) {
    state.matchLength = 0;
    return state;
}

Reaction onComboKeyDown(const BoxState& state, unsigned virtualKey, const BoxView& view,
                        const data::ItemStore& store) {
    Reaction reaction{.state = state};
    if (virtualKey == key::kEscape) {
        reaction.state.matchLength = 0;
        reaction.request = HideBar{};
    } else if (virtualKey == key::kReturn) {
        if (data::LauncherItem* item = chooseItem(view, store)) {
            reaction.request = RunItem{.item = item, .showItemOnFailure = true};
        }
    }
    return reaction;
}

Reaction onListSelectionChanged(const BoxState& state, const BoxView& view, const data::ItemStore& store) {
    Reaction reaction{.state = forgetMatchLength(state)};
    if (data::LauncherItem* item = selectedItem(view, store)) {
        reaction.status = {StatusChange::ShowItem, item};
    }
    return reaction;
}

Reaction onEditKeyDown(const BoxState& state, unsigned virtualKey, bool altContext, const BoxView& view,
                       data::ItemStore& store) {
    Reaction reaction{.state = state};
    switch (virtualKey) {
        case key::kTab:
            return cycleWithTab(state, view, store);
        case key::kControl:
            reaction.state.ctrlDown = true;
            break;
        case key::kShift:
            reaction.state.shiftDown = true;
            break;
        case key::kReturn:
            if (state.ctrlDown && altContext) {
                if (data::LauncherItem* item = chooseItem(view, store)) {
                    reaction.request = OpenItemFolder{item};
                }
            }
            break;
        default:
            break;
    }
    return reaction;
}

Reaction onEditKeyUp(const BoxState& state, unsigned virtualKey, const BoxView& view,
                     data::ItemStore& store) {
    Reaction reaction{.state = state};
    switch (virtualKey) {
        case key::kControl:
            reaction.state.ctrlDown = false;
            break;
        case key::kShift:
            reaction.state.shiftDown = false;
            break;
        case key::kLeft:
        case key::kRight:
            return refilterAtCaret(state, view, store);
        default:
            break;
    }
    return reaction;
}

BoxState onEditLostFocus(BoxState state) {
    state.ctrlDown = false;
    state.shiftDown = false;
    return state;
}

Reaction onEditChar(const BoxState& state, unsigned character, const data::ItemStore& store) {
    Reaction reaction{.state = state};
    if (character == kCharTab) {
        reaction.swallow = true;
    } else if (character == kCharLineFeed) {
        reaction.swallow = true;
        if (store.hasMatches()) {
            const auto list = store.currentList();
            reaction.request = OfferMenu{std::vector<data::LauncherItem*>(list.begin(), list.end())};
        }
    }
    return reaction;
}

Reaction onEditSysChar(const BoxState& state, unsigned character, unsigned repeatCount, const BoxView& view,
                       const data::ItemStore& store) {
    Reaction reaction{.state = state};
    if (character != kCharReturn || repeatCount != 1) {
        return reaction;
    }
    std::vector<data::LauncherItem*> named = store.collectByName(boxText(view.text));
    if (named.size() == 1) {
        reaction.request = RunItem{.item = named.front()};
    } else if (named.size() > 1) {
        reaction.request = OfferMenu{std::move(named)};
    }
    return reaction;
}

Reaction onMouseWheel(const BoxState& state, int wheelDelta) {
    Reaction reaction{.state = state};
    if (wheelDelta == kWheelDelta) {
        reaction.request = PressKey{key::kUp};
    } else if (wheelDelta == -kWheelDelta) {
        reaction.request = PressKey{key::kDown};
    }
    return reaction;
}

Reaction afterRequest(const BoxState& state, const Request& request, bool succeeded) {
    Reaction reaction{.state = state};
    if (succeeded &&
        (std::holds_alternative<RunItem>(request) || std::holds_alternative<OpenItemFolder>(request))) {
        reaction.request = HideBar{};
    } else if (const auto* run = std::get_if<RunItem>(&request); run != nullptr && run->showItemOnFailure) {
        reaction.status = {StatusChange::ShowItem, run->item};
    }
    return reaction;
}

Request afterMenu(data::LauncherItem* chosen) {
    if (chosen == nullptr) {
        return std::monostate{};
    }
    return RunItem{.item = chosen};
}

}  // namespace zek::box
