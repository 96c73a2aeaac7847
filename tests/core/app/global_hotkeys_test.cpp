#include "core/app/global_hotkeys.h"

#include <gtest/gtest.h>

#include <string>

namespace zek::app {
namespace {

// Windows + Return is the modifier set and the key; a first part of 20 or more is a
// lone key (the second only has to be non-zero), and so are negative first parts,
// large when taken unsigned. A zero part turns the hotkey off.
TEST(GlobalHotkeys, PairsBecomeRegistrationsAndAZeroPartTurnsTheHotkeyOff) {
    const struct {
        HotkeyPair pair;
        unsigned modifiers, virtualKey;
    } registered[] = {{{8, 13}, 8, 13}, {{112, 1}, 0, 112}, {{19, 65}, 19, 65}, {{20, 65}, 0, 20}};
    for (const auto& [pair, modifiers, virtualKey] : registered) {
        const auto registration = registrationFor(pair);
        ASSERT_TRUE(registration) << pair.first;
        EXPECT_EQ(registration->modifiers, modifiers) << pair.first;
        EXPECT_EQ(registration->virtualKey, virtualKey) << pair.first;
    }
    EXPECT_EQ(registrationFor({-1, 5})->modifiers, 0u);
    for (const HotkeyPair off : {HotkeyPair{0, -1}, HotkeyPair{8, 0}, HotkeyPair{0, 0}}) {
        EXPECT_FALSE(registrationFor(off)) << off.first << " " << off.second;  // {0, -1}: the third's default
    }
}

TEST(GlobalHotkeys, FailureTextsNameTheirHotkey) {
    const std::string tail = "ホットキーの設定に失敗しました。動作設定で確認して下さい。";
    EXPECT_EQ(globalHotkeyFailureText(0), "ランチャー起動" + tail);
    EXPECT_EQ(globalHotkeyFailureText(1), "タスク切り替え" + tail);
    EXPECT_EQ(globalHotkeyFailureText(2), "特定タスク切り替え" + tail);
    EXPECT_TRUE(globalHotkeyFailureText(3).empty());
}

}  // namespace
}  // namespace zek::app
