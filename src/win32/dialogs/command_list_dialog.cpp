#include "win32/dialogs/command_list_dialog.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <cwchar>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/data/item_store.h"
#include "core/data/item_store_file.h"
#include "core/dialogs/command_list.h"
#include "core/dialogs/list_sort.h"
#include "resource.h"
#include "win32/dialogs/item_dialogs.h"
#include "win32/dialogs/list_view.h"
#include "win32/dialogs/modal_dialog.h"
#include "win32/dialogs/save_failure.h"
#include "win32/launch/image_list.h"
#include "win32/launch/item_runner.h"
#include "win32/platform/icons.h"
#include "win32/platform/wide_text.h"

namespace zek::win32 {
namespace {

using data::LauncherItem;

constexpr std::array<int, 4> kCounterIds = {IDC_COMMAND_COUNT, IDC_ROOT_COUNT, IDC_NODE_COUNT,
                                            IDC_ITEM_COUNT};

int columnFormat(dialogs::CellAlign align) {
    switch (align) {
        case dialogs::CellAlign::Right:
            return LVCFMT_RIGHT;
        case dialogs::CellAlign::Centre:
            return LVCFMT_CENTER;
        case dialogs::CellAlign::Left:
            break;
    }
    return LVCFMT_LEFT;
}

class CommandListDialog final : public ModalDialog {
  public:
    explicit CommandListDialog(LauncherProcess& process)
        : process_(process), rowsStore_(process.store().identity()) {}

  private:
    bool onInit() override;
    bool onCommand(int id, int code, HWND source) override;
    bool onNotify(const NMHDR& header, LRESULT& result) override;
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    data::ItemStore& store() const { return process_.store(); }
    ListView list() const { return ListView(control(IDC_COMMAND_LIST)); }

    void layout();
    void insertColumns();
    void fill();
    void resetImages();
    void giveDisplayInfo(NMLVDISPINFOA& info);
    int giveImage(const LauncherItem* item);
    int loadImage(const LauncherItem& item);
    LRESULT findRow(const NMLVFINDITEMA& find) const;
    LRESULT findRow(const NMLVFINDITEMW& find) const;
    LRESULT findRowStartingWith(const std::wstring& prefix, const LVFINDINFOW& how, int start) const;
    LauncherItem* rowItem(int row) const;
    void sort();
    void updateHeaders();
    void onColumnClick(int column);
    LauncherItem* selectedItem(int& row) const;
    void runSelected();
    void editSelected();
    void redrawRow(int row, const LauncherItem& item);

