#include "menus/menu_char.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zek::menus {
namespace {

// A submenu whose rows are the entries 1..n of the table, in that order.
struct Submenu {
    MenuEntryTable table;
    std::vector<MenuRowState> rows;

    explicit Submenu(std::initializer_list<std::string_view> texts) {
        for (std::string_view text : texts) {
            table.addEntry(text, 0, MenuTarget{.window = 1});
            rows.push_back({0, table.entryCount()});
        }
    }
    void highlight(std::size_t pos) {
        for (auto& row : rows) {
            row.state = 0;
        }
        rows[pos].state = kMenuStateHilite;
    }
    int press(std::uint32_t character) const { return findMenuChar(character, rows, table); }
};

TEST(FindMenuChar, MovesToTheNextMatchBelowAndWrapsToTheTop) {
    Submenu menu{"Alpha", "beta", "Bravo", "Beta"};
    menu.highlight(3);
    EXPECT_EQ(menu.press('b'), 1);  // nothing below Beta: wraps to the top
    menu.highlight(1);
    EXPECT_EQ(menu.press('b'), 2);  // Bravo: ASCII case does not matter
    menu.highlight(2);
    EXPECT_EQ(menu.press('B'), 3);
    EXPECT_EQ(menu.press('a'), 0);
    EXPECT_EQ(menu.press('z'), -1);
}

TEST(FindMenuChar, WithoutAHighlightedRowSearchesFromTheTop) {
    Submenu menu{"Alpha", "beta", "Bravo"};
    EXPECT_EQ(menu.press('b'), 1);
    // Only a state of exactly MFS_HILITE marks the current row: a highlighted row
    // that is also checked (MFS_CHECKED 0x08) does not.
    menu.rows[1].state = kMenuStateHilite | 0x08;
    EXPECT_EQ(menu.press('b'), 1);
    // The highlighted row itself is found again when it is the only match.
    menu.highlight(2);
    EXPECT_EQ(menu.press('b'), 1);
    Submenu single{"Alpha", "Bravo"};
    single.highlight(1);
    EXPECT_EQ(single.press('b'), 1);
}

TEST(FindMenuChar, PassesOverRowsWithoutEntryOrText) {
    Submenu menu{"", "bx"};
    // A row of a plain window menu (no entry in this table) and one with id 0.
    menu.rows.insert(menu.rows.begin(), MenuRowState{0, 0});
    menu.rows.insert(menu.rows.begin(), MenuRowState{0, 99});
    EXPECT_EQ(menu.press('b'), 3);
    EXPECT_EQ(findMenuChar('b', {}, menu.table), -1);
    EXPECT_EQ(menu.press(0), -1);  // a NUL key never matches the end of an empty text
}

TEST(FindMenuChar, AnswersLettersAfterAnAmpersand) {
    // Text menus leave a mnemonic letter to the system; every other first letter is ours.
    Submenu menu{"R&D", "&Quit"};
    EXPECT_EQ(menu.press('r'), 0);
    EXPECT_EQ(menu.press('q'), -1);  // the system's mnemonic, not a first letter
}

TEST(FindMenuChar, MatchesDoubleByteFirstCharacters) {
    Submenu menu{"表示", "Ｂｅｔａ", "beta", "\x95"};
    constexpr std::uint32_t kHyou = 0x955C;  // "表"
    EXPECT_EQ(menu.press(kHyou), 0);
    EXPECT_EQ(menu.press(0x8282), 1);  // "ｂ" finds "Ｂ": full-width letters fold too
    EXPECT_EQ(menu.press(0x8261), 1);  // "Ｂ"
    EXPECT_EQ(menu.press('b'), 2);     // an ASCII b is not a full-width one
    // A single-byte key compares with the first byte, whatever follows it.
    EXPECT_EQ(menu.press(0x95), 0);
    // A lone lead byte at the end of a text is a character of its own.
    menu.highlight(0);
    EXPECT_EQ(menu.press(0x95), 3);
    EXPECT_EQ(menu.press(0x955D), -1);
}

}  // namespace
}  // namespace zek::menus
