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
    RECT rect{};  // in: the row's handle
    std::memcpy(&rect, &row, sizeof row);
    rect = exchangeRect(tree, TVM_GETITEMRECT, TRUE, rect);
    clickInClient(tree, rect, false);
    clickInClient(tree, rect, false);
}

}  // namespace zek::e2e
