#include "core/data/hotkey_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <ranges>
#include <string>
#include <tuple>
#include <vector>

namespace zek::data {
namespace {

// Ctrl + N, F1 alone (whatever the second part), CapsLock alone; none for "not used",
// Alt + Ctrl + Shift, Delete and a negative first part. Every factor is held in the
// row test below.
TEST(HotkeyTable, IdsOfTablePairsAndNoneForOthers) {
    const std::int32_t cases[][3] = {{2, 0x4E, 146}, {0x70, 1, 1013}, {0x70, 0, 1013}, {0xF0, 0x41, 1559},
                                     {0, 0x41, -1},  {7, 0x41, -1},   {1, 0x2E, -1},   {INT32_MIN, 1, -1}};
    for (const auto& [first, second, id] : cases) {
        EXPECT_EQ(hotkeyId(first, second), id) << first << " " << second;
    }
}

TEST(HotkeyTable, TextsAndCodesBothWays) {
    for (const char* text : {"", "alt", "Alt ", "space", "F13"}) {
        EXPECT_EQ(modifierCodeByText(text), 0) << text;
        EXPECT_EQ(keyCodeByText(text), 0) << text;
    }
    // Comparison is byte for byte: a text with a NUL inside is not its prefix.
    EXPECT_EQ(keyCodeByText(std::string_view{"Tab\0", 4}), 0);
    EXPECT_EQ(modifierText(7), std::nullopt);
    EXPECT_EQ(keyText(0x2E), "");
    const auto expectRoundTrips = [](auto rows, auto codeByText, auto textOf) {
        for (const HotkeyRow& row : rows) {
            EXPECT_EQ(codeByText(row.text), row.code) << row.text;
            EXPECT_EQ(textOf(row.code), row.text);
        }
    };
    expectRoundTrips(modifierRows(), modifierCodeByText, modifierText);
    expectRoundTrips(keyRows(), keyCodeByText, keyText);
}

// The combo boxes list the rows in this order; the lone-key rows of the modifier list
// follow the same keys in the same order. Key factors are the consecutive primes from
// 11 and modifier factors at most 7, so every product is an id of its own; the lone
// keys' primes lie above every product. Texts are Shift-JIS and fit rows of 24 bytes
// with the terminator (UTF-8 texts would not).
TEST(HotkeyTable, RowsInComboBoxOrderWithFactorsThatKeepEveryIdApart) {
    const auto nextPrime = [](std::int32_t n) {
        do {
            ++n;
        } while (std::ranges::any_of(std::views::iota(2, n), [n](std::int32_t d) { return n % d == 0; }));
        return n;
    };
    using Rows = std::vector<std::tuple<std::int32_t, std::string, std::int32_t>>;
    Rows keys = {{0x20, "Space", 11}, {0x0D, "Return", 13}, {0x09, "Tab", 17}};
    const auto addKey = [&keys, nextPrime](std::int32_t code, std::string text) {
        keys.emplace_back(code, std::move(text), nextPrime(std::get<2>(keys.back())));
    };
    for (int i = 0; i < 26; ++i) {
        addKey(0x41 + i, std::string(1, static_cast<char>('A' + i)));
    }
    for (int i = 0; i < 12; ++i) {
        addKey(0x70 + i, "F" + std::to_string(i + 1));
    }
    for (int i = 0; i < 10; ++i) {
        addKey(0x60 + i, "Num" + std::to_string(i));
    }
    addKey(0xF0, "CapsLock");
    addKey(0xB6,
           "\x83\x89\x83\x93\x83\x60\x83\x83\x81\x5B\x83\x7B\x83\x5E\x83\x93"
           "1");
    addKey(0xB7, "ランチャーボタン2");
    Rows modifiers = {{1, "Alt", 1},        {2, "Ctrl", 2},        {4, "Shift", 3},       {8, "Windows", 4},
                      {3, "Alt + Ctrl", 5}, {5, "Alt + Shift", 6}, {6, "Ctrl + Shift", 7}};
    for (std::int32_t i = 29, factor = 1013; i < 54; ++i, factor = nextPrime(factor)) {
        factor = i == 51 ? 1559 : factor;     // CapsLock and the launcher buttons
        const bool launcherButton = i >= 52;  // named as on the keyboard, without "key only"
        const auto& [code, text, keyFactor] = keys[static_cast<std::size_t>(i)];
        modifiers.emplace_back(code, text + (launcherButton ? "" : "キーのみ"), factor);
    }
    modifiers.emplace_back(0, "\x8E\x67\x97\x70\x82\xB5\x82\xC8\x82\xA2", 0);  // "not used": no id
    for (const auto& [rows, expected] : {std::pair{modifierRows(), modifiers}, std::pair{keyRows(), keys}}) {
        Rows actual;
        for (const HotkeyRow& row : rows) {
            actual.emplace_back(row.code, std::string(row.text), row.idFactor);
            EXPECT_LE(row.text.size(), 23u) << row.text;
            EXPECT_EQ(row.text.data()[row.text.size()], '\0');
        }
        EXPECT_EQ(actual, expected);
    }
}

}  // namespace
}  // namespace zek::data
