#include "win32/launch/hotkeys.h"

#include <string>

#include "core/app/global_hotkeys.h"
#include "core/app/messages.h"
#include "core/dialogs/settings_forms.h"
#include "core/launch/item_hotkeys.h"

namespace zek::win32 {

void setGlobalHotkeys(LauncherProcess& process, bool registerAnew) {
    const HWND bar = process.bar();
    for (int id : {app::HOTKEY_ID_BAR, app::HOTKEY_ID_TASKMENU, app::HOTKEY_ID_SAMEAPP}) {
        ::UnregisterHotKey(bar, id);
    }
    if (!registerAnew) {
        return;
    }
    const auto pairs = dialogs::hotkeyPairsOf(process.settings().values());
    for (int id = 0; id < static_cast<int>(pairs.size()); ++id) {
        const auto registration = app::registrationFor(pairs[id]);
        if (!registration) {
            continue;
        }
        if (!::RegisterHotKey(bar, id, registration->modifiers, registration->virtualKey)) {
            const std::string text(app::globalHotkeyFailureText(id));
            const std::string caption(app::kHotkeyFailureCaption);
            ::MessageBoxA(bar, text.c_str(), caption.c_str(), MB_ICONERROR);
            return;
        }
    }
}

void setItemHotkeys(LauncherProcess& process, bool on) {
    data::ItemStore& store = process.store();
    if (store.hotkeysOn() && on) {
        return;
    }
    store.setHotkeysOn(on);
    for (const data::LauncherItem* item : store.items()) {
        const auto registration = launch::itemHotkeyRegistration(*item);
        if (!on) {
            if (registration) {
                ::UnregisterHotKey(process.bar(), registration->id);
            }
            continue;
        }
        if (registration && !::RegisterHotKey(process.bar(), registration->id, registration->keys.modifiers,
                                              registration->keys.virtualKey)) {
            const std::string message = launch::hotkeyConflictMessage(*item);
            ::MessageBoxA(process.bar(), message.c_str(), "HOTKEY", MB_ICONERROR);
        }
    }
}

}  // namespace zek::win32
