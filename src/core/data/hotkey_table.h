#pragma once
// The two constant lists from which every hotkey of the program is coded.
//
// A stored hotkey is a pair (first, second) of codes. `first` comes from the
// modifier list: a combination of the RegisterHotKey modifier flags (below 20)
// or the virtual key of a lone key (20 or more, compared unsigned). `second`
// comes from the key list. The row order is the order of the dialogs' combo
// boxes, and the id factors give every hotkey a registration id that no other
// hotkey (nor the global ids 0, 1, 2) can share.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace zek::data {

struct HotkeyRow {
    std::int32_t code;
    // Shift-JIS; a view over a NUL-terminated constant, so text.data() may be
    // handed to C APIs as it is.
    std::string_view text;
    std::int32_t idFactor;
};

// First parts below this (unsigned) are modifier combinations, the others lone keys.
inline constexpr std::uint32_t kFirstLoneKeyCode = 20;

// The modifier list, ending with the "not used" row (code 0). 33 rows.
std::span<const HotkeyRow> modifierRows();
// The key list. 54 rows.
std::span<const HotkeyRow> keyRows();

// Code of the first modifier row whose text equals `text` byte for byte; 0 when none
// (the "not used" row has code 0 as well).
std::int32_t modifierCodeByText(std::string_view text);
// Code of the first key row whose text equals `text`; 0 when none.
std::int32_t keyCodeByText(std::string_view text);

// Text of the first modifier row with `code` (0 gives the "not used" text); nothing
// when no row has it.
std::optional<std::string_view> modifierText(std::int32_t code);
// Text of the first key row with `code`; "" when none.
std::string_view keyText(std::int32_t code);

// True when `first` is a lone key (the second part is then ignored when registering).
constexpr bool isLoneKey(std::int32_t first) {
    return static_cast<std::uint32_t>(first) >= kFirstLoneKeyCode;
}

// Registration id of an item hotkey, or -1 when the pair is no hotkey of the tables.
std::int32_t hotkeyId(std::int32_t first, std::int32_t second);

}  // namespace zek::data
