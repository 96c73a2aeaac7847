#include "app/global_hotkeys.h"

#include <gtest/gtest.h>

namespace zek::app {
namespace {

TEST(GlobalHotkeys, PairsBecomeRegistrations) {
    // Windows + Return: the modifier set and the key.
    auto windowsReturn = registrationFor({8, 13});
    ASSERT_TRUE(windowsReturn);
    EXPECT_EQ(windowsReturn->modifiers, 8u);
    EXPECT_EQ(windowsReturn->virtualKey, 13u);
    // F1 alone: a first part of 20 or more is the key; the second only has to be non-zero.
    auto f1 = registrationFor({112, 1});
    ASSERT_TRUE(f1);
    EXPECT_EQ(f1->modifiers, 0u);
    EXPECT_EQ(f1->virtualKey, 112u);
    auto boundary = registrationFor({19, 65});
    ASSERT_TRUE(boundary);
    EXPECT_EQ(boundary->modifiers, 19u);
    EXPECT_EQ(registrationFor({20, 65})->modifiers, 0u);
    // Negative first parts are large when taken unsigned: a lone key, not modifiers.
    EXPECT_EQ(registrationFor({-1, 5})->modifiers, 0u);
}

TEST(GlobalHotkeys, AZeroPartTurnsTheHotkeyOff) {
    EXPECT_FALSE(registrationFor({0, -1}));  // the third hotkey's default
    EXPECT_FALSE(registrationFor({8, 0}));
    EXPECT_FALSE(registrationFor({0, 0}));
}

TEST(GlobalHotkeys, FailureTextsNameTheirHotkey) {
    EXPECT_TRUE(globalHotkeyFailureText(0).starts_with("ランチャー起動ホットキー"));
    EXPECT_TRUE(globalHotkeyFailureText(1).starts_with("タスク切り替えホットキー"));
    EXPECT_TRUE(globalHotkeyFailureText(2).starts_with("特定タスク切り替えホットキー"));
    for (int id = 0; id < 3; ++id) {
        EXPECT_TRUE(
            globalHotkeyFailureText(id).ends_with("の設定に失敗しました。動作設定で確認して下さい。"));
    }
    EXPECT_TRUE(globalHotkeyFailureText(3).empty());
}

}  // namespace
}  // namespace zek::app
