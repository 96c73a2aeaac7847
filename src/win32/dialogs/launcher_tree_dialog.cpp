#include "win32/dialogs/launcher_tree_dialog_impl.h"

#include <commctrl.h>

#include <optional>
#include <utility>

#include "core/data/item_store.h"
#include "core/dialogs/item_form.h"
#include "core/dialogs/tree_rules.h"
#include "resource.h"
#include "win32/dialogs/item_dialogs.h"
#include "win32/platform/popup_menu.h"

namespace zek::win32 {

using data::ItemType;
using data::LauncherItem;

namespace {

constexpr int kTreeMenuPosition = 1;

}  // namespace

LauncherItem* LauncherTreeDialog::itemOf(HTREEITEM row) const {
    const std::uint32_t id = tree_.itemIdOf(row);
    return id != 0 ? store().find({rowsStore_, id}) : nullptr;
}

bool LauncherTreeDialog::onInit() {
    tree_ = TreeView(control(IDC_TREE));
    ::ShowWindow(control(IDC_PROGRESS_NOTICE), SW_HIDE);
    setSmallIcon(process_.instance(), IDI_ZEKLAUNCHER_SMALL);
    layout();
    // Filled before the subclass goes on: a message to a subclassed control first
    // finds the subclass chain in a window property (under Wine, a call to its
    // server), which made 10,000 rows take 940 ms to insert instead of 80.
    fill();
    acceptFileDrops();
    return true;
}

void LauncherTreeDialog::layout() {
    const auto [width, height] = clientSize();
    const display::DpiScale& s = scale();
    const UINT flags = SWP_SHOWWINDOW | SWP_NOZORDER;
    ::SetWindowPos(tree_.handle(), nullptr, s.px(10), s.px(10), width - s.px(20), height - s.px(50), flags);
    ::SetWindowPos(control(IDC_ADD_ROOT_NODE), nullptr, s.px(20), height - s.px(30), s.px(110), s.px(22),
                   flags);
    ::SetWindowPos(control(IDC_OK), nullptr, s.px(170), height - s.px(30), s.px(90), s.px(22), flags);
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

void LauncherTreeDialog::fillBelow(const LauncherItem& parent, HTREEITEM parentRow) {
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

HTREEITEM LauncherTreeDialog::insertIntoTree(const LauncherItem& item, HTREEITEM parentRow) {
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
    if (const LauncherItem* item = store().find({rowsStore_, static_cast<std::uint32_t>(info.item.lParam)})) {
        image = images_.assignItemImage(*item);
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
            if (drag_.active()) {
                POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
                ::ClientToScreen(window(), &point);
                drag_.moveTo(point);
            }
            return drag_.active();
        case WM_LBUTTONUP:
            if (drag_.active()) {
                drop();
                return true;
            }
            return false;
        case WM_CAPTURECHANGED:
            drag_.abandon();
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
    if (const auto fields = runItemDialog(process_, window(), nullptr)) {
        addUnder(row, *fields);
    }
}

void LauncherTreeDialog::addUnder(HTREEITEM parentRow, const data::ItemFields& fields) {
    LauncherItem* added = store().addChild(itemOf(parentRow), store().createItem(fields));
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
    const data::ItemRef edits = store().refOf(*item);
    std::optional<data::ItemFields> edited = runEditFormFor(process_, window(), *item);
    // The row may have gone while the form was open (a drop, a second edit).
    item = store().find(edits);
    const HTREEITEM row = tree_.selection();
    if (!edited || item == nullptr || itemOf(row) != item) {
        return;
    }
    store().setItemFields(item, std::move(*edited));
    tree_.rename(row, std::string(item->name()));
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
    store().removeItem(item);
    tree_.remove(row);
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
    trackPopupMenu(popup, window(), point, TPM_CENTERALIGN, MenuChoice::SentToOwner);
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
    drag_.begin(window(), tree_, row, info.ptDrag);
}

void LauncherTreeDialog::drop() {
    if (const std::optional<TreeDrop> move = drag_.drop()) {
        ::PostMessageA(window(), DLGM_SELECTITEM, 0, reinterpret_cast<LPARAM>(move->target));
        moveUnder(move->dragged, move->target);
    }
}

HTREEITEM LauncherTreeDialog::dropParentRow(HTREEITEM target) const {
    const LauncherItem* targetItem = itemOf(target);
    if (targetItem == nullptr) {
        return nullptr;
    }
    const HTREEITEM parentRow = tree_.parentOf(target);
    const LauncherItem* parentItem = itemOf(parentRow);
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
    const HTREEITEM parentRow = dropParentRow(target);
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

}  // namespace zek::win32
