#pragma once
// Tab in the edit field: walk through the candidates in list order, wrapping
// around, with the beginning shared by all candidates left unselected.

#include <cstddef>
#include <span>

#include "core/box/box_state.h"

namespace zek::data {
class ItemStore;
class LauncherItem;
}  // namespace zek::data

namespace zek::box {

// The length in bytes of the longest beginning, of whole characters, that all names
// share; with a single item the length of its name; 0 for none.
std::size_t commonPrefixLength(std::span<data::LauncherItem* const> items);

// WM_KEYDOWN Tab. Acts only when the typed part (the text before the selection) is
// not empty, the store has items and a name filter is set; otherwise the reaction
// changes nothing. The key is passed on in every case.
Reaction cycleWithTab(const BoxState& state, const BoxView& view, data::ItemStore& store);

}  // namespace zek::box
