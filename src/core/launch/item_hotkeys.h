#pragma once
// The global hotkeys of single items: how an item's pair is registered and what
// the user is told when another program (or an earlier item) holds the keys.
#include <cstdint>
#include <optional>
#include <string>

#include "core/app/global_hotkeys.h"
#include "core/data/launcher_item.h"

namespace zek::launch {

struct ItemHotkeyRegistration {
    std::int32_t id = 0;  // the hotkey id the bar receives in WM_HOTKEY
    app::HotkeyRegistration keys;
};

// None for an item without a complete pair.
std::optional<ItemHotkeyRegistration> itemHotkeyRegistration(const data::LauncherItem& item);

// "[ name ]  modifier + keyのホットキーはすでに使用されています。", or for a lone key
// "[ name ]  key のホットキーはすでに使用されています。". Codes without a text print as
// nothing; the name is cut so that the message fits the program's 512-byte buffer.
std::string hotkeyConflictMessage(const data::LauncherItem& item);

}  // namespace zek::launch
