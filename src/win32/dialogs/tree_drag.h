#pragma once
// The mouse drag of a row of the settings tree: the row's picture follows the
// cursor, the row under it is highlighted as the drop target, and the drop names
// the row dragged and the row it was let go on. What the drop means is the
// dialog's business.
#include <windows.h>

#include <commctrl.h>

#include <optional>

#include "win32/dialogs/tree_view.h"
#include "win32/platform/unique_handle.h"

namespace zek::win32 {

struct TreeDrop {
    HTREEITEM dragged;
    HTREEITEM target;
};

class TreeDrag {
  public:
    TreeDrag() = default;
    TreeDrag(const TreeDrag&) = delete;
    TreeDrag& operator=(const TreeDrag&) = delete;
    ~TreeDrag() { abandon(); }

    bool active() const { return active_; }
    // `owner` takes the mouse until the drop; `start` is in the tree's client coordinates.
    void begin(HWND owner, const TreeView& tree, HTREEITEM row, POINT start);
    void moveTo(POINT screen);
    // Ends the drag at the cursor: the rows of the move, none when it was let go
    // off the rows (the highlight then goes at once).
    std::optional<TreeDrop> drop();
    // Ends a drag, also one cut short when another window took the mouse.
    void abandon();

  private:
    bool active_ = false;
    HWND owner_ = nullptr;
    TreeView tree_;
    HTREEITEM dragged_ = nullptr;
    UniqueImageList image_;
};

}  // namespace zek::win32
