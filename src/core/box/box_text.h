#pragma once
// Reading the command box: its text as the 512-byte buffer holds it, its selection
// kept inside the text, and the item a command acts on.

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "core/box/box_state.h"

namespace zek::data {
class ItemStore;
}

namespace zek::box {

// Up to the first NUL, at most kBoxTextBytes - 1 bytes, ending on a whole character.
std::string_view boxText(std::string_view text);

// Both ends within [0, textSize], start <= end.
EditSelection clampSelection(EditSelection selection, std::size_t textSize);

// The longest head of `text` of at most `bytes` bytes that ends on a whole character.
std::size_t wholeCharactersWithin(std::string_view text, std::size_t bytes);

// The position of `item` in `list`; none when it is not there.
std::optional<std::size_t> indexIn(std::span<data::LauncherItem* const> list, const data::LauncherItem* item);

// The item at the list's selection when it has one, else the highest-priority item
// named exactly like the text; none when neither exists.
data::LauncherItem* chooseItem(const BoxView& view, const data::ItemStore& store);

// The item at the list's selection; none without a selection inside the current list.
data::LauncherItem* selectedItem(const BoxView& view, const data::ItemStore& store);

}  // namespace zek::box
