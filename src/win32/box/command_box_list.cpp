// The command box's invisible list: the names of the store's current list, kept
// by the box itself and given out through the combo box's own list messages.
#include "win32/box/command_box.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "core/box/box_input.h"
#include "core/data/item_store.h"
#include "core/data/launcher_item.h"
#include "win32/platform/wide_text.h"

namespace zek::win32 {

void CommandBox::fillList() {
    // What was chosen for the picture belongs to the text being cleared.
    pendingStatus_.reset();
    replaceList();
    clearText();
}

void CommandBox::replaceList() {
    selected_ = -1;
    if (!process_.filesOpen()) {
        shown_ = {};
        return;
    }
    const data::ItemStore& store = process_.store();
    shown_ = {.shown = true, .store = store.identity(), .version = store.listVersion()};
}

std::span<data::LauncherItem* const> CommandBox::list() {
    if (!shown_.shown || !process_.filesOpen()) {
        return {};
    }
    const data::ItemStore& store = process_.store();
    if (shown_.store != store.identity() || shown_.version != store.listVersion()) {
        replaceList();
    }
    return store.currentList();
}

LRESULT CommandBox::selectListEntry(WPARAM index) {
    const auto position = static_cast<std::size_t>(index);
    const auto names = list();
    if (index == static_cast<WPARAM>(-1) || position >= names.size()) {
        selected_ = -1;
        clearText();
        return CB_ERR;
    }
    selected_ = static_cast<int>(position);
    applying_ = true;
    ::SendMessageA(edit_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(names[position]->name().data()));
    applying_ = false;
    return selected_;
}

// Up and Down move the selection by one, putting the name into the edit field
// with all of it selected, as a combo box's list does.
void CommandBox::moveListSelection(int step) {
    const auto names = list();
    if (names.empty()) {
        return;
    }
    const int last = static_cast<int>(names.size()) - 1;
    const int next = selected_ < 0 ? 0 : std::clamp(selected_ + step, 0, last);
    if (next == selected_) {
        return;
    }
    selectListEntry(static_cast<WPARAM>(next));
    ::SendMessageA(edit_, EM_SETSEL, 0, -1);
    if (process_.filesOpen()) {
        apply(box::onListSelectionChanged(state_, readView(), process_.store()));
    }
}

std::optional<LRESULT> CommandBox::onListMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const auto names = list();
    const auto index = static_cast<std::size_t>(wParam);
    const bool valid = index < names.size();
    // comctl32 installs its subclass through the Unicode entry, so the combo box
    // may now take its texts in UTF-16; the system converts them for ANSI callers.
    const bool unicode = ::IsWindowUnicode(combo_) != FALSE;
    switch (message) {
        case CB_GETCOUNT:
            return static_cast<LRESULT>(names.size());
        case CB_GETCURSEL:
            return selected_ < 0 ? CB_ERR : selected_;
        case CB_SETCURSEL:
            return selectListEntry(wParam);
        case CB_RESETCONTENT:
            fillList();
            shown_ = {};
            return CB_OKAY;
        case CB_GETLBTEXTLEN:
            if (!valid) {
                return CB_ERR;
            }
            return static_cast<LRESULT>(unicode ? wideText(names[index]->name()).size()
                                                : names[index]->name().size());
        case CB_GETLBTEXT: {
            if (!valid || lParam == 0) {
                return CB_ERR;
            }
            const std::string_view name = names[index]->name();
            if (unicode) {
                const std::wstring wide = wideText(name);
                std::memcpy(reinterpret_cast<wchar_t*>(lParam), wide.c_str(),
                            (wide.size() + 1) * sizeof(wchar_t));
                return static_cast<LRESULT>(wide.size());
            }
            std::memcpy(reinterpret_cast<char*>(lParam), name.data(), name.size() + 1);
            return static_cast<LRESULT>(name.size());
        }
        case CB_FINDSTRINGEXACT: {
            std::string asked;
            if (lParam != 0) {
                asked = unicode ? narrowText(reinterpret_cast<const wchar_t*>(lParam))
                                : std::string(reinterpret_cast<const char*>(lParam));
            }
            const std::string_view wanted = asked;
            for (std::size_t i = 0; i < names.size(); ++i) {
                if (names[i]->name() == wanted) {
                    return static_cast<LRESULT>(i);
                }
            }
            return CB_ERR;
        }
        default:
            return std::nullopt;
    }
}

}  // namespace zek::win32
