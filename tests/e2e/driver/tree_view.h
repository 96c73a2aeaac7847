#pragma once
// Walking and working a tree view of another process, as a user sees it.
#include <windows.h>

#include <commctrl.h>

namespace zek::e2e {

int treeRowCount(HWND tree);
// The n-th top-level row, or null when there are not that many.
HTREEITEM treeTopRow(HWND tree, int n);
HTREEITEM treeFirstChild(HWND tree, HTREEITEM row);
// Selects the row and presses a key in the dialog's tree, as a user does after a click.
void pressKeyOnTreeRow(HWND dialog, int treeId, HTREEITEM row, WORD key);
// Double-clicks the row's text, which must be in view.
void doubleClickTreeRow(HWND tree, HTREEITEM row);
// Drags the row's text onto the other row's text with the left button; onto itself,
// a short drag that ends a few pixels to the right. Both must be in view.
void dragTreeRow(HWND tree, HTREEITEM row, HTREEITEM onto);
// Whether the row shows its children.
bool treeRowExpanded(HWND tree, HTREEITEM row);

}  // namespace zek::e2e
