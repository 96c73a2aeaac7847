#include "win32/launch/image_list.h"

#include <array>

#include "resource.h"
#include "win32/platform/icons.h"

namespace zek::win32 {
namespace {

constexpr std::int32_t kFirstOwnImage = 3;
constexpr std::array<WORD, kFirstOwnImage> kStockIconIds = {IDI_NODE, IDI_DATA_ITEM, IDI_COMMAND};

// The size ExtractIconEx gives the items' own small icons in.
int imageSize() {
    return ::GetSystemMetrics(SM_CXSMICON);
}

// The resources' frame of that size (at 96 DPI their own 16x16 one, rather than
// the 32x32 one scaled down).
UniqueIcon loadStockIcon(HMODULE module, WORD id) {
    return UniqueIcon(static_cast<HICON>(
        ::LoadImageA(module, MAKEINTRESOURCEA(id), IMAGE_ICON, imageSize(), imageSize(), LR_DEFAULTCOLOR)));
}

}  // namespace

UniqueImageList createStockImageList(HMODULE resourceModule) {
    UniqueImageList list(::ImageList_Create(imageSize(), imageSize(), ILC_COLORDDB | ILC_MASK, 2, 0));
    if (!list) {
        return list;
    }
    for (int slot = 0; slot < kFirstOwnImage; ++slot) {
        const UniqueIcon icon = loadStockIcon(resourceModule, kStockIconIds[slot]);
        if (!icon || ::ImageList_ReplaceIcon(list.get(), -1, icon.get()) != slot) {
            ::ImageList_SetImageCount(list.get(), slot + 1);
        }
    }
    return list;
}

ItemImageList::ItemImageList(HMODULE resourceModule) : resourceModule_(resourceModule) {
    ensureList();
}

int ItemImageList::imageCount() const {
    return list_ ? ::ImageList_GetImageCount(list_.get()) : 0;
}

bool ItemImageList::ensureList() {
    if (list_) {
        return true;
    }
    list_ = createStockImageList(resourceModule_);
    return static_cast<bool>(list_);
}

std::int32_t ItemImageList::assignItemImage(const data::LauncherItem& item) {
    const std::int32_t stock = data::stockImageIndex(item);
    if (!ensureList()) {
        return stock;
    }
    const UniqueIcon icon = loadItemSmallIcon(item);
    if (!icon) {
        return stock;
    }
    // The list keeps its own copy of the icon; ours is destroyed on return.
    const auto own = slotOf_.find(item.id());
    if (own != slotOf_.end() &&
        ::ImageList_ReplaceIcon(list_.get(), own->second, icon.get()) == own->second) {
        return own->second;
    }
    const int appended = ::ImageList_ReplaceIcon(list_.get(), -1, icon.get());
    if (appended < kFirstOwnImage) {
        return stock;
    }
    if (item.id() != 0) {  // an item of no store has no slot to keep
        slotOf_[item.id()] = appended;
    }
    return appended;
}

}  // namespace zek::win32
