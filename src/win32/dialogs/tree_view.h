#pragma once
// The few tree-view operations the settings tree needs, in the program's terms.
#include <windows.h>

#include <commctrl.h>

#include "core/data/launcher_item.h"

namespace zek::win32 {

class TreeView {
  public:
    explicit TreeView(HWND control = nullptr) : control_(control) {}
    HWND handle() const { return control_; }

    // A row for the item, last under `parent` (TVI_ROOT for the top level), with the
    // item's name and its id as the row's data; its image is asked for when the row
    // is first drawn.
    HTREEITEM insertLast(const data::LauncherItem& item, HTREEITEM parent) const;
    // The id of the item the row was made for, 0 for none.
    std::uint32_t itemIdOf(HTREEITEM row) const;
    // The rows under `parent` in the control's own alphabetical order.
    void sortChildren(HTREEITEM parent) const;
    void rename(HTREEITEM row, const std::string& name) const;
    // The row's image is asked for again when it is next drawn.
    void forgetImage(HTREEITEM row) const;
    void remove(HTREEITEM row) const;

    HTREEITEM selection() const { return TreeView_GetSelection(control_); }
    HTREEITEM parentOf(HTREEITEM row) const { return TreeView_GetParent(control_, row); }
    void select(HTREEITEM row) const { TreeView_SelectItem(control_, row); }
    void highlightDropTarget(HTREEITEM row) const { TreeView_SelectDropTarget(control_, row); }
    // The row under a point of the screen, none when there is none.
    HTREEITEM rowAtScreenPoint(POINT screen) const;

  private:
    HWND control_;
};

}  // namespace zek::win32
