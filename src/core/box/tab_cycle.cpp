#include "core/box/tab_cycle.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "core/box/box_text.h"
#include "core/data/item_store.h"
#include "core/text/sjis_walk.h"

namespace zek::box {
namespace {

// The bytes `a` and `b` share from the start, cut back to a whole character.
std::size_t sharedHead(std::string_view a, std::string_view b) {
    const auto limit = std::min(a.size(), b.size());
    std::size_t same = 0;
    while (same < limit && a[same] == b[same]) {
        ++same;
    }
    return text::headWithinBytes(a, same).size();
}

// The candidate after the first one named exactly like the text, wrapping to the
// first; the first when no name equals the text.
std::size_t afterExactName(std::span<data::LauncherItem* const> list, std::string_view text) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i]->name() == text) {
            return i + 1 < list.size() ? i + 1 : 0;
        }
    }
    return 0;
}

}  // namespace

std::size_t commonPrefixLength(std::span<data::LauncherItem* const> items) {
    if (items.empty()) {
        return 0;
    }
    std::string_view common = items.front()->name();
    for (const data::LauncherItem* item : items.subspan(1)) {
        common = common.substr(0, sharedHead(common, item->name()));
        if (common.empty()) {
            break;
        }
    }
    return common.size();
}

Reaction cycleWithTab(const BoxState& state, const BoxView& view, data::ItemStore& store) {
    Reaction reaction{.state = state};
    const std::string_view text = boxText(view.text);
    const std::size_t typed = wholeCharactersWithin(
        text, static_cast<std::size_t>(clampSelection(view.selection, text.size()).start));
    if (typed == 0 || text.empty() || store.count() == 0 || !store.hasMatches()) {
        return reaction;
    }

    std::size_t index = 0;
    const auto current = store.currentList();
    if (view.listSelection && *view.listSelection < current.size()) {
        index = *view.listSelection + 1 < current.size() ? *view.listSelection + 1 : 0;
    } else {
        store.buildMatches(text.substr(0, typed));
        reaction.refillList = true;
        index = afterExactName(store.currentList(), text);
    }
    const auto list = store.currentList();
    if (list.empty()) {
        return reaction;
    }
    data::LauncherItem* target = list[index];
    reaction.listSelection = index;

    const std::size_t common = std::max(commonPrefixLength(list), typed);
    const std::string_view name = target->name();
    // A stale filter can list names that do not start with the typed part; the
    // selection still starts on a whole character of the name shown.
    const std::size_t kept = wholeCharactersWithin(name, common);
    reaction.editSelection = EditSelection{static_cast<int>(kept), static_cast<int>(name.size())};
    reaction.status = {StatusChange::ShowItem, target};
    reaction.state.matchLength = static_cast<int>(kept);
    return reaction;
}

}  // namespace zek::box
