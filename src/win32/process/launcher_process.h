#pragma once
// The running launcher's process-wide objects, owned in one place: the program
// instance, the bar's window, the files beside the program with what was read from
// them, the global hotkeys and the one popup menu being tracked. Every room reaches
// them through here.
//
// The bar comes first (the program's folder is found from the process of its
// window); the files are opened once it exists and closed in the shutdown's order:
// the settings (whose end writes the settings file), the item store, the paths.
#include <windows.h>

#include <memory>

#include "core/data/config_paths.h"
#include "core/data/item_store.h"
#include "core/data/item_store_file.h"
#include "core/data/launcher_settings.h"
#include "win32/process/hotkey_registry.h"

namespace zek::win32 {

class LauncherMenu;

class LauncherProcess {
  public:
    explicit LauncherProcess(HINSTANCE instance);
    ~LauncherProcess();
    LauncherProcess(const LauncherProcess&) = delete;
    LauncherProcess& operator=(const LauncherProcess&) = delete;

    HINSTANCE instance() const { return instance_; }
    HWND bar() const { return bar_; }
    void attachBar(HWND bar) {
        bar_ = bar;
        hotkeys_.attach(bar);
    }
    HotkeyRegistry& hotkeys() { return hotkeys_; }

    // Reads the settings and the items from the files `paths` names. `profile` and
    // `storage` outlive the files.
    void openFiles(data::ConfigPaths paths, data::ProfileStore& profile, data::DataFileStorage& storage);
    // Takes over settings and items made elsewhere.
    void adoptFiles(data::ConfigPaths paths, std::unique_ptr<data::LauncherSettings> settings,
                    std::unique_ptr<data::ItemStoreFile> storeFile, std::unique_ptr<data::ItemStore> store);
    void closeFiles();

    // The accessors below are valid between openFiles (or adoptFiles) and closeFiles.
    // The bar exists before the files are open: what it receives meanwhile must ask
    // filesOpen() first.
    bool filesOpen() const { return store_ != nullptr; }
    const data::ConfigPaths& paths() const { return paths_; }
    data::LauncherSettings& settings() const { return *settings_; }
    data::ItemStoreFile& storeFile() const { return *storeFile_; }
    data::ItemStore& store() const { return *store_; }
    // Puts a store read afresh in place of the current one, which is deleted. What
    // names items across a message loop does so by data::ItemRef, which then finds
    // nothing in the new store.
    void replaceStore(std::unique_ptr<data::ItemStore> store);

    // The one popup menu being tracked: owner-draw and menu-character messages go to
    // it, and no second menu opens while it is set.
    LauncherMenu* activeMenu() const { return activeMenu_; }
    bool menuOpen() const { return activeMenu_ != nullptr; }
    // True when `menu` now holds the slot (it was free).
    bool claimMenuSlot(LauncherMenu* menu);
    void releaseMenuSlot(const LauncherMenu* menu);

  private:
    HINSTANCE instance_;
    HWND bar_ = nullptr;
    data::ConfigPaths paths_;
    std::unique_ptr<data::LauncherSettings> settings_;
    std::unique_ptr<data::ItemStoreFile> storeFile_;
    std::unique_ptr<data::ItemStore> store_;
    HotkeyRegistry hotkeys_;
    LauncherMenu* activeMenu_ = nullptr;
};

}  // namespace zek::win32
