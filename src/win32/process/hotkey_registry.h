#pragma once
// Every global hotkey the program holds, registered for the bar's window in this
// one place: the three of the settings (show the bar, the task menu, the same
// program's windows) and one per item key pair. It remembers which item hotkeys it
// registered, so that turning them off releases exactly those, whatever store is
// in place by then.
#include <windows.h>

#include <set>

#include "core/app/global_hotkeys.h"

namespace zek::data {
class ItemStore;
class LauncherSettings;
}  // namespace zek::data

namespace zek::win32 {

class HotkeyRegistry {
  public:
    void attach(HWND bar) { bar_ = bar; }

    // Unregisters the three hotkeys of the settings and, with `registerAnew`,
    // registers them again from `settings`; the first that fails is reported and
    // the rest stay unregistered.
    void applyGlobal(const data::LauncherSettings& settings, bool registerAnew);
    // One of the three (`id` 0 to 2) as the basic settings dialog chooses it;
    // false when the keys are taken.
    bool registerGlobal(int id, app::HotkeyPair pair);

    bool itemHotkeysOn() const { return itemHotkeysOn_; }
    // On: registers the pair of every item of `store` that has one (once: on again
    // does nothing), reporting each pair held elsewhere and going on. Off: releases
    // every item hotkey registered.
    void setItemHotkeys(const data::ItemStore& store, bool on);
    // An item form's new pair, registered as it is saved; false when taken.
    bool registerItemPair(app::HotkeyPair pair);
    void releaseItemPair(app::HotkeyPair pair);

  private:
    bool registerKeys(int id, app::HotkeyRegistration keys);
    bool registerId(int id, app::HotkeyPair pair);

    HWND bar_ = nullptr;
    bool itemHotkeysOn_ = false;
    std::set<int> itemIds_;
};

}  // namespace zek::win32
