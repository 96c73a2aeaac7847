#include "win32/dialogs/launcher_tree_dialog.h"

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "core/app/messages.h"
#include "core/data/item_store.h"
#include "core/data/item_store_file.h"
#include "core/dialogs/item_form.h"
#include "core/dialogs/tree_rules.h"
#include "resource.h"
#include "win32/dialogs/dropped_files.h"
#include "win32/dialogs/item_dialogs.h"
#include "win32/dialogs/modal_dialog.h"
#include "win32/dialogs/save_failure.h"
#include "win32/dialogs/tree_view.h"
#include "win32/launch/image_list.h"

namespace zek::win32 {
namespace {

using data::ItemType;
using data::LauncherItem;

constexpr UINT DLGM_SELECTITEM = WM_USER + 16;
constexpr UINT DLGM_FINISH = WM_USER + 17;
constexpr int kTreeMenuPosition = 1;

HTREEITEM rowOf(const LauncherItem& item) {
    return reinterpret_cast<HTREEITEM>(item.treeItem());
}

class LauncherTreeDialog final : public ModalDialog {
  public:
    explicit LauncherTreeDialog(LauncherProcess& process) : process_(process), images_(process.instance()) {}
    ~LauncherTreeDialog() override;

    // Puts the store back as the data file holds it, unless that was done already.
    void reloadStore();

  private:
    bool onInit() override;
    bool onCommand(int id, int code, HWND source) override;
    bool onNotify(const NMHDR& header, LRESULT& result) override;
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void onOK() override { beginFinish(true); }
    void onCancel() override { beginFinish(false); }

    data::ItemStore& store() const { return process_.store(); }
    LauncherItem* itemOf(HTREEITEM row) const;
    LauncherItem* selectedItem() const { return itemOf(tree_.selection()); }

    void layout();
    void fill();
    void fillBelow(LauncherItem& parent, HTREEITEM parentRow);
    HTREEITEM insertIntoTree(LauncherItem& item, HTREEITEM parentRow);
    void giveImage(NMTVDISPINFOA& info);

    void addChild(bool fromMenu);
    void addUnder(HTREEITEM parentRow, const data::ItemFields& fields);
    void addRootNode();
    void editSelected();
    void deleteSelected();
    void showContextMenu(LPARAM screenPoint);

    void beginDrag(const NMTREEVIEWA& info);
    void dragTo(POINT screen);
    void drop();
    void abandonDrag();
    void moveUnder(HTREEITEM draggedRow, HTREEITEM targetRow);
    void onFilesDropped(HDROP drop);

    void beginFinish(bool save);
    void finish(bool save);
    bool saveStore();
    void barReloadList() const { ::SendMessageA(process_.bar(), app::LM_RELOADLIST, 0, 0); }

    static LRESULT CALLBACK treeProcedure(HWND tree, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                          DWORD_PTR self);

