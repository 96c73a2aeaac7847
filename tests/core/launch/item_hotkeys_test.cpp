#include "launch/item_hotkeys.h"

#include <gtest/gtest.h>

#include <string>

#include "data/hotkey_table.h"

namespace zek::launch {
namespace {

data::LauncherItem itemWithKeys(std::string name, std::int32_t first, std::int32_t second) {
    data::ItemFields fields;
    fields.type = data::ItemType::DataItem;
    fields.name = std::move(name);
    fields.app = "C:\\tool.exe";
    fields.hotKey1 = first;
    fields.hotKey2 = second;
    return data::LauncherItem(fields);
}

TEST(ItemHotkeys, PairsRegisterWithTheirIds) {
    const auto ctrlN = itemHotkeyRegistration(itemWithKeys("n", 2, 0x4E));
    ASSERT_TRUE(ctrlN);
    EXPECT_EQ(ctrlN->id, 146);
    EXPECT_EQ(ctrlN->keys.modifiers, 2u);
    EXPECT_EQ(ctrlN->keys.virtualKey, 0x4Eu);
    // A lone key: no modifiers, the key is the first code.
    const auto f1 = itemHotkeyRegistration(itemWithKeys("f", 112, 1));
    ASSERT_TRUE(f1);
    EXPECT_EQ(f1->id, data::hotkeyId(112, 1));
    EXPECT_EQ(f1->keys.modifiers, 0u);
    EXPECT_EQ(f1->keys.virtualKey, 112u);
    EXPECT_FALSE(itemHotkeyRegistration(itemWithKeys("none", 0, 0x4E)));
    EXPECT_FALSE(itemHotkeyRegistration(itemWithKeys("none", 2, 0)));
}

TEST(ItemHotkeys, ConflictMessagesNameTheItemAndItsKeys) {
    const std::string ctrl(*data::modifierText(2));
    const std::string n(data::keyText(0x4E));
    EXPECT_EQ(hotkeyConflictMessage(itemWithKeys("メモ帳", 2, 0x4E)),
              "[ メモ帳 ]  " + ctrl + " + " + n + "のホットキーはすでに使用されています。");
    const std::string f1(*data::modifierText(112));
    EXPECT_EQ(hotkeyConflictMessage(itemWithKeys("tool", 112, 1)),
              "[ tool ]  " + f1 + " のホットキーはすでに使用されています。");
    // Codes no table knows print as nothing rather than failing.
    EXPECT_EQ(hotkeyConflictMessage(itemWithKeys("odd", 19, 7)),
              "[ odd ]   + のホットキーはすでに使用されています。");
}

TEST(ItemHotkeys, AnOverlongNameStillGivesABoundedWholeCharacterMessage) {
    std::string name;
    for (int i = 0; i < 400; ++i) {
        name += "表";
    }
    const std::string message = hotkeyConflictMessage(itemWithKeys(name, 2, 0x4E));
    EXPECT_LE(message.size(), 511u);
    EXPECT_TRUE(message.starts_with("[ 表表"));
    EXPECT_TRUE(message.ends_with("のホットキーはすでに使用されています。"));
    // Whole characters only: the name part has an even number of bytes.
    const std::size_t nameEnd = message.find(" ]  ");
    EXPECT_EQ((nameEnd - 2) % 2, 0u);
    // A single-byte name fills the message buffer to its last byte.
    EXPECT_EQ(hotkeyConflictMessage(itemWithKeys(std::string(600, 'n'), 2, 0x4E)).size(), 511u);
}

}  // namespace
}  // namespace zek::launch
