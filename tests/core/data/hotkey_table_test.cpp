#include "data/hotkey_table.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace zek::data {
namespace {

// Ctrl + N, Alt + Space, Ctrl + Shift + Z, Windows + A, F1 alone, the second launcher
// button; a lone key's second part plays no part in its id. Pairs outside the tables
// have none: "not used", Alt + Ctrl + Shift, Delete, no key, Space as a lone first
// part, negative first parts (lone keys).
TEST(HotkeyTable, IdsOfTablePairsAndNoneForOthers) {
    const std::int32_t cases[][3] = {{2, 0x4E, 146},  {1, 0x20, 11},   {6, 0x5A, 959},  {8, 0x41, 76},
                                     {0x70, 1, 1013}, {0xB7, 1, 1571}, {0x70, 0, 1013}, {0xF0, 0x41, 1559},
                                     {0, 0x41, -1},   {0, 1, -1},      {7, 0x41, -1},   {1, 0x2E, -1},
                                     {1, 0, -1},      {0x20, 1, -1},   {-1, 0x41, -1},  {INT32_MIN, 1, -1}};
    for (const auto& [first, second, id] : cases) {
        EXPECT_EQ(hotkeyId(first, second), id) << first << " " << second;
    }
}

TEST(HotkeyTable, UnknownTextsGiveZero) {
    for (const char* text : {"", "alt", "Alt ", " Alt", "Ctrl+Shift", "F1", "windows"}) {
        EXPECT_EQ(modifierCodeByText(text), 0) << text;
    }
    for (const char* text : {"", "space", "F1キーのみ", "使用しない", "a", "F13", "Num10"}) {
        EXPECT_EQ(keyCodeByText(text), 0) << text;
    }
    // Comparison is byte for byte: a text with a NUL inside is not its prefix.
    EXPECT_EQ(keyCodeByText(std::string_view{"Tab\0", 4}), 0);
}

TEST(HotkeyTable, EveryTextRoundTripsThroughItsCode) {
    EXPECT_EQ(modifierText(3), "Alt + Ctrl");
    EXPECT_EQ(modifierText(7), std::nullopt);
    EXPECT_EQ(modifierText(0x20), std::nullopt);
    EXPECT_EQ(keyText(0x2E), "");
    EXPECT_EQ(keyText(0), "");
    // The default launcher hotkey (8, 13) reads as Windows + Return.
    EXPECT_EQ(modifierText(8), "Windows");
    EXPECT_EQ(keyText(13), "Return");
    EXPECT_EQ(modifierCodeByText("CapsLockキーのみ"), 0xF0);

    for (const HotkeyRow& row : modifierRows()) {
        const std::int32_t code = modifierCodeByText(row.text);
        EXPECT_EQ(code, row.code) << row.text;
        EXPECT_EQ(modifierText(code), row.text);
    }
    for (const HotkeyRow& row : keyRows()) {
        const std::int32_t code = keyCodeByText(row.text);
        EXPECT_EQ(code, row.code) << row.text;
        EXPECT_EQ(keyText(code), row.text);
    }
}

TEST(HotkeyTable, ListsInComboBoxOrder) {
    const auto modifiers = modifierRows();
    const auto keys = keyRows();
    ASSERT_EQ(modifiers.size(), 33u);
    ASSERT_EQ(keys.size(), 54u);
    const HotkeyRow first[] = {{1, "Alt"},        {2, "Ctrl"},        {4, "Shift"},       {8, "Windows"},
                               {3, "Alt + Ctrl"}, {5, "Alt + Shift"}, {6, "Ctrl + Shift"}};
    for (std::size_t i = 0; i < std::size(first); ++i) {
        EXPECT_EQ(modifiers[i].code, first[i].code) << i;
        EXPECT_EQ(modifiers[i].text, first[i].text) << i;
    }
    EXPECT_EQ(modifiers[29].text, "CapsLockキーのみ");
    EXPECT_EQ(modifiers.back().text, "使用しない");
    EXPECT_EQ(modifiers.back().code, 0);
    EXPECT_EQ(keys[0].text, "Space");
    EXPECT_EQ(keys[1].text, "Return");
    EXPECT_EQ(keys[2].text, "Tab");
    // Letters, function keys and the number pad in order; the lone-key rows of the
    // modifier list follow the same keys in the same order.
    const auto expectRun = [&](std::size_t at, int count, std::int32_t code, auto name) {
        for (int i = 0; i < count; ++i) {
            EXPECT_EQ(keys[at + i].code, code + i);
            EXPECT_EQ(keys[at + i].text, name(i));
        }
    };
    expectRun(3, 26, 0x41, [](int i) { return std::string(1, static_cast<char>('A' + i)); });
    expectRun(29, 12, 0x70, [](int i) { return "F" + std::to_string(i + 1); });
    expectRun(41, 10, 0x60, [](int i) { return "Num" + std::to_string(i); });
    for (int i = 0; i < 22; ++i) {
        EXPECT_EQ(modifiers[7 + i].code, keys[29 + i].code);
        EXPECT_EQ(modifiers[7 + i].text, std::string(keys[29 + i].text) + "キーのみ");
    }
    EXPECT_EQ(keys[51].code, 0xF0);
    EXPECT_EQ(keys[52].code, 0xB6);
    EXPECT_EQ(keys[53].code, 0xB7);
}

TEST(HotkeyTable, TextsAreShiftJisAndFitTheirRows) {
    EXPECT_EQ(modifierRows().back().text, "\x8E\x67\x97\x70\x82\xB5\x82\xC8\x82\xA2");
    EXPECT_EQ(keyText(0xB6),
              "\x83\x89\x83\x93\x83\x60\x83\x83\x81\x5B\x83\x7B\x83\x5E\x83\x93"
              "1");
    // Rows hold 24 bytes with the terminator; UTF-8 texts would not fit.
    for (const auto rows : {modifierRows(), keyRows()}) {
        for (const HotkeyRow& row : rows) {
            EXPECT_LE(row.text.size(), 23u) << row.text;
            EXPECT_EQ(row.text.data()[row.text.size()], '\0');
        }
    }
}

TEST(HotkeyTable, EveryHotkeyHasItsOwnIdApartFromTheGlobalOnes) {
    std::set<std::int32_t> ids;
    std::size_t hotkeys = 0;
    for (const HotkeyRow& modifier : modifierRows()) {
        if (modifier.code == 0) {
            continue;
        }
        if (isLoneKey(modifier.code)) {
            ids.insert(hotkeyId(modifier.code, 1));
            ++hotkeys;
            continue;
        }
        for (const HotkeyRow& key : keyRows()) {
            ids.insert(hotkeyId(modifier.code, key.code));
            ++hotkeys;
        }
    }
    EXPECT_EQ(hotkeys, 7u * 54u + 25u);
    EXPECT_EQ(ids.size(), hotkeys);
    for (const std::int32_t reserved : {-1, 0, 1, 2}) {
        EXPECT_FALSE(ids.contains(reserved)) << reserved;
    }
}

}  // namespace
}  // namespace zek::data
