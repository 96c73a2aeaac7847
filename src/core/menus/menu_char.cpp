#include "core/menus/menu_char.h"

#include <string_view>

#include "core/text/case_fold.h"
#include "core/text/sjis_walk.h"

namespace zek::menus {
namespace {

bool startsWithKey(std::string_view text, std::uint32_t foldedKey, bool doubleByteKey) {
    if (text.empty()) {
        return false;
    }
    const std::uint32_t first =
        doubleByteKey ? text::characterAt(text, 0).value : static_cast<unsigned char>(text.front());
    return text::foldCase(first) == foldedKey;
}

}  // namespace

int findMenuChar(std::uint32_t character, std::span<const MenuRowState> rows, const MenuEntryTable& table) {
    const bool doubleByteKey = character > 0xFF;
    const std::uint32_t key = text::foldCase(character);
    const auto matches = [&](const MenuRowState& row) {
        const MenuEntry* entry = table.entryFor(row.id);
        return entry != nullptr && startsWithKey(entry->text, key, doubleByteKey);
    };

    bool pastHighlight = false;
    for (std::size_t pos = 0; pos < rows.size(); ++pos) {
        if (pastHighlight && matches(rows[pos])) {
            return static_cast<int>(pos);
        }
        if (rows[pos].state == kMenuStateHilite) {
            pastHighlight = true;
        }
    }
    for (std::size_t pos = 0; pos < rows.size(); ++pos) {
        if (matches(rows[pos])) {
            return static_cast<int>(pos);
        }
    }
    return -1;
}

}  // namespace zek::menus
