// The cost of giving 1,000 items their images from a few programs: the whole
// assignItemImage for new items (appended images) and for edited ones (their slots
// overwritten), and the parts it is made of (the extraction, the destruction of
// the extracted icon, the copy into the image list). Run under the system to be
// measured; the program to take the stock icons from may be passed as argument.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "core/data/item_store.h"
#include "core/data/launcher_item.h"
#include "win32/launch/image_list.h"
#include "win32/platform/icons.h"
#include "win32/platform/unique_handle.h"

#include "bench_clock.h"

namespace {

using zek::bench::besideThisProgram;
using zek::bench::nowMs;

constexpr int kItems = 1000;

void report(const char* what, double totalMs, int count) {
    std::printf("%-44s %9.1f ms total %9.1f us each\n", what, totalMs, totalMs * 1000.0 / count);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string launcher = argc > 1 ? argv[1] : besideThisProgram("ZekLauncher.exe");
    const std::vector<std::string> programs = {"C:\\windows\\notepad.exe", "C:\\windows\\regedit.exe",
                                               "C:\\windows\\system32\\winemine.exe", launcher};
    for (const std::string& program : programs) {
        if (!zek::win32::loadSmallIcon(program)) {
            std::fprintf(stderr, "no icon in %s\n", program.c_str());
            return 1;
        }
    }
    const zek::win32::UniqueModule resources(::LoadLibraryExA(
        launcher.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));

    double extractMs = 0;
    double destroyMs = 0;
    double copyMs = 0;
    {
        const zek::win32::UniqueImageList list(::ImageList_Create(16, 16, ILC_COLORDDB | ILC_MASK, 2, 0));
        for (int i = 0; i < kItems; ++i) {
            const std::string& program = programs[i % programs.size()];
            const double start = nowMs();
            HICON icon = nullptr;
            ::ExtractIconExA(program.c_str(), 0, nullptr, &icon, 1);
            const double extracted = nowMs();
            ::ImageList_ReplaceIcon(list.get(), -1, icon);
            const double copied = nowMs();
            ::DestroyIcon(icon);
            const double destroyed = nowMs();
            extractMs += extracted - start;
            copyMs += copied - extracted;
            destroyMs += destroyed - copied;
        }
    }

    zek::win32::ItemImageList images(resources.get());
    zek::data::ItemStore store{zek::data::RecordTable{}};
    std::vector<const zek::data::LauncherItem*> items;
    for (int i = 0; i < kItems; ++i) {
        zek::data::ItemFields fields;
        fields.type = zek::data::ItemType::DataItem;
        fields.name = "item" + std::to_string(i);
        fields.app = programs[i % programs.size()];
        items.push_back(store.addToRoot(store.createItem(std::move(fields))));
    }
    const double appendStart = nowMs();
    for (const auto* item : items) {
        images.assignItemImage(*item);
    }
    const double appendMs = nowMs() - appendStart;
    const double replaceStart = nowMs();
    for (const auto* item : items) {
        images.assignItemImage(*item);
    }
    const double replaceMs = nowMs() - replaceStart;

    std::printf("%d items, icons from %zu programs, %d images in the list\n", kItems, programs.size(),
                images.imageCount());
    report("assignItemImage, new items (append)", appendMs, kItems);
    report("assignItemImage, edited items (replace)", replaceMs, kItems);
    report("  ExtractIconExA, small icon only", extractMs, kItems);
    report("  ImageList_ReplaceIcon (append)", copyMs, kItems);
    report("  DestroyIcon", destroyMs, kItems);
    return 0;
}
