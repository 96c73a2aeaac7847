#include "core/data/hotkey_table.h"

#include <algorithm>
#include <array>

namespace zek::data {
namespace {

// Codes 1 to 8 are the RegisterHotKey modifier flags (Alt 1, Ctrl 2, Shift 4,
// Windows 8) and their sums; the others are virtual keys pressed alone. 0xF0 is
// what the CapsLock key sends on Japanese keyboards; 0xB6 and 0xB7 are the
// keyboard's application-launch keys.
constexpr std::array<HotkeyRow, 33> kModifierRows{{
    {1, "Alt", 1},
    {2, "Ctrl", 2},
    {4, "Shift", 3},
    {8, "Windows", 4},
    {3, "Alt + Ctrl", 5},
    {5, "Alt + Shift", 6},
    {6, "Ctrl + Shift", 7},
    {0x70, "F1キーのみ", 1013},
    {0x71, "F2キーのみ", 1019},
    {0x72, "F3キーのみ", 1021},
    {0x73, "F4キーのみ", 1031},
    {0x74, "F5キーのみ", 1033},
    {0x75, "F6キーのみ", 1039},
    {0x76, "F7キーのみ", 1049},
    {0x77, "F8キーのみ", 1051},
    {0x78, "F9キーのみ", 1061},
    {0x79, "F10キーのみ", 1063},
    {0x7A, "F11キーのみ", 1069},
    {0x7B, "F12キーのみ", 1087},
    {0x60, "Num0キーのみ", 1091},
    {0x61, "Num1キーのみ", 1093},
    {0x62, "Num2キーのみ", 1097},
    {0x63, "Num3キーのみ", 1103},
    {0x64, "Num4キーのみ", 1109},
    {0x65, "Num5キーのみ", 1117},
    {0x66, "Num6キーのみ", 1123},
    {0x67, "Num7キーのみ", 1129},
    {0x68, "Num8キーのみ", 1151},
    {0x69, "Num9キーのみ", 1153},
    {0xF0, "CapsLockキーのみ", 1559},
    {0xB6, "ランチャーボタン1", 1567},
    {0xB7, "ランチャーボタン2", 1571},
    {0, "使用しない", 0},
}};

// Factors are the consecutive primes from 11: every product with a modifier factor
// (1 to 7) is then unique and stays below the lone-key factors.
constexpr std::array<HotkeyRow, 54> kKeyRows{{
    {0x20, "Space", 11},
    {0x0D, "Return", 13},
    {0x09, "Tab", 17},
    {0x41, "A", 19},
    {0x42, "B", 23},
    {0x43, "C", 29},
    {0x44, "D", 31},
    {0x45, "E", 37},
    {0x46, "F", 41},
    {0x47, "G", 43},
    {0x48, "H", 47},
    {0x49, "I", 53},
    {0x4A, "J", 59},
    {0x4B, "K", 61},
    {0x4C, "L", 67},
    {0x4D, "M", 71},
    {0x4E, "N", 73},
    {0x4F, "O", 79},
    {0x50, "P", 83},
    {0x51, "Q", 89},
    {0x52, "R", 97},
    {0x53, "S", 101},
    {0x54, "T", 103},
    {0x55, "U", 107},
    {0x56, "V", 109},
    {0x57, "W", 113},
    {0x58, "X", 127},
    {0x59, "Y", 131},
    {0x5A, "Z", 137},
    {0x70, "F1", 139},
    {0x71, "F2", 149},
    {0x72, "F3", 151},
    {0x73, "F4", 157},
    {0x74, "F5", 163},
    {0x75, "F6", 167},
    {0x76, "F7", 173},
    {0x77, "F8", 179},
    {0x78, "F9", 181},
    {0x79, "F10", 191},
    {0x7A, "F11", 193},
    {0x7B, "F12", 197},
    {0x60, "Num0", 199},
    {0x61, "Num1", 211},
    {0x62, "Num2", 223},
    {0x63, "Num3", 227},
    {0x64, "Num4", 229},
    {0x65, "Num5", 233},
    {0x66, "Num6", 239},
    {0x67, "Num7", 241},
    {0x68, "Num8", 251},
    {0x69, "Num9", 257},
    {0xF0, "CapsLock", 263},
    {0xB6, "ランチャーボタン1", 269},
    {0xB7, "ランチャーボタン2", 271},
}};

// The "not used" row closes the modifier list and must never yield an id.
constexpr std::span<const HotkeyRow> kIdModifierRows{kModifierRows.data(), kModifierRows.size() - 1};

const HotkeyRow* findByCode(std::span<const HotkeyRow> rows, std::int32_t code) {
    const auto it = std::ranges::find(rows, code, &HotkeyRow::code);
    return it == rows.end() ? nullptr : &*it;
}

const HotkeyRow* findByText(std::span<const HotkeyRow> rows, std::string_view text) {
    const auto it = std::ranges::find(rows, text, &HotkeyRow::text);
    return it == rows.end() ? nullptr : &*it;
}

}  // namespace

std::span<const HotkeyRow> modifierRows() {
    return kModifierRows;
}

std::span<const HotkeyRow> keyRows() {
    return kKeyRows;
}

std::int32_t modifierCodeByText(std::string_view text) {
    const HotkeyRow* row = findByText(kModifierRows, text);
    return row ? row->code : 0;
}

std::int32_t keyCodeByText(std::string_view text) {
    const HotkeyRow* row = findByText(kKeyRows, text);
    return row ? row->code : 0;
}

std::optional<std::string_view> modifierText(std::int32_t code) {
    const HotkeyRow* row = findByCode(kModifierRows, code);
    if (!row) {
        return std::nullopt;
    }
    return row->text;
}

std::string_view keyText(std::int32_t code) {
    const HotkeyRow* row = findByCode(kKeyRows, code);
    return row ? row->text : std::string_view{""};
}

std::int32_t hotkeyId(std::int32_t first, std::int32_t second) {
    const HotkeyRow* modifier = findByCode(kIdModifierRows, first);
    if (!modifier) {
        return -1;
    }
    if (isLoneKey(first)) {
        return modifier->idFactor;
    }
    const HotkeyRow* key = findByCode(kKeyRows, second);
    return key ? modifier->idFactor * key->idFactor : -1;
}

}  // namespace zek::data
