#include "win32/dialogs/tree_view.h"

#include <string>

namespace zek::win32 {

HTREEITEM TreeView::insertLast(const data::LauncherItem& item, HTREEITEM parent) const {
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.pszText = const_cast<char*>(item.name().data());
    insert.item.iImage = I_IMAGECALLBACK;
    insert.item.iSelectedImage = I_IMAGECALLBACK;
    insert.item.lParam = static_cast<LPARAM>(item.id());
    return reinterpret_cast<HTREEITEM>(
        ::SendMessageA(control_, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

std::uint32_t TreeView::itemIdOf(HTREEITEM row) const {
    if (row == nullptr) {
        return 0;
    }
    TVITEMA item{};
    item.mask = TVIF_PARAM;
    item.hItem = row;
    if (!TreeView_GetItem(control_, &item)) {
        return 0;
    }
    return static_cast<std::uint32_t>(item.lParam);
}

void TreeView::sortChildren(HTREEITEM parent) const {
    ::SendMessageA(control_, TVM_SORTCHILDREN, FALSE, reinterpret_cast<LPARAM>(parent));
}

void TreeView::rename(HTREEITEM row, const std::string& name) const {
    TVITEMA change{};
    change.mask = TVIF_TEXT;
    change.hItem = row;
    change.pszText = const_cast<char*>(name.c_str());
    ::SendMessageA(control_, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&change));
}

void TreeView::forgetImage(HTREEITEM row) const {
    TVITEMA change{};
    change.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    change.hItem = row;
    change.iImage = I_IMAGECALLBACK;
    change.iSelectedImage = I_IMAGECALLBACK;
    ::SendMessageA(control_, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&change));
}

void TreeView::remove(HTREEITEM row) const {
    TreeView_DeleteItem(control_, row);
}

HTREEITEM TreeView::rowAtScreenPoint(POINT screen) const {
    TVHITTESTINFO hit{};
    hit.pt = screen;
    ::ScreenToClient(control_, &hit.pt);
    const HTREEITEM row = TreeView_HitTest(control_, &hit);
    return row;
}

}  // namespace zek::win32
