#include "core/box/box_text.h"

#include <algorithm>

#include "core/data/item_store.h"
#include "core/text/sjis_walk.h"

namespace zek::box {

std::string_view boxText(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    return text::headWithinBytes(text, kBoxTextBytes - 1);
}

EditSelection clampSelection(EditSelection selection, std::size_t textSize) {
    const int limit = static_cast<int>(std::min(textSize, kBoxTextBytes));
    const int start = std::clamp(selection.start, 0, limit);
    const int end = std::clamp(selection.end, 0, limit);
    return {std::min(start, end), std::max(start, end)};
}

std::size_t wholeCharactersWithin(std::string_view text, std::size_t bytes) {
    return text::headWithinBytes(text, bytes).size();
}

std::optional<std::size_t> indexIn(std::span<data::LauncherItem* const> list,
                                   const data::LauncherItem* item) {
    const auto found = std::find(list.begin(), list.end(), item);
    if (item == nullptr || found == list.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - list.begin());
}

data::LauncherItem* selectedItem(const BoxView& view, const data::ItemStore& store) {
    const auto list = store.currentList();
    if (!view.listSelection || *view.listSelection >= list.size()) {
        return nullptr;
    }
    return list[*view.listSelection];
}

data::LauncherItem* chooseItem(const BoxView& view, const data::ItemStore& store) {
    if (data::LauncherItem* selected = selectedItem(view, store)) {
        return selected;
    }
    const std::string_view text = boxText(view.text);
    return text.empty() ? nullptr : store.findByName(text);
}

}  // namespace zek::box
