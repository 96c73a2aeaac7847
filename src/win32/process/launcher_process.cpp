#include "win32/process/launcher_process.h"

#include <utility>

#include "core/data/item_store.h"
#include "core/data/item_store_file.h"
#include "core/data/launcher_settings.h"

namespace zek::win32 {

LauncherProcess::LauncherProcess(HINSTANCE instance) : instance_(instance) {}

LauncherProcess::~LauncherProcess() {
    closeFiles();
}

void LauncherProcess::openFiles(data::ConfigPaths paths, data::ProfileStore& profile,
                                data::DataFileStorage& storage) {
    auto settings = std::make_unique<data::LauncherSettings>(profile, paths.iniPath.value_or(""));
    auto storeFile = std::make_unique<data::ItemStoreFile>(storage, paths.datPath);
    auto store = storeFile->load();
    adoptFiles(std::move(paths), std::move(settings), std::move(storeFile), std::move(store));
}

void LauncherProcess::adoptFiles(data::ConfigPaths paths, std::unique_ptr<data::LauncherSettings> settings,
                                 std::unique_ptr<data::ItemStoreFile> storeFile,
                                 std::unique_ptr<data::ItemStore> store) {
    paths_ = std::move(paths);
    settings_ = std::move(settings);
    storeFile_ = std::move(storeFile);
    store_ = std::move(store);
}

void LauncherProcess::closeFiles() {
    settings_.reset();
    store_.reset();
    storeFile_.reset();
    paths_ = {};
}

void LauncherProcess::replaceStore(std::unique_ptr<data::ItemStore> store) {
    store_ = std::move(store);
}

bool LauncherProcess::claimMenuSlot(LauncherMenu* menu) {
    if (activeMenu_ != nullptr) {
        return false;
    }
    activeMenu_ = menu;
    return true;
}

void LauncherProcess::releaseMenuSlot(const LauncherMenu* menu) {
    if (activeMenu_ == menu) {
        activeMenu_ = nullptr;
    }
}

}  // namespace zek::win32
