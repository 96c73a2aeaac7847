#pragma once
// Filtering the candidates as the text changes: incremental completion on every
// change of the edit text, and the re-filter at the caret when the user moves it
// with the arrow keys.

#include "core/box/box_state.h"

namespace zek::data {
class ItemStore;
}

namespace zek::box {

// EN_CHANGE of the edit field. The name filter becomes the text. When the user
// added characters the first candidate completes the text in place, its tail
// selected so the next typed character replaces it; after a deletion nothing is
// completed and the text stays as the user left it.
Reaction completeIncrementally(const BoxState& state, const BoxView& view, data::ItemStore& store);

// Key-up of Left or Right: the name filter becomes the text left of the caret; the
// selected candidate stays selected while it is still listed, and the text stays
// as it was. With Shift down only the match length follows the caret.
Reaction refilterAtCaret(const BoxState& state, const BoxView& view, data::ItemStore& store);

}  // namespace zek::box
