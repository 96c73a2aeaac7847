#include "core/launch/item_hotkeys.h"

#include "core/data/hotkey_table.h"
#include "core/text/sjis_walk.h"

namespace zek::launch {

namespace {
constexpr std::size_t kMessageBufferBytes = 512;
}

std::optional<ItemHotkeyRegistration> itemHotkeyRegistration(const data::LauncherItem& item) {
    const auto keys = app::registrationFor({item.hotKey1(), item.hotKey2()});
    if (!keys) {
        return std::nullopt;
    }
    return ItemHotkeyRegistration{data::hotkeyId(item.hotKey1(), item.hotKey2()), *keys};
}

std::string hotkeyConflictMessage(const data::LauncherItem& item) {
    const std::string_view modifier = data::modifierText(item.hotKey1()).value_or("");
    std::string keys;
    if (data::isLoneKey(item.hotKey1())) {
        keys = std::string(modifier) + " ";
    } else {
        keys = std::string(modifier) + " + " + std::string(data::keyText(item.hotKey2()));
    }
    const std::string head = "[ ";
    const std::string tail = " ]  " + keys + "のホットキーはすでに使用されています。";
    const std::size_t room = kMessageBufferBytes - 1 - head.size() - tail.size();
    return head + std::string(text::headWithinBytes(item.name(), room)) + tail;
}

}  // namespace zek::launch
