#pragma once
// The image lists of the item rows, at the system's small-icon size (16x16 at 96 DPI), in the settings tree
// and the command list: the three stock images first (0 node, 1 data item, 2 built-in command, from the
// program's icon resources), then one image per item that has an icon of its own.
#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <unordered_map>

#include "core/data/launcher_item.h"
#include "win32/platform/unique_handle.h"

namespace zek::win32 {

// A list holding the three stock images alone, from `resourceModule` (the
// program's own module, or the program loaded as a data file). A stock icon it
// lacks leaves a blank image, so that the indices keep their meaning. Empty only
// when the system could not create the list.
UniqueImageList createStockImageList(HMODULE resourceModule);

// The settings tree's list, for the items of one store. Images are never
// removed; an edited item reuses its own slot.
class ItemImageList {
  public:
    // `resourceModule` holds the stock icons, as for createStockImageList.
    explicit ItemImageList(HMODULE resourceModule);

    ItemImageList(const ItemImageList&) = delete;
    ItemImageList& operator=(const ItemImageList&) = delete;

    // Null only when the system could not create the list.
    HIMAGELIST handle() const { return list_.get(); }
    int imageCount() const;

    // The image index the item should have now: its own icon (the icon file, else the
    // program) in the slot this list gave it before, or in a new last slot; the stock
    // image of its type when it has no icon.
    std::int32_t assignItemImage(const data::LauncherItem& item);

  private:
    bool ensureList();

    HMODULE resourceModule_;
    UniqueImageList list_;
    // The own slot (3 on) of each item id that has one.
    std::unordered_map<std::uint32_t, std::int32_t> slotOf_;
};

}  // namespace zek::win32
