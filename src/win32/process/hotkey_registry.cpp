#include "win32/process/hotkey_registry.h"

#include <string>

#include "core/app/messages.h"
#include "core/data/hotkey_table.h"
#include "core/data/item_store.h"
#include "core/data/launcher_settings.h"
#include "core/dialogs/settings_forms.h"
#include "core/launch/item_hotkeys.h"

namespace zek::win32 {

bool HotkeyRegistry::registerKeys(int id, app::HotkeyRegistration keys) {
    return ::RegisterHotKey(bar_, id, keys.modifiers, keys.virtualKey) != FALSE;
}

bool HotkeyRegistry::registerId(int id, app::HotkeyPair pair) {
    const auto keys = app::registrationFor(pair);
    return keys && registerKeys(id, *keys);
}

void HotkeyRegistry::applyGlobal(const data::LauncherSettings& settings, bool registerAnew) {
    for (int id : {app::HOTKEY_ID_BAR, app::HOTKEY_ID_TASKMENU, app::HOTKEY_ID_SAMEAPP}) {
        ::UnregisterHotKey(bar_, id);
    }
    if (!registerAnew) {
        return;
    }
    const auto pairs = dialogs::hotkeyPairsOf(settings.values());
    for (int id = 0; id < static_cast<int>(pairs.size()); ++id) {
        if (!app::registrationFor(pairs[id])) {
            continue;
        }
        if (!registerId(id, pairs[id])) {
            const std::string text(app::globalHotkeyFailureText(id));
            const std::string caption(app::kHotkeyFailureCaption);
            ::MessageBoxA(bar_, text.c_str(), caption.c_str(), MB_ICONERROR);
            return;
        }
    }
}

bool HotkeyRegistry::registerGlobal(int id, app::HotkeyPair pair) {
    return registerId(id, pair);
}

void HotkeyRegistry::setItemHotkeys(const data::ItemStore& store, bool on) {
    if (!on) {
        for (int id : itemIds_) {
            ::UnregisterHotKey(bar_, id);
        }
        itemIds_.clear();
        itemHotkeysOn_ = false;
        return;
    }
    if (itemHotkeysOn_) {
        return;
    }
    itemHotkeysOn_ = true;
    for (const data::LauncherItem* item : store.items()) {
        const auto registration = launch::itemHotkeyRegistration(*item);
        if (!registration) {
            continue;
        }
        if (registerKeys(registration->id, registration->keys)) {
            itemIds_.insert(registration->id);
        } else {
            const std::string message = launch::hotkeyConflictMessage(*item);
            ::MessageBoxA(bar_, message.c_str(), "HOTKEY", MB_ICONERROR);
        }
    }
}

bool HotkeyRegistry::registerItemPair(app::HotkeyPair pair) {
    const int id = data::hotkeyId(pair.first, pair.second);
    if (!registerId(id, pair)) {
        return false;
    }
    itemIds_.insert(id);
    return true;
}

void HotkeyRegistry::releaseItemPair(app::HotkeyPair pair) {
    const int id = data::hotkeyId(pair.first, pair.second);
    ::UnregisterHotKey(bar_, id);
    itemIds_.erase(id);
}

}  // namespace zek::win32