    LauncherProcess& process_;
    ItemImageList images_;
    TreeView tree_;
    bool dragActive_ = false;
    HTREEITEM dragItem_ = nullptr;
    UniqueImageList dragImage_;
    bool finishing_ = false;
    // Set once the store the rows point to is gone.
    bool storeReplaced_ = false;
};

LauncherTreeDialog::~LauncherTreeDialog() {
    abandonDrag();
}

LauncherItem* LauncherTreeDialog::itemOf(HTREEITEM row) const {
    return store().findByTreeItem(reinterpret_cast<data::TreeRowHandle>(row));
}

bool LauncherTreeDialog::onInit() {
    tree_ = TreeView(control(IDC_TREE));
    ::ShowWindow(control(IDC_PROGRESS_NOTICE), SW_HIDE);
    const auto icon = static_cast<HICON>(::LoadImageA(
        process_.instance(), MAKEINTRESOURCEA(IDI_ZEKLAUNCHER_SMALL), IMAGE_ICON, 16, 16, LR_SHARED));
    ::SendMessageA(window(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    layout();
    ::DragAcceptFiles(tree_.handle(), TRUE);
    ::SetWindowSubclass(tree_.handle(), &LauncherTreeDialog::treeProcedure, 0,
                        reinterpret_cast<DWORD_PTR>(this));
    fill();
    return true;
}

void LauncherTreeDialog::layout() {
    RECT client{};
    ::GetClientRect(window(), &client);
    const int width = client.right;
    const int height = client.bottom;
    const UINT flags = SWP_SHOWWINDOW | SWP_NOZORDER;
    ::SetWindowPos(tree_.handle(), nullptr, 10, 10, width - 20, height - 50, flags);
    ::SetWindowPos(control(IDC_ADD_ROOT_NODE), nullptr, 20, height - 30, 110, 22, flags);
    ::SetWindowPos(control(IDC_OK), nullptr, 170, height - 30, 90, 22, flags);
}

// Rows are inserted in the store's order and each parent's rows sorted once, which
// ends in the same order as sorting after every insertion, without its cost.
void LauncherTreeDialog::fill() {
    TreeView_SetImageList(tree_.handle(), images_.handle(), TVSIL_NORMAL);
    ::SendMessageA(tree_.handle(), WM_SETREDRAW, FALSE, 0);
    fillBelow(*store().root(), TVI_ROOT);
    ::SendMessageA(tree_.handle(), WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(tree_.handle(), nullptr, TRUE);
}

void LauncherTreeDialog::fillBelow(LauncherItem& parent, HTREEITEM parentRow) {
    for (const auto& child : parent.children()) {
        const bool topLevel =
            child->type() == ItemType::DefaultRootNode || child->type() == ItemType::RootItem;
        const HTREEITEM row = tree_.insertLast(*child, topLevel ? TVI_ROOT : parentRow);
        if (child->childCount() > 0) {
            fillBelow(*child, row);
        }
    }
    if (parent.childCount() > 0) {
        tree_.sortChildren(parentRow);
    }
}

HTREEITEM LauncherTreeDialog::insertIntoTree(LauncherItem& item, HTREEITEM parentRow) {
    if (item.type() == ItemType::AllItemRoot) {
        return nullptr;
    }
    const bool topLevel = item.type() == ItemType::DefaultRootNode || item.type() == ItemType::RootItem;
    const HTREEITEM parent = topLevel || parentRow == nullptr ? TVI_ROOT : parentRow;
    const HTREEITEM row = tree_.insertLast(item, parent);
    tree_.sortChildren(parent);
    return row;
}

// Icons cost milliseconds each, so a row gets its image when it is first shown.
void LauncherTreeDialog::giveImage(NMTVDISPINFOA& info) {
    if ((info.item.mask & (TVIF_IMAGE | TVIF_SELECTEDIMAGE)) == 0) {
        return;
    }
    int image = 0;
    if (!storeReplaced_ && info.item.lParam != 0) {
        auto& item = *reinterpret_cast<LauncherItem*>(info.item.lParam);
        image = images_.assignItemImage(item);
        item.setImageIndex(image);
    }
    info.item.iImage = image;
    info.item.iSelectedImage = image;
    info.item.mask |= TVIF_DI_SETITEM;
}

bool LauncherTreeDialog::onCommand(int id, int code, HWND) {
    switch (id) {
        case IDM_TREE_ADD:
            addChild(true);
            return true;
        case IDM_TREE_EDIT:
            editSelected();
            return true;
        case IDM_TREE_DELETE:
            deleteSelected();
            return true;
        case IDC_ADD_ROOT_NODE:
            if (code == BN_CLICKED) {
                addRootNode();
            }
            return true;
        default:
            return false;
    }
}

bool LauncherTreeDialog::onNotify(const NMHDR& header, LRESULT& result) {
    if (header.idFrom != IDC_TREE) {
        return false;
    }
    switch (header.code) {
        case TVN_GETDISPINFOA:
            giveImage(*reinterpret_cast<NMTVDISPINFOA*>(const_cast<NMHDR*>(&header)));
            return true;
        case TVN_KEYDOWN: {
            const WORD key = reinterpret_cast<const NMTVKEYDOWN&>(header).wVKey;
            if (key == VK_DELETE) {
                deleteSelected();
            } else if (key == VK_INSERT) {
                addChild(false);
            }
            result = 0;
            return true;
        }
        case NM_DBLCLK:
            ::PostMessageA(window(), WM_COMMAND, IDM_TREE_EDIT, 0);
            return true;
        case TVN_BEGINDRAGA:
            beginDrag(reinterpret_cast<const NMTREEVIEWA&>(header));
            return true;
        default:
            return false;
    }
}

bool LauncherTreeDialog::onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT&) {
    switch (message) {
        case WM_SIZE:
            layout();
            return true;
        case WM_CONTEXTMENU:
            showContextMenu(lParam);
            return true;
        case WM_MOUSEMOVE:
            if (dragActive_) {
                POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
                ::ClientToScreen(window(), &point);
                dragTo(point);
            }
            return dragActive_;
        case WM_LBUTTONUP:
            if (dragActive_) {
                drop();
                return true;
            }
            return false;
        case WM_CAPTURECHANGED:
            abandonDrag();
            return false;
        case DLGM_SELECTITEM:
            tree_.highlightDropTarget(nullptr);
            tree_.select(reinterpret_cast<HTREEITEM>(lParam));
            return true;
        case DLGM_FINISH:
            finish(wParam == 1);
            return true;
        default:
            return false;
    }
}

void LauncherTreeDialog::addChild(bool fromMenu) {
    const HTREEITEM row = tree_.selection();
    LauncherItem* parent = itemOf(row);
    if (parent == nullptr || !dialogs::takesChildren(parent->type())) {
        return;
    }
    if (fromMenu && parent->level() > data::kMaxItemLevel) {
        return;
    }
    if (const auto fields = runItemDialog(process_.instance(), window(), process_.bar(), nullptr)) {
        addUnder(row, *fields);
    }
}

void LauncherTreeDialog::addUnder(HTREEITEM parentRow, const data::ItemFields& fields) {
    LauncherItem* added =
        store().addUnder(reinterpret_cast<data::TreeRowHandle>(parentRow), store().createItem(fields));
    if (added != nullptr) {
        insertIntoTree(*added, parentRow);
    }
}

void LauncherTreeDialog::addRootNode() {
    if (const auto fields = runRootNodeDialog(process_.instance(), window(), nullptr)) {
        if (LauncherItem* added = store().addToRoot(store().createItem(*fields))) {
            insertIntoTree(*added, nullptr);
        }
    }
}

void LauncherTreeDialog::editSelected() {
    LauncherItem* item = selectedItem();
    if (item == nullptr) {
        return;
    }
    std::optional<data::ItemFields> edited =
        runEditFormFor(process_.instance(), window(), process_.bar(), *item);
    // The row may have gone while the form was open (a drop, a second edit).
    if (!edited || itemOf(tree_.selection()) != item) {
        return;
    }
    const std::int32_t ownImage = item->imageIndex();
    store().setItemFields(item, std::move(*edited));
    item->setImageIndex(ownImage);  // an edited item reuses its own image slot
    const HTREEITEM row = rowOf(*item);
    tree_.rename(row, item->name());
    tree_.forgetImage(row);
    const HTREEITEM parentRow = tree_.parentOf(row);
    tree_.sortChildren(parentRow != nullptr ? parentRow : TVI_ROOT);
}

void LauncherTreeDialog::deleteSelected() {
    const HTREEITEM row = tree_.selection();
    LauncherItem* item = itemOf(row);
    if (item == nullptr || !dialogs::canDelete(item->type())) {
        return;
    }
    store().removeByTreeItem(reinterpret_cast<data::TreeRowHandle>(row));
    tree_.remove(row);
    // The bar's list must not keep pointers to the items just released.
    barReloadList();
}

void LauncherTreeDialog::showContextMenu(LPARAM screenPoint) {
    const POINT point{static_cast<short>(LOWORD(screenPoint)), static_cast<short>(HIWORD(screenPoint))};
    if (screenPoint == -1) {
        return;  // asked for from the keyboard: no row lies under a point
    }
    const HTREEITEM row = tree_.rowAtScreenPoint(point);
    const LauncherItem* item = itemOf(row);
    if (item == nullptr) {
        return;
    }
    const auto states = dialogs::contextMenuStates(item->type());
    if (!states) {
        return;
    }
    // The entries and the command they run concern the same row.
    tree_.select(row);
    const UniqueMenu menu(::LoadMenuA(process_.instance(), MAKEINTRESOURCEA(IDR_TRAY_MENU)));
    HMENU popup = menu ? ::GetSubMenu(menu.get(), kTreeMenuPosition) : nullptr;
    if (popup == nullptr) {
        return;
    }
    const std::pair<UINT, bool> entries[] = {
        {IDM_TREE_ADD, states->add}, {IDM_TREE_EDIT, states->edit}, {IDM_TREE_DELETE, states->remove}};
    for (const auto& [id, enabled] : entries) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STATE;
        info.fState = enabled ? MFS_ENABLED : (MFS_DISABLED | MFS_GRAYED);
        ::SetMenuItemInfoA(popup, id, FALSE, &info);
    }
    ::TrackPopupMenu(popup, TPM_CENTERALIGN, point.x, point.y, 0, window(), nullptr);
}

void LauncherTreeDialog::beginDrag(const NMTREEVIEWA& info) {
    const HTREEITEM row = info.itemNew.hItem;
    const LauncherItem* item = itemOf(row);
    if (item == nullptr) {
        return;
    }
    if (!dialogs::canDrag(item->type())) {
        tree_.select(row);
        return;
    }
    dragImage_.reset(TreeView_CreateDragImage(tree_.handle(), row));
    ::ImageList_BeginDrag(dragImage_.get(), 0, 0, 0);
    ::ShowCursor(FALSE);
    ::SetCapture(window());
    dragActive_ = true;
    dragItem_ = row;
    POINT point = info.ptDrag;
    ::ClientToScreen(tree_.handle(), &point);
    ::ImageList_DragEnter(nullptr, point.x, point.y);
}

void LauncherTreeDialog::dragTo(POINT screen) {
    ::ImageList_DragLeave(nullptr);
    if (const HTREEITEM row = tree_.rowAtScreenPoint(screen)) {
        tree_.highlightDropTarget(row);
    }
    ::ImageList_DragMove(screen.x, screen.y);
    ::ImageList_DragEnter(nullptr, screen.x, screen.y);
}

void LauncherTreeDialog::drop() {
    const HTREEITEM dragged = dragItem_;
    abandonDrag();
    POINT cursor{};
    ::GetCursorPos(&cursor);
    const HTREEITEM target = tree_.rowAtScreenPoint(cursor);
    if (target != nullptr) {
        ::PostMessageA(window(), DLGM_SELECTITEM, 0, reinterpret_cast<LPARAM>(target));
        moveUnder(dragged, target);
    } else {
        tree_.highlightDropTarget(nullptr);
    }
}

// Ends a drag, also one cut short when another window took the mouse.
void LauncherTreeDialog::abandonDrag() {
    if (!dragActive_) {
        return;
    }
    dragActive_ = false;
    ::ImageList_DragLeave(nullptr);
    ::ImageList_EndDrag();
    dragImage_.reset();
    if (::GetCapture() == window()) {
        ::ReleaseCapture();
    }
    ::ShowCursor(TRUE);
    dragItem_ = nullptr;
}

// The parent row a drop on `target` lands under, none when it lands nowhere.
HTREEITEM dropParentRow(const TreeView& tree, const data::ItemStore& store, HTREEITEM target) {
    const LauncherItem* targetItem = store.findByTreeItem(reinterpret_cast<data::TreeRowHandle>(target));
    if (targetItem == nullptr) {
        return nullptr;
    }
    const HTREEITEM parentRow = tree.parentOf(target);
    const LauncherItem* parentItem = store.findByTreeItem(reinterpret_cast<data::TreeRowHandle>(parentRow));
    std::optional<ItemType> parentType;
    if (parentItem != nullptr) {
        parentType = parentItem->type();
    }
    switch (dialogs::dropParentFor(targetItem->type(), parentType)) {
        case dialogs::DropParent::Target:
            return target;
        case dialogs::DropParent::TargetsParent:
            return parentRow;
        case dialogs::DropParent::None:
            return nullptr;
    }
    return nullptr;
}

void LauncherTreeDialog::moveUnder(HTREEITEM draggedRow, HTREEITEM target) {
    const HTREEITEM parentRow = dropParentRow(tree_, store(), target);
    LauncherItem* newParent = itemOf(parentRow);
    LauncherItem* item = itemOf(draggedRow);
    // A short drag ends on the row itself or a sibling: the item is where it was
    // dropped already, and its row (which the drop selects) stays.
    if (newParent == nullptr || item == nullptr || newParent == item->parent() ||
        !store().moveItem(newParent, item)) {
        return;
    }
    // The row goes with the rows of any children a hand-edited file gave the item;
    // they come back under the new row with handles of their own.
    tree_.remove(draggedRow);
    const HTREEITEM row = tree_.insertLast(*item, parentRow);
    fillBelow(*item, row);
    tree_.sortChildren(parentRow);
}

void LauncherTreeDialog::onFilesDropped(HDROP drop) {
    POINT cursor{};
    ::GetCursorPos(&cursor);
    const std::vector<std::string> paths = droppedPaths(drop);
    ::DragFinish(drop);
    const HTREEITEM target = dropParentRow(tree_, store(), tree_.rowAtScreenPoint(cursor));
    if (target == nullptr) {
        return;
    }
    for (const std::string& path : paths) {
        if (path.empty()) {
            continue;
        }
        const dialogs::DroppedFileFields dropped = dialogs::droppedFileFields(path);
        const data::ItemFields temporary{.name = dropped.name, .app = dropped.app, .dir = dropped.dir};
        if (const auto fields = runItemDialog(process_.instance(), window(), process_.bar(), &temporary)) {
            // A form may run for long: the target row must still be there.
            if (itemOf(target) == nullptr) {
                return;
            }
            addUnder(target, *fields);
        }
        tree_.highlightDropTarget(nullptr);
        tree_.select(target);
    }
}

LRESULT CALLBACK LauncherTreeDialog::treeProcedure(HWND tree, UINT message, WPARAM wParam, LPARAM lParam,
                                                   UINT_PTR, DWORD_PTR self) {
    if (message == WM_DROPFILES) {
        try {
            reinterpret_cast<LauncherTreeDialog*>(self)->onFilesDropped(reinterpret_cast<HDROP>(wParam));
        } catch (...) {
            // The drop is lost, nothing else: the tree and the store stay as they are.
        }
        return 0;
    }
    if (message == WM_NCDESTROY) {
        ::RemoveWindowSubclass(tree, &LauncherTreeDialog::treeProcedure, 0);
    }
    return ::DefSubclassProc(tree, message, wParam, lParam);
}

void LauncherTreeDialog::beginFinish(bool save) {
    if (finishing_) {
        return;
    }
    finishing_ = true;
    abandonDrag();
    RECT client{};
    ::GetClientRect(window(), &client);
    HWND notice = control(IDC_PROGRESS_NOTICE);
    ::SetWindowPos(notice, HWND_TOP, client.right / 2 - 80, client.bottom / 2 - 30, 160, 25, 0);
    ::SetWindowTextA(notice, save ? "データを保存しています･･･" : "データの再読込中･･･");
    ::ShowWindow(notice, SW_SHOW);
    ::UpdateWindow(notice);
    ::PostMessageA(window(), DLGM_FINISH, save ? 1 : 0, 0);
}

void LauncherTreeDialog::finish(bool save) {
    if (save && !saveStore()) {
        ::ShowWindow(control(IDC_PROGRESS_NOTICE), SW_HIDE);
        finishing_ = false;
        return;
    }
    if (!save) {
        reloadStore();
    }
    end(save ? IDOK : IDCANCEL);
}

bool LauncherTreeDialog::saveStore() {
    return saveStoreOrReport(process_, window());
}

void LauncherTreeDialog::reloadStore() {
    if (storeReplaced_) {
        return;
    }
    storeReplaced_ = true;
    std::unique_ptr<data::ItemStore> reread = process_.storeFile().load();
    // The item hotkeys registered for the discarded store stay registered for the
    // same items read again, so "hotkeyon" must not register them a second time.
    reread->setHotkeysOn(store().hotkeysOn());
    process_.replaceStore(std::move(reread));
    barReloadList();
}

}  // namespace

void runLauncherTreeDialog(LauncherProcess& process) {
    LauncherTreeDialog dialog(process);
    // Only OK keeps the edits; an ending that bypassed the discard (an exception,
    // a dialog ended from outside) must not leave them for the next save to write.
    const INT_PTR result = dialog.run(process.instance(), IDD_LAUNCHER_TREE, process.bar());
    if (result != IDOK && result != -1) {
        dialog.reloadStore();
    }
}

}  // namespace zek::win32
