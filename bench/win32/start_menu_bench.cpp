// How long "/i" takes for a Start Menu of 1,000 shortcuts in nested folders: the
// walk that reads every shortcut, the new tree made on a copy of a store of 1,000
// items, and the save of the data file. Run under the system to be measured.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/app/start_menu_import.h"
#include "core/data/data_file.h"
#include "core/data/item_store_file.h"
#include "driver/files.h"
#include "driver/process.h"
#include "driver/start_menu.h"
#include "win32/app/start_menu_walk.h"
#include "win32/data/data_file_storage_win32.h"

#include "bench_clock.h"

namespace {

using zek::bench::median;
using zek::bench::nowMs;

constexpr int kShortcuts = 1000;
constexpr int kRounds = 5;

// 10 vendors, each with 4 sub-folders, one of which has a folder of its own: 25
// shortcuts in each vendor folder and in each of the deeper ones.
bool makeStartMenu(const std::string& programs) {
    const std::string one = programs + "\\one.lnk";
    if (!zek::e2e::createShortcut(one, zek::e2e::ownProgramPath(), "--from-shortcut")) {
        return false;
    }
    std::vector<std::string> folders;
    for (int vendor = 0; vendor < 10; ++vendor) {
        const std::string top = programs + "\\Vendor " + std::to_string(vendor);
        folders.push_back(top);
        for (int sub = 0; sub < 3; ++sub) {
            folders.push_back(top + "\\Tools " + std::to_string(sub));
        }
        folders.push_back(folders.back() + "\\Extras");
    }
    int made = 0;
    for (const std::string& folder : folders) {
        ::CreateDirectoryA(folder.c_str(), nullptr);
        for (int i = 0; i < kShortcuts / static_cast<int>(folders.size()); ++i, ++made) {
            ::CopyFileA(one.c_str(), (folder + "\\Program " + std::to_string(made) + ".lnk").c_str(), FALSE);
        }
    }
    ::DeleteFileA(one.c_str());
    return made == kShortcuts;
}

std::string dataFileOf(int items) {
    std::string text = "[100]\r\n";
    for (int i = 0; i < items; ++i) {
        const std::string n = std::to_string(i) + ":";
        text += n + "ItemName=item" + std::to_string(i) + "\r\n" + n + "ItemApp=C:\\apps\\item" +
                std::to_string(i) + ".exe\r\n" + n + "ItemType=4\r\n" + n + "ItemLevel=1\r\n";
    }
    return text;
}

}  // namespace

int main() {
    using namespace zek;
    const e2e::TestFolder programs("_programs");
    const e2e::TestFolder files("_data");
    if (!programs.created() || !files.created() || !makeStartMenu(programs.path())) {
        std::puts("could not make the Start Menu");
        return 1;
    }
    win32::Win32DataFileStorage storage;
    data::ItemStoreFile storeFile(storage, files.file("ZekLauncher.dat"));
    const auto store = std::make_unique<data::ItemStore>(data::readDataFile(dataFileOf(1000)).records);

    std::vector<double> walks, trees, saves, totals;
    std::size_t found = 0;
    for (int round = 0; round < kRounds; ++round) {
        const double start = nowMs();
        app::ImportOmissions omissions;
        const std::vector<app::FoundShortcut> shortcuts =
            win32::findStartMenuShortcuts(programs.path(), omissions);
        const double walked = nowMs();
        const auto imported = app::storeWithImport(*store, app::planStartMenuImport(shortcuts, {}));
        const double built = nowMs();
        if (!imported || storeFile.save(*imported) != data::SaveResult::Written) {
            std::puts("the import failed");
            return 1;
        }
        const double saved = nowMs();
        found = shortcuts.size();
        walks.push_back(walked - start);
        trees.push_back(built - walked);
        saves.push_back(saved - built);
        totals.push_back(saved - start);
    }
    std::printf("Start Menu import of %zu shortcuts into a store of 1,000 items, median of %d:\n", found,
                kRounds);
    std::printf("  walk, every shortcut read: %8.1f ms\n", median(walks));
    std::printf("  new tree on a copy:        %8.1f ms\n", median(trees));
    std::printf("  save:                      %8.1f ms\n", median(saves));
    std::printf("  all (target < 1,000 ms):   %8.1f ms\n", median(totals));
    return 0;
}
