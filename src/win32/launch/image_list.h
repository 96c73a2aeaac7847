#pragma once
// The 16x16 image list the item tree and the settings tree view show: the three
// stock images first (0 node, 1 data item, 2 built-in command, from the program's
// icon resources), then one image per item that has an icon of its own. Images are
// never removed while the program runs; an edited item reuses its own slot.
#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <vector>

#include "core/data/item_store.h"
#include "core/data/launcher_item.h"
#include "win32/platform/unique_handle.h"

namespace zek::win32 {

class ItemImageList {
  public:
    // `resourceModule` holds the stock icons (IDI_NODE, IDI_DATA_ITEM, IDI_COMMAND):
    // the program's own module, or the program loaded as a data file. A stock icon it
    // lacks leaves a blank image, so that the indices keep their meaning.
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

    // For the ItemStore: this list must outlive the store that holds the assigner.
    data::ImageAssigner assigner() {
        return [this](const data::LauncherItem& item) { return assignItemImage(item); };
    }

  private:
    bool ensureList();

    HMODULE resourceModule_;
    UniqueImageList list_;
    // The item each own slot (3 on) was given to. An item keeps the index an earlier
    // list gave it; reusing that index here would paint over another item's picture.
    std::vector<const data::LauncherItem*> slotOwners_;
};

}  // namespace zek::win32
