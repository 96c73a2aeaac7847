#pragma once
// The keys, characters, wheel and notifications of the command box that decide
// which item or list to act on. The combo box procedure and the edit field
// procedure each call the handler of the message and apply the Reaction.

#include <cstdint>

#include "core/box/box_state.h"

namespace zek::data {
class ItemStore;
class LauncherItem;
}  // namespace zek::data

namespace zek::box {

// LM_SETMATCHLEN; a length outside the text buffer is held at its bounds.
BoxState setMatchLength(BoxState state, std::uintptr_t length);

// The combo box lost the focus or is destroyed: nothing counts as typed any more.
BoxState forgetMatchLength(BoxState state);

// WM_KEYDOWN reaching the combo box. Escape hides the bar; Enter runs the chosen
// item (the list's selection, else the item named by the text), and when the run
// fails the item stays shown. Other keys change nothing.
Reaction onComboKeyDown(const BoxState& state, unsigned virtualKey, const BoxView& view,
                        const data::ItemStore& store);

// The list's selection changed: show the selected candidate; nothing counts as typed.
Reaction onListSelectionChanged(const BoxState& state, const BoxView& view, const data::ItemStore& store);

// WM_KEYDOWN in the edit field: Tab cycles (tab_cycle.h), Ctrl and Shift are
// tracked, Ctrl+Alt+Enter (`altContext`: bit 29 of lParam) opens the chosen item's
// folder.
Reaction onEditKeyDown(const BoxState& state, unsigned virtualKey, bool altContext, const BoxView& view,
                       data::ItemStore& store);

// WM_KEYUP in the edit field: Ctrl and Shift released; Left and Right re-filter at
// the caret (completion.h).
Reaction onEditKeyUp(const BoxState& state, unsigned virtualKey, const BoxView& view, data::ItemStore& store);

// The edit field lost the focus: no modifier counts as held.
BoxState onEditLostFocus(BoxState state);

// WM_CHAR in the edit field. Tab is swallowed (no tab character, no beep); line
// feed (Ctrl+Enter) is swallowed and, while a name filter is set, offers the
// candidates as a menu.
Reaction onEditChar(const BoxState& state, unsigned character, const data::ItemStore& store);

// WM_SYSCHAR in the edit field: Alt+Enter, not repeated, runs the one item named by
// the text or offers the menu of all items of that name.
Reaction onEditSysChar(const BoxState& state, unsigned character, unsigned repeatCount, const BoxView& view,
                       const data::ItemStore& store);

// WM_MOUSEWHEEL: one notch up or down moves the list selection as Up or Down would.
Reaction onMouseWheel(const BoxState& state, int wheelDelta);

// After a RunItem or OpenItemFolder request: success hides the bar; a failed run
// from Enter keeps the item shown.
Reaction afterRequest(const BoxState& state, const Request& request, bool succeeded);

// After an OfferMenu request: run the chosen item (none chosen: nothing).
Request afterMenu(data::LauncherItem* chosen);

}  // namespace zek::box
