#pragma once
// The process-wide objects of the running launcher. The entry point creates and
// deletes them in a fixed order; everything else reaches them through here.
#include <windows.h>

#include <memory>

#include "core/data/config_paths.h"

namespace zek::data {
class ItemStore;
class ItemStoreFile;
class LauncherSettings;
}  // namespace zek::data

namespace zek::win32 {

class LauncherMenu;

struct LauncherContext {
    HINSTANCE instance = nullptr;
    HWND bar = nullptr;
    data::ConfigPaths paths;
    data::LauncherSettings* settings = nullptr;
    data::ItemStoreFile* storeFile = nullptr;
    data::ItemStore* store = nullptr;
    // Owns `store`: the settings dialog puts a store read afresh in its place when
    // the user discards the edits.
    std::unique_ptr<data::ItemStore>* storeOwner = nullptr;
    // The one popup menu being tracked, if any: owner-draw and menu-character
    // messages go to it, and no second menu opens while it is set.
    LauncherMenu* activeMenu = nullptr;
};

}  // namespace zek::win32
