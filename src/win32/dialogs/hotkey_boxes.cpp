#include "win32/dialogs/hotkey_boxes.h"

#include <span>
#include <string>

#include "core/data/hotkey_table.h"
#include "core/dialogs/item_form.h"

namespace zek::win32 {
namespace {

constexpr std::size_t kHotkeyTextBytes = 64;

// The row of the first entry whose whole text is `text`, -1 when none.
int rowOfText(std::span<const data::HotkeyRow> rows, std::string_view text) {
    for (std::size_t row = 0; row < rows.size(); ++row) {
        if (rows[row].text == text) {
            return static_cast<int>(row);
        }
    }
    return -1;
}

std::string boxText(HWND dialog, int id) {
    std::string text(kHotkeyTextBytes, '\0');
    const int length = ::GetDlgItemTextA(dialog, id, text.data(), static_cast<int>(text.size()));
    text.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
    return text;
}

void fillBox(HWND dialog, int id, std::span<const data::HotkeyRow> rows) {
    for (const data::HotkeyRow& row : rows) {
        ::SendDlgItemMessageA(dialog, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.text.data()));
    }
}

}  // namespace

void HotkeyBoxes::fill() const {
    fillBox(dialog_, firstId_, data::modifierRows());
    fillBox(dialog_, secondId_, data::keyRows());
}

void HotkeyBoxes::select(app::HotkeyPair pair) const {
    const int modifierRow = rowOfText(data::modifierRows(), data::modifierText(pair.first).value_or(""));
    const int keyRow = rowOfText(data::keyRows(), data::keyText(pair.second));
    ::SendDlgItemMessageA(dialog_, firstId_, CB_SETCURSEL, modifierRow, 0);
    ::SendDlgItemMessageA(dialog_, secondId_, CB_SETCURSEL, keyRow, 0);
}

void HotkeyBoxes::update() const {
    const bool keyBoxOn = dialogs::secondHotkeyBoxEnabled(boxText(dialog_, firstId_));
    ::EnableWindow(::GetDlgItem(dialog_, secondId_), keyBoxOn ? TRUE : FALSE);
    if (keyBoxOn && boxText(dialog_, secondId_).empty()) {
        ::SendDlgItemMessageA(dialog_, secondId_, CB_SETCURSEL, 0, 0);
    }
}

dialogs::HotkeyBoxTexts HotkeyBoxes::texts() const {
    return {boxText(dialog_, firstId_), boxText(dialog_, secondId_)};
}

app::HotkeyPair HotkeyBoxes::pair() const {
    const dialogs::HotkeyBoxTexts read = texts();
    return dialogs::hotkeyPairFromBoxes(read.first, read.second);
}

bool sayIfTaken(HWND dialog, bool registered, app::HotkeyPair pair, int focusId) {
    if (registered) {
        return true;
    }
    const std::string message = dialogs::hotkeyTakenMessage(pair);
    ::MessageBoxA(dialog, message.c_str(), app::kHotkeyFailureCaption.data(), MB_ICONERROR);
    ::SetFocus(::GetDlgItem(dialog, focusId));
    return false;
}

}  // namespace zek::win32
