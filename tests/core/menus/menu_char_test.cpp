#include "core/menus/menu_char.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zek::menus {
namespace {

// A submenu whose rows are the entries 1..n of the table, in that order.
struct Submenu {
    MenuEntryTable table;
    std::vector<MenuRowState> rows;

    explicit Submenu(const std::vector<std::string_view>& texts) {
        for (std::string_view text : texts) {
            table.addEntry(text, 0, MenuTarget{.window = 1});
            rows.push_back({0, table.entryCount()});
        }
    }
    int press(std::uint32_t character) const { return findMenuChar(character, rows, table); }
};

TEST(FindMenuChar, FindsTheNextRowBelowTheHighlightWhoseFirstCharacterMatches) {
    const std::vector<std::string_view> ab{"Alpha", "beta", "Bravo", "Beta"};
    const std::vector<std::string_view> mnemonics{"R&D", "&Quit"};
    const std::vector<std::string_view> wide{"表示", "Ｂｅｔａ", "beta", "\x95"};
    const struct {
        const std::vector<std::string_view>& texts;
        int highlighted;  // -1: none, search from the top
        std::uint32_t key;
        int found;
    } cases[] = {
        {ab, 3, 'b', 1},  // nothing below Beta: wraps to the top
        {ab, 1, 'b', 2},  // Bravo: ASCII case does not matter
        {ab, 2, 'B', 3},
        {ab, 2, 'a', 0},
        {ab, 2, 'z', -1},
        {ab, -1, 'b', 1},
        {ab, 0, 'a', 0},  // the highlighted row itself is found again when it is the only match
        // Text menus leave a mnemonic letter to the system; every other first letter is ours.
        {mnemonics, -1, 'r', 0},
        {mnemonics, -1, 'q', -1},
        {wide, -1, 0x955C, 0},  // "表"
        {wide, -1, 0x8282, 1},  // "ｂ" finds "Ｂ": full-width letters fold too
        {wide, -1, 0x8261, 1},  // "Ｂ"
        {wide, -1, 'b', 2},     // an ASCII b is not a full-width one
        {wide, -1, 0x95, 0},    // a single-byte key compares with the first byte, whatever follows it
        {wide, 0, 0x95, 3},     // a lone lead byte at the end of a text is a character of its own
        {wide, 0, 0x955D, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.texts[0] << " " << c.highlighted << " " << c.key);
        Submenu menu(c.texts);
        if (c.highlighted >= 0) {
            menu.rows[c.highlighted].state = kMenuStateHilite;
        }
        EXPECT_EQ(menu.press(c.key), c.found);
    }
}

TEST(FindMenuChar, PassesOverRowsWithoutEntryOrTextAndCheckedHighlights) {
    Submenu menu({"Alpha", "beta", "Bravo"});
    // Only a state of exactly MFS_HILITE marks the current row: a highlighted row
    // that is also checked (MFS_CHECKED 0x08) does not.
    menu.rows[1].state = kMenuStateHilite | 0x08;
    EXPECT_EQ(menu.press('b'), 1);

    Submenu blank({"", "bx"});
    // A row of a plain window menu (no entry in this table) and one with id 0.
    blank.rows.insert(blank.rows.begin(), MenuRowState{0, 0});
    blank.rows.insert(blank.rows.begin(), MenuRowState{0, 99});
    EXPECT_EQ(blank.press('b'), 3);
    EXPECT_EQ(findMenuChar('b', {}, blank.table), -1);
    EXPECT_EQ(blank.press(0), -1);  // a NUL key never matches the end of an empty text
}

}  // namespace
}  // namespace zek::menus
