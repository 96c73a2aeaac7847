#pragma once
// The settings tree dialog's own class, shared by the files that carry its jobs:
// filling and editing the rows (launcher_tree_dialog.cpp), the files dropped from
// the shell (launcher_tree_file_drop.cpp) and the ending that saves or discards
// (launcher_tree_finish.cpp). The row drag is a class of its own (tree_drag.h).
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include "core/app/messages.h"
#include "core/data/item_store.h"
#include "core/data/launcher_item.h"
#include "win32/dialogs/modal_dialog.h"
#include "win32/dialogs/tree_drag.h"
#include "win32/dialogs/tree_view.h"
#include "win32/launch/image_list.h"
#include "win32/process/launcher_process.h"

namespace zek::win32 {

class LauncherTreeDialog final : public ModalDialog {
  public:
    explicit LauncherTreeDialog(LauncherProcess& process)
        : process_(process), images_(process.instance()), rowsStore_(process.store().identity()) {}

    // Puts the store back as the data file holds it, unless the store the rows were
    // made from is gone already.
    void reloadStore();

  private:
    // Posted, not sent: the tree ends its own handling of the drop before the
    // selection moves, and the notice paints before the save begins.
    static constexpr UINT DLGM_SELECTITEM = WM_USER + 16;
    static constexpr UINT DLGM_FINISH = WM_USER + 17;

    bool onInit() override;
    bool onCommand(int id, int code, HWND source) override;
    bool onNotify(const NMHDR& header, LRESULT& result) override;
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void onOK() override { beginFinish(true); }
    void onCancel() override { beginFinish(false); }

    data::ItemStore& store() const { return process_.store(); }
    // The item of the row in the store the rows were made from; none once that
    // store is gone.
    data::LauncherItem* itemOf(HTREEITEM row) const;
    data::LauncherItem* selectedItem() const { return itemOf(tree_.selection()); }

    void layout();
    void fill();
    void fillBelow(const data::LauncherItem& parent, HTREEITEM parentRow);
    HTREEITEM insertIntoTree(const data::LauncherItem& item, HTREEITEM parentRow);
    void giveImage(NMTVDISPINFOA& info);

    void addChild(bool fromMenu);
    void addUnder(HTREEITEM parentRow, const data::ItemFields& fields);
    void addRootNode();
    void editSelected();
    void deleteSelected();
    void showContextMenu(LPARAM screenPoint);

    void beginDrag(const NMTREEVIEWA& info);
    void drop();
    // The parent row a drop on `target` lands under, none when it lands nowhere.
    HTREEITEM dropParentRow(HTREEITEM target) const;
    void moveUnder(HTREEITEM draggedRow, HTREEITEM targetRow);

    void acceptFileDrops();
    void onFilesDropped(HDROP drop);
    static LRESULT CALLBACK treeProcedure(HWND tree, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                          DWORD_PTR self);

    void beginFinish(bool save);
    void finish(bool save);
    void barReloadList() const { ::SendMessageA(process_.bar(), app::LM_RELOADLIST, 0, 0); }

    LauncherProcess& process_;
    ItemImageList images_;
    TreeView tree_;
    TreeDrag drag_;
    bool finishing_ = false;
    std::uint64_t rowsStore_;
};

}  // namespace zek::win32
