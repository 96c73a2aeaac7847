#include "driver/tree_view.h"

#include <cstring>

#include "driver/input.h"
#include "driver/remote_block.h"
#include "driver/window_query.h"

namespace zek::e2e {
namespace {

HTREEITEM nextRow(HWND tree, HTREEITEM row, UINT how) {
    return reinterpret_cast<HTREEITEM>(
        ::SendMessageA(tree, TVM_GETNEXTITEM, how, reinterpret_cast<LPARAM>(row)));
}

// The rectangle of the row's text, in the tree's client coordinates.
RECT rowTextRect(HWND tree, HTREEITEM row) {
    RECT rect{};  // in: the row's handle
    std::memcpy(&rect, &row, sizeof row);
    return exchangeRect(tree, TVM_GETITEMRECT, TRUE, rect);
}

}  // namespace

int treeRowCount(HWND tree) {
    return static_cast<int>(::SendMessageA(tree, TVM_GETCOUNT, 0, 0));
}

HTREEITEM treeTopRow(HWND tree, int n) {
    HTREEITEM row = nextRow(tree, nullptr, TVGN_ROOT);
    while (n-- > 0 && row != nullptr) {
        row = nextRow(tree, row, TVGN_NEXT);
    }
    return row;
}

HTREEITEM treeFirstChild(HWND tree, HTREEITEM row) {
    return nextRow(tree, row, TVGN_CHILD);
}

void pressKeyOnTreeRow(HWND dialog, int treeId, HTREEITEM row, WORD key) {
    ::SendDlgItemMessageA(dialog, treeId, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(row));
    pressKeyIn(dialog, treeId, key);
}

void doubleClickTreeRow(HWND tree, HTREEITEM row) {
    const RECT rect = rowTextRect(tree, row);
    clickInClient(tree, rect, false);
    clickInClient(tree, rect, false);
}

void dragTreeRow(HWND tree, HTREEITEM row, HTREEITEM onto) {
    const auto centre = [tree](HTREEITEM each) {
        const RECT rect = rowTextRect(tree, each);
        POINT point{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
        ::ClientToScreen(tree, &point);
        return point;
    };
    const POINT from = centre(row);
    const POINT to = centre(onto);
    const int shortDrag = row == onto ? 8 : 0;
    dragWithLeftButton(from.x, from.y, to.x - from.x + shortDrag, to.y - from.y);
}

bool treeRowExpanded(HWND tree, HTREEITEM row) {
    const auto state = ::SendMessageA(tree, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(row), TVIS_EXPANDED);
    return (state & TVIS_EXPANDED) != 0;
}

}  // namespace zek::e2e
