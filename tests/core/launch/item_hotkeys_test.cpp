#include "core/launch/item_hotkeys.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>

#include "core/data/hotkey_table.h"

namespace zek::launch {
namespace {

data::LauncherItem itemWithKeys(std::string name, std::int32_t first, std::int32_t second) {
    return data::LauncherItem({.type = data::ItemType::DataItem,
                               .name = std::move(name),
                               .app = "C:\\tool.exe",
                               .hotKey1 = first,
                               .hotKey2 = second});
}

// The id, the modifiers and the key of a registration, or nothing.
using Keys = std::tuple<std::int32_t, unsigned, unsigned>;
std::optional<Keys> registered(std::int32_t first, std::int32_t second) {
    const auto registration = itemHotkeyRegistration(itemWithKeys("k", first, second));
    if (!registration) {
        return std::nullopt;
    }
    return Keys{registration->id, registration->keys.modifiers, registration->keys.virtualKey};
}

// Which pairs register as which keys is the global hotkeys' rule, tested there.
TEST(ItemHotkeys, PairsRegisterWithTheirIds) {
    EXPECT_EQ(registered(2, 0x4E), (Keys{146, 2u, 0x4Eu}));
    EXPECT_EQ(registered(2, 0), std::nullopt);
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