    LauncherProcess& process_;
    // The list is virtual: row n shows the item of id rows_[n] in the store the rows
    // were made from, and the rows are sorted here. A list that held its own rows
    // took seconds to insert 100,000 of them and to sort them.
    std::uint64_t rowsStore_;
    std::vector<std::uint32_t> rows_;
    UniqueImageList images_;
    std::unordered_map<std::uint32_t, int> imageOf_;
    dialogs::ListSortState sortState_{dialogs::kCommandListColumnCount};
};

bool CommandListDialog::onInit() {
    setSmallIcon(process_.instance(), IDI_ZEKLAUNCHER_SMALL);
    list().addExtendedStyles(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    insertColumns();
    fill();
    updateHeaders();
    layout();
    ::ShowWindow(window(), SW_SHOW);
    return true;
}

void CommandListDialog::layout() {
    const auto [width, height] = clientSize();
    const display::DpiScale& s = scale();
    const UINT flags = SWP_SHOWWINDOW | SWP_NOZORDER;
    ::SetWindowPos(list().handle(), nullptr, s.px(10), s.px(10), width - s.px(20), height - s.px(50), flags);
    ::SetWindowPos(control(IDC_OK), nullptr, width - s.px(100), height - s.px(30), s.px(90), s.px(22), flags);
    ::SetWindowPos(control(IDC_COMMAND_COUNT), nullptr, s.px(20), height - s.px(30), s.px(100), s.px(20),
                   flags);
    for (int i = 0; i < 3; ++i) {
        ::SetWindowPos(control(kCounterIds[i + 1]), nullptr, s.px(130 + 90 * i), height - s.px(30), s.px(80),
                       s.px(20), flags);
    }
}

void CommandListDialog::insertColumns() {
    int index = 0;
    for (const dialogs::CommandListColumn& column : dialogs::commandListColumns()) {
        list().insertColumn(index++, std::string(column.caption), scale().px(column.width),
                            columnFormat(column.align));
    }
}

void CommandListDialog::resetImages() {
    UniqueImageList fresh = createStockImageList(process_.instance());
    // The list view shares the list (LVS_SHAREIMAGELISTS): it is ours to destroy.
    list().setSmallImages(fresh.get());
    images_ = std::move(fresh);
    imageOf_.clear();
}

// A row's cells and icon are given when the list view first shows them: an icon
// costs milliseconds, and most rows of a long list are never on screen. The texts
// are asked for at every paint (a few rows), so an edited row shows its new values.
void CommandListDialog::fill() {
    list().setRedraw(false);
    resetImages();
    const auto items = store().items();
    rows_.clear();
    rows_.reserve(items.size());
    dialogs::CommandListCounts counts;
    for (const LauncherItem* item : items) {
        rows_.push_back(item->id());
        counts.count(item->type());
    }
    sort();
    list().setVirtualRowCount(static_cast<int>(rows_.size()));
    const auto texts = counts.texts();
    for (std::size_t i = 0; i < kCounterIds.size(); ++i) {
        setControlText(kCounterIds[i], texts[i]);
    }
    list().setRedraw(true);
}

LauncherItem* CommandListDialog::rowItem(int row) const {
    if (row < 0 || static_cast<std::size_t>(row) >= rows_.size()) {
        return nullptr;
    }
    return store().find({rowsStore_, rows_[static_cast<std::size_t>(row)]});
}

void CommandListDialog::giveDisplayInfo(NMLVDISPINFOA& info) {
    const LauncherItem* item = rowItem(info.item.iItem);
    if ((info.item.mask & LVIF_TEXT) != 0 && info.item.pszText != nullptr && info.item.cchTextMax > 0) {
        const std::string text =
            item != nullptr ? dialogs::commandListCell(*item, static_cast<std::size_t>(info.item.iSubItem))
                            : "";
        const std::size_t length = std::min(text.size(), static_cast<std::size_t>(info.item.cchTextMax - 1));
        text.copy(info.item.pszText, length);
        info.item.pszText[length] = '\0';
    }
    if ((info.item.mask & LVIF_IMAGE) != 0 && info.item.iSubItem == 0) {
        info.item.iImage = giveImage(item);
    }
    if ((info.item.mask & LVIF_INDENT) != 0) {
        info.item.iIndent = 0;
    }
}

// Kept here rather than in the list view (LVIF_DI_SETITEM would keep the name's text as well).
int CommandListDialog::giveImage(const LauncherItem* item) {
    if (item == nullptr) {
        return 0;
    }
    if (const auto known = imageOf_.find(item->id()); known != imageOf_.end()) {
        return known->second;
    }
    const int image = loadImage(*item);
    imageOf_.emplace(item->id(), image);
    return image;
}

int CommandListDialog::loadImage(const LauncherItem& item) {
    const int stock = data::stockImageIndex(item);
    const UniqueIcon icon = loadItemSmallIcon(item);
    if (!icon || !images_) {
        return stock;
    }
    const int appended = ::ImageList_ReplaceIcon(images_.get(), -1, icon.get());
    return appended >= 0 ? appended : stock;
}

// As the list view sorted the rows it held: stably, and the selection and the focus
// going with their rows.
void CommandListDialog::sort() {
    const auto idOfRow = [this](int row) {
        return row >= 0 && static_cast<std::size_t>(row) < rows_.size() ? rows_[static_cast<std::size_t>(row)]
                                                                        : 0;
    };
    const std::uint32_t selected = idOfRow(list().selectedRow());
    const std::uint32_t focused = idOfRow(list().focusedRow());
    // Sorted as the items themselves, all of which live while this handler runs; a
    // row whose item is gone sorts last.
    std::vector<const LauncherItem*> items;
    items.reserve(rows_.size());
    for (const std::uint32_t id : rows_) {
        items.push_back(store().find({rowsStore_, id}));
    }
    const std::size_t column = sortState_.column();
    const bool descending = sortState_.descending();
    std::stable_sort(items.begin(), items.end(), [&](const LauncherItem* a, const LauncherItem* b) {
        if (a == nullptr || b == nullptr) {
            return b == nullptr && a != nullptr;
        }
        return dialogs::compareCommandListRows(*a, *b, column, descending) < 0;
    });
    rows_.clear();
    for (const LauncherItem* item : items) {
        rows_.push_back(item != nullptr ? item->id() : 0);
    }
    if (selected != 0 || focused != 0) {
        auto rowOf = [&](std::uint32_t id) {
            const auto at = std::find(rows_.begin(), rows_.end(), id);
            return id != 0 && at != rows_.end() ? static_cast<int>(at - rows_.begin()) : -1;
        };
        list().moveSelection(rowOf(selected), rowOf(focused));
    }
    list().redrawAll();
}

// The list view's own letter search, which a virtual list leaves to its owner: the
// first row from `start` on, wrapping, whose name begins with the typed letters,
// compared as the list view compares its texts.
LRESULT CommandListDialog::findRow(const NMLVFINDITEMA& find) const {
    if ((find.lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) == 0 || find.lvfi.psz == nullptr) {
        return -1;
    }
    const LVFINDINFOW how{.flags = find.lvfi.flags};
    return findRowStartingWith(wideText(find.lvfi.psz), how, find.iStart);
}

LRESULT CommandListDialog::findRow(const NMLVFINDITEMW& find) const {
    if ((find.lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) == 0 || find.lvfi.psz == nullptr) {
        return -1;
    }
    return findRowStartingWith(find.lvfi.psz, find.lvfi, find.iStart);
}

LRESULT CommandListDialog::findRowStartingWith(const std::wstring& prefix, const LVFINDINFOW& how,
                                               int start) const {
    const int count = static_cast<int>(rows_.size());
    if (prefix.empty() || count == 0) {
        return -1;
    }
    start = start >= 0 && start < count ? start : 0;
    const bool whole = (how.flags & LVFI_PARTIAL) == 0;
    const int end = (how.flags & LVFI_WRAP) != 0 ? start + count : count;
    for (int n = start; n < end; ++n) {
        const int row = n % count;
        const LauncherItem* item = rowItem(row);
        if (item == nullptr) {
            continue;
        }
        const std::wstring name = wideText(item->name());
        // Folded as the system compares, full-width letters too ("ａ" finds "Ａlpha").
        if (name.size() >= prefix.size() && (!whole || name.size() == prefix.size()) &&
            ::CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, name.c_str(),
                             static_cast<int>(prefix.size()), prefix.c_str(),
                             static_cast<int>(prefix.size())) == CSTR_EQUAL) {
            return row;
        }
    }
    return -1;
}

// Only the caption changes; width and alignment stay as they are.
void CommandListDialog::updateHeaders() {
    const auto columns = dialogs::commandListColumns();
    for (std::size_t column = 0; column < dialogs::kSortableColumnCount; ++column) {
        list().setColumnCaption(static_cast<int>(column), sortState_.caption(column, columns[column].caption,
                                                                             dialogs::kSortableColumnCount));
    }
}

void CommandListDialog::onColumnClick(int column) {
    sortState_.click(static_cast<std::size_t>(column));
    updateHeaders();
    sort();
}

LauncherItem* CommandListDialog::selectedItem(int& row) const {
    row = list().selectedRow();
    return rowItem(row);
}

void CommandListDialog::runSelected() {
    int row = 0;
    if (const LauncherItem* item = selectedItem(row)) {
        runItem(process_, item);
    }
}

void CommandListDialog::editSelected() {
    int row = 0;
    LauncherItem* item = selectedItem(row);
    if (item == nullptr) {
        return;
    }
    const data::ItemRef edits = store().refOf(*item);
    std::optional<data::ItemFields> edited = runEditFormFor(process_, window(), *item);
    // The form ran a message loop: the item is looked up again.
    item = store().find(edits);
    if (!edited || item == nullptr) {
        return;
    }
    store().setItemFields(item, std::move(*edited));
    // A failed save is reported; the edit stays in the store and is written by the next save.
    saveStoreOrReport(process_, store(), window(), kEditWaitsForNextSave);
    redrawRow(row, *item);
}

void CommandListDialog::redrawRow(int row, const LauncherItem& item) {
    imageOf_.erase(item.id());  // its icon is loaded again when the row is drawn
    list().redrawRow(row);
}

bool CommandListDialog::onCommand(int id, int code, HWND) {
    if (id == IDC_OK && code == BN_CLICKED) {
        end(IDOK);
        return true;
    }
    return false;
}

bool CommandListDialog::onNotify(const NMHDR& header, LRESULT& result) {
    if (header.idFrom != IDC_COMMAND_LIST) {
        return false;
    }
    switch (header.code) {
        case LVN_GETDISPINFOA:
            giveDisplayInfo(*reinterpret_cast<NMLVDISPINFOA*>(const_cast<NMHDR*>(&header)));
            return true;
        case LVN_ODFINDITEMA:
            result = findRow(reinterpret_cast<const NMLVFINDITEMA&>(header));
            return true;
        case LVN_ODFINDITEMW:
            result = findRow(reinterpret_cast<const NMLVFINDITEMW&>(header));
            return true;
        case LVN_COLUMNCLICK:
            onColumnClick(reinterpret_cast<const NMLISTVIEW&>(header).iSubItem);
            return true;
        case NM_DBLCLK:
            runSelected();
            return true;
        case NM_RCLICK:
            editSelected();
            return true;
        default:
            return false;
    }
}

bool CommandListDialog::onMessage(UINT message, WPARAM, LPARAM, LRESULT&) {
    if (message == WM_SIZE) {
        layout();
        return true;
    }
    return false;
}

}  // namespace

void runCommandListDialog(LauncherProcess& process) {
    CommandListDialog dialog(process);
    dialog.run(process.instance(), IDD_COMMAND_LIST, process.bar());
}

}  // namespace zek::win32
