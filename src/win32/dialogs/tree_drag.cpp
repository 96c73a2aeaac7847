#include "win32/dialogs/tree_drag.h"

namespace zek::win32 {

void TreeDrag::begin(HWND owner, const TreeView& tree, HTREEITEM row, POINT start) {
    abandon();
    owner_ = owner;
    tree_ = tree;
    image_.reset(TreeView_CreateDragImage(tree_.handle(), row));
    ::ImageList_BeginDrag(image_.get(), 0, 0, 0);
    ::ShowCursor(FALSE);
    ::SetCapture(owner_);
    active_ = true;
    dragged_ = row;
    ::ClientToScreen(tree_.handle(), &start);
    ::ImageList_DragEnter(nullptr, start.x, start.y);
}

void TreeDrag::moveTo(POINT screen) {
    ::ImageList_DragLeave(nullptr);
    if (const HTREEITEM row = tree_.rowAtScreenPoint(screen)) {
        tree_.highlightDropTarget(row);
    }
    ::ImageList_DragMove(screen.x, screen.y);
    ::ImageList_DragEnter(nullptr, screen.x, screen.y);
}

std::optional<TreeDrop> TreeDrag::drop() {
    const HTREEITEM dragged = dragged_;
    abandon();
    POINT cursor{};
    ::GetCursorPos(&cursor);
    const HTREEITEM target = tree_.rowAtScreenPoint(cursor);
    if (target == nullptr) {
        tree_.highlightDropTarget(nullptr);
        return std::nullopt;
    }
    return TreeDrop{dragged, target};
}

void TreeDrag::abandon() {
    if (!active_) {
        return;
    }
    active_ = false;
    ::ImageList_DragLeave(nullptr);
    ::ImageList_EndDrag();
    image_.reset();
    if (::GetCapture() == owner_) {
        ::ReleaseCapture();
    }
    ::ShowCursor(TRUE);
    dragged_ = nullptr;
}

}  // namespace zek::win32
