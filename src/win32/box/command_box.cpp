#include "win32/box/command_box.h"

#include <commctrl.h>

#include <string>
#include <type_traits>
#include <utility>

#include "core/app/messages.h"
#include "core/box/box_input.h"
#include "core/box/box_text.h"
#include "core/box/completion.h"
#include "core/box/tab_cycle.h"
#include "core/data/item_store.h"
#include "core/data/launcher_item.h"
#include "core/text/character_positions.h"
#include "win32/launch/item_runner.h"

namespace zek::win32 {

namespace {

constexpr DWORD kComboStyle = WS_CHILD | WS_TABSTOP | CBS_SIMPLE | CBS_AUTOHSCROLL;  // 0x40010041
constexpr WORD kListSelectionChanged = 1;
// Where the box lies on the bar, in 96-DPI units: below the panel, right of the instrument.
constexpr display::Corners kBoxPlace{100, 80, 230, 95};

// Each procedure is installed once per control, so one id serves both.
constexpr UINT_PTR kSubclassId = 0;
// Posted to the combo box by showStatus.
constexpr UINT kShowPendingStatus = WM_APP + 1;

CommandBox& boxOf(DWORD_PTR box) {
    return *reinterpret_cast<CommandBox*>(box);
}

}  // namespace

bool CommandBox::create(HWND bar, HFONT font, const display::DpiScale& scale) {
    bar_ = bar;
    const display::Corners place = scale.px(kBoxPlace);
    combo_ = ::CreateWindowExA(0, "COMBOBOX", nullptr, kComboStyle, place.left, place.top,
                               place.right - place.left, place.bottom - place.top, bar, nullptr,
                               process_.instance(), nullptr);
    if (combo_ == nullptr) {
        return false;
    }
    // The edit field is the combo box's own; asking the combo box finds it
    // whatever order its children are listed in.
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (::GetComboBoxInfo(combo_, &info)) {
        edit_ = info.hwndItem;
    }
    // Shown and given its font first: under Wine every message to a subclassed
    // control costs a look-up of its subclass chain, and the box wants none of these.
    ::ShowWindow(combo_, SW_SHOW);
    ::SendMessageA(combo_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    const auto self = reinterpret_cast<DWORD_PTR>(this);
    comboSubclassed_ = ::SetWindowSubclass(combo_, &CommandBox::comboProcedure, kSubclassId, self) != FALSE;
    if (edit_ != nullptr) {
        editSubclassed_ = ::SetWindowSubclass(edit_, &CommandBox::editProcedure, kSubclassId, self) != FALSE;
    }
    return true;
}

void CommandBox::rescale(HFONT font, const display::DpiScale& scale) {
    const display::Corners place = scale.px(kBoxPlace);
    ::SendMessageA(combo_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    ::SetWindowPos(combo_, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

void CommandBox::destroy() {
    if (edit_ != nullptr && editSubclassed_) {
        ::RemoveWindowSubclass(edit_, &CommandBox::editProcedure, kSubclassId);
        editSubclassed_ = false;
    }
    if (combo_ != nullptr && comboSubclassed_) {
        shown_ = {};
        selected_ = -1;
        ::RemoveWindowSubclass(combo_, &CommandBox::comboProcedure, kSubclassId);
        comboSubclassed_ = false;
    }
    state_ = box::forgetMatchLength(state_);
}

void CommandBox::clearText() {
    applying_ = true;
    ::SendMessageA(combo_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    applying_ = false;
}

// Asked of the field itself, not through the combo box, which would pass each
// question on: the view is read on every key.
box::BoxView CommandBox::readView() {
    const HWND field = edit_ != nullptr ? edit_ : combo_;
    char buffer[box::kBoxTextBytes] = {};
    ::SendMessageA(field, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
    text_ = box::boxText(buffer);
    const std::size_t listed = list().size();
    DWORD start = 0;
    DWORD end = 0;
    ::SendMessageA(field, edit_ != nullptr ? EM_GETSEL : CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end));
    box::BoxView view;
    view.text = text_;
    view.selection =
        box::clampSelection(toBytes({static_cast<int>(start), static_cast<int>(end)}, text_), text_.size());
    if (selected_ >= 0 && static_cast<std::size_t>(selected_) < listed) {
        view.listSelection = static_cast<std::size_t>(selected_);
    }
    return view;
}

bool CommandBox::apply(const box::Reaction& reaction) {
    state_ = reaction.state;
    applying_ = true;
    // A new list empties the field and a list selection puts its name there, as a
    // combo box's list does. When the text is set next anyway, neither is done:
    // every setting of the field's text lays it out and repaints it again.
    const bool textFollows = reaction.editText.has_value();
    if (reaction.refillList) {
        replaceList();
        if (!textFollows) {
            clearText();
        }
    }
    if (reaction.listSelection) {
        if (textFollows && *reaction.listSelection < list().size()) {
            selected_ = static_cast<int>(*reaction.listSelection);
        } else {
            ::SendMessageA(combo_, CB_SETCURSEL, *reaction.listSelection, 0);
        }
    }
    if (reaction.editText) {
        ::SendMessageA(edit_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(reaction.editText->c_str()));
    }
    if (reaction.editSelection) {
        char buffer[box::kBoxTextBytes] = {};
        ::SendMessageA(edit_, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
        const box::EditSelection selection = toControlUnits(*reaction.editSelection, buffer);
        ::SendMessageA(edit_, EM_SETSEL, selection.start, selection.end);
    }
    applying_ = false;
    showStatus(reaction.status);
    carryOut(reaction.request);
    return reaction.swallow;
}

// The picture follows the text. Drawing it takes milliseconds, so the key's own
// work comes first: the field repaints now, and the picture is drawn once the key
// is done (a posted message, before any other input is read).
void CommandBox::showStatus(const box::StatusUpdate& update) {
    if (status_ == nullptr || update.change == box::StatusChange::Unchanged) {
        return;
    }
    if (update.change == box::StatusChange::ShowItem && (update.item == nullptr || !process_.filesOpen())) {
        return;
    }
    if (!pendingStatus_) {
        ::PostMessageA(combo_, kShowPendingStatus, 0, 0);
    }
    pendingStatus_ = PendingStatus{update.change};
    if (update.item != nullptr) {
        pendingStatus_->item = process_.store().refOf(*update.item);
    }
    ::UpdateWindow(edit_);
}

void CommandBox::showPendingStatus() {
    const std::optional<PendingStatus> update = std::exchange(pendingStatus_, std::nullopt);
    // A bar hidden meanwhile starts its picture afresh when it is shown again.
    if (!update || status_ == nullptr || ::IsWindowVisible(bar_) == FALSE || !process_.filesOpen()) {
        return;
    }
    // The item was chosen before the message loop that brought this message; if it
    // is gone since, there is nothing of it to show.
    const data::LauncherItem* item = process_.store().find(update->item);
    if (update->change == box::StatusChange::ShowItem && item != nullptr) {
        status_->showItem(*item);
    } else if (update->change != box::StatusChange::Unchanged) {
        status_->showNoItem();
    }
}

void CommandBox::carryOut(const box::Request& request) {
    std::visit(
        [&](const auto& what) {
            using Kind = std::decay_t<decltype(what)>;
            if constexpr (std::is_same_v<Kind, box::HideBar>) {
                ::SendMessageA(bar_, app::LM_HIDEBAR, 0, 0);
            } else if constexpr (std::is_same_v<Kind, box::RunItem>) {
                const data::ItemRef ran = process_.store().refOf(*what.item);
                const bool succeeded = runItem(process_, what.item);
                // The run may have run a message loop (a menu, a message box): what
                // follows asks for the item afresh.
                box::RunItem after = what;
                after.item = process_.store().find(ran);
                apply(box::afterRequest(state_, after, succeeded));
            } else if constexpr (std::is_same_v<Kind, box::OpenItemFolder>) {
                apply(box::afterRequest(state_, request, openItemFolder(process_, what.item)));
            } else if constexpr (std::is_same_v<Kind, box::OfferMenu>) {
                carryOut(box::afterMenu(offerListMenu(process_, what.items)));
            } else if constexpr (std::is_same_v<Kind, box::PressKey>) {
                ::SendMessageA(edit_, WM_KEYDOWN, what.virtualKey, 0);
            }
        },
        request);
}

bool CommandBox::countsCharacters(std::string_view text) const {
    const std::size_t characters = text::characterCount(text);
    if (characters == text.size()) {
        return false;  // single-byte text: both counts agree
    }
    return static_cast<std::size_t>(::SendMessageA(edit_, EM_LINELENGTH, 0, 0)) == characters;
}

box::EditSelection CommandBox::toBytes(box::EditSelection selection, std::string_view text) const {
    if (!countsCharacters(text)) {
        return selection;
    }
    return {static_cast<int>(text::byteOffsetOfCharacter(text, static_cast<std::size_t>(selection.start))),
            static_cast<int>(text::byteOffsetOfCharacter(text, static_cast<std::size_t>(selection.end)))};
}

box::EditSelection CommandBox::toControlUnits(box::EditSelection selection, std::string_view text) const {
    if (!countsCharacters(text)) {
        return selection;
    }
    return {static_cast<int>(text::characterIndexOfByte(text, static_cast<std::size_t>(selection.start))),
            static_cast<int>(text::characterIndexOfByte(text, static_cast<std::size_t>(selection.end)))};
}

// A control destroyed before destroy() runs must not keep a subclass that points here.
LRESULT CALLBACK CommandBox::comboProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                            DWORD_PTR box) {
    if (message == WM_NCDESTROY) {
        ::RemoveWindowSubclass(window, &CommandBox::comboProcedure, kSubclassId);
    }
    return boxOf(box).onComboMessage(message, wParam, lParam);
}

LRESULT CALLBACK CommandBox::editProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                           DWORD_PTR box) {
    if (message == WM_NCDESTROY) {
        ::RemoveWindowSubclass(window, &CommandBox::editProcedure, kSubclassId);
    }
    return boxOf(box).onEditMessage(message, wParam, lParam);
}

LRESULT CommandBox::onComboMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (const auto answer = onListMessage(message, wParam, lParam)) {
        return *answer;
    }
    // The box is made with the bar, before the files are read.
    data::ItemStore* store = process_.filesOpen() ? &process_.store() : nullptr;
    switch (message) {
        case kShowPendingStatus:
            showPendingStatus();
            return 0;
        case app::LM_SETMATCHLEN:
            state_ = box::setMatchLength(state_, wParam);
            break;
        case WM_KILLFOCUS:
            state_ = box::forgetMatchLength(state_);
            break;
        case WM_KEYDOWN:
            // The combo box would hand these on to the field, which takes them itself.
            if (store != nullptr && (wParam == VK_RETURN || wParam == VK_ESCAPE)) {
                onEnterOrEscape(static_cast<unsigned>(wParam), *store);
                return 0;
            }
            break;
        case WM_COMMAND:
            if (store == nullptr || applying_) {
                break;
            }
            if (HIWORD(wParam) == EN_CHANGE) {
                apply(box::completeIncrementally(state_, readView(), *store));
            } else if (HIWORD(wParam) == kListSelectionChanged) {
                apply(box::onListSelectionChanged(state_, readView(), *store));
            }
            break;
        default:
            break;
    }
    return ::DefSubclassProc(combo_, message, wParam, lParam);
}

// The message loop queues a key's character before the key itself is handled. The
// field swallows the characters of Enter and Escape anyway, but a menu opened by
// Enter would take its queued carriage return as a choice and close at once.
void CommandBox::discardQueuedCharacter(char character) {
    MSG queued;
    if (::PeekMessageA(&queued, edit_, WM_CHAR, WM_CHAR, PM_NOREMOVE) &&
        queued.wParam == static_cast<WPARAM>(character)) {
        ::PeekMessageA(&queued, edit_, WM_CHAR, WM_CHAR, PM_REMOVE);
    }
}

void CommandBox::onEnterOrEscape(unsigned key, const data::ItemStore& store) {
    discardQueuedCharacter(key == VK_RETURN ? '\r' : '\x1B');
    apply(box::onComboKeyDown(state_, key, readView(), store));
}

LRESULT CommandBox::onEditMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    data::ItemStore* store = process_.filesOpen() ? &process_.store() : nullptr;
    if (store == nullptr) {
        return ::DefSubclassProc(edit_, message, wParam, lParam);
    }
    const auto key = static_cast<unsigned>(wParam);
    switch (message) {
        case WM_KEYDOWN: {
            if (key == VK_UP || key == VK_DOWN) {
                moveListSelection(key == VK_UP ? -1 : 1);
                return 0;
            }
            const bool altContext = (lParam & (1 << 29)) != 0;
            const bool ctrlWasDown = state_.ctrlDown;
            if (apply(box::onEditKeyDown(state_, key, altContext, readView(), *store))) {
                return 0;
            }
            // With Ctrl held, Enter is Ctrl+Enter or Ctrl+Alt+Enter, which the
            // rules above took.
            if ((key == VK_RETURN && !ctrlWasDown) || key == VK_ESCAPE) {
                onEnterOrEscape(key, *store);
                return 0;
            }
            break;
        }
        case WM_KEYUP:
            if (apply(box::onEditKeyUp(state_, key, readView(), *store))) {
                return 0;
            }
            break;
        case WM_KILLFOCUS:
            state_ = box::onEditLostFocus(state_);
            break;
        case WM_CHAR:
            if (key == VK_RETURN || key == VK_ESCAPE) {
                return 0;  // handled at key-down; no beep
            }
            if (apply(box::onEditChar(state_, key, *store))) {
                return 0;
            }
            break;
        case WM_SYSCHAR:
            if (apply(box::onEditSysChar(state_, key, LOWORD(lParam), readView(), *store))) {
                return 0;
            }
            break;
        case WM_MOUSEWHEEL:
            if (apply(box::onMouseWheel(state_, GET_WHEEL_DELTA_WPARAM(wParam)))) {
                return 0;
            }
            break;
        default:
            break;
    }
    return ::DefSubclassProc(edit_, message, wParam, lParam);
}

}  // namespace zek::win32
