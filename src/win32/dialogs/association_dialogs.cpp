#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <array>
#include <string>
#include <vector>

#include "core/data/launcher_settings.h"
#include "core/dialogs/item_form.h"
#include "core/dialogs/list_sort.h"
#include "core/dialogs/settings_forms.h"
#include "resource.h"
#include "win32/dialogs/dropped_files.h"
#include "win32/dialogs/list_view.h"
#include "win32/dialogs/modal_dialog.h"
#include "win32/dialogs/settings_dialogs.h"
#include "win32/launch/file_chooser.h"

namespace zek::win32 {
namespace {

using data::Association;

struct Column {
    const char* caption;
    int width;
};
constexpr std::array<Column, 3> kColumns = {{{"Extension", 80}, {"Application path", 250}, {"Option", 100}}};

const std::string& cellOf(const Association& association, std::size_t column) {
    return column == 0 ? association.ext : column == 1 ? association.appPath : association.appOption;
}

void sayRefused(HWND owner) {
    ::MessageBoxA(owner, "この関連設定は保存できません。", "", MB_ICONERROR);
}

class AssociationEditDialog final : public ModalDialog {
  public:
    AssociationEditDialog(data::LauncherSettings& settings, const Association* source)
        : settings_(settings), source_(source) {}

  private:
    bool onInit() override {
        ::DragAcceptFiles(window(), TRUE);
        if (source_ == nullptr) {
            return true;
        }
        setControlText(IDC_ASSOCIATION_EXT, source_->ext);
        setControlText(IDC_ASSOCIATION_APP, source_->appPath);
        setControlText(IDC_ASSOCIATION_OPTION, source_->appOption);
        ::SendDlgItemMessageA(window(), IDC_ASSOCIATION_EXT, EM_SETREADONLY, TRUE, 0);
        ::SetFocus(control(IDC_ASSOCIATION_APP));
        return false;
    }

    bool onCommand(int id, int code, HWND source) override {
        if (code != BN_CLICKED) {
            return ModalDialog::onCommand(id, code, source);
        }
        switch (id) {
            case IDC_ASSOCIATION_APP_FILE:
                if (const auto path = chooseExecutable(window())) {
                    setControlText(IDC_ASSOCIATION_APP, *path);
                }
                return true;
            default:
                return ModalDialog::onCommand(id, code, source);
        }
    }

    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        if (message != WM_DROPFILES) {
            return ModalDialog::onMessage(message, wParam, lParam, result);
        }
        const auto drop = reinterpret_cast<HDROP>(wParam);
        const std::vector<std::string> paths = droppedPaths(drop);
        ::DragFinish(drop);
        if (paths.size() == 1 && !paths.front().empty()) {
            setControlText(IDC_ASSOCIATION_APP, paths.front());
        }
        return true;
    }

    void onOK() override {
        using enum dialogs::AssociationEditOutcome;
        const std::string ext = controlText(IDC_ASSOCIATION_EXT);
        switch (dialogs::applyAssociationEdit(settings_, source_ != nullptr, ext,
                                              controlText(IDC_ASSOCIATION_APP),
                                              controlText(IDC_ASSOCIATION_OPTION))) {
            case Done:
                end(IDOK);
                return;
            case Incomplete:
                return;
            case DuplicateExtension: {
                const std::string message = dialogs::duplicateExtensionMessage(dialogs::trimField(ext));
                ::MessageBoxA(window(), message.c_str(), "", MB_ICONERROR);
                return;
            }
            case Refused:
                sayRefused(window());
                return;
        }
    }

    data::LauncherSettings& settings_;
    const Association* source_;
};

class AssociationListDialog final : public ModalDialog {
  public:
    AssociationListDialog(HINSTANCE instance, data::LauncherSettings& settings)
        : instance_(instance), settings_(settings) {}

  private:
    ListView list() const { return ListView(control(IDC_ASSOCIATION_LIST)); }

    bool onInit() override {
        list().addExtendedStyles(LVS_EX_FULLROWSELECT);
        for (std::size_t n = 0; n < kColumns.size(); ++n) {
            list().insertColumn(static_cast<int>(n), kColumns[n].caption, scale().px(kColumns[n].width),
                                LVCFMT_LEFT);
        }
        const data::FilerSetting& filer = settings_.filer();
        if (!filer.fileApp.empty()) {
            setControlText(IDC_FILER_APP, filer.fileApp);
            setControlText(IDC_FILER_OPTION, filer.fileAppOption);
        }
        fill();
        updateHeaders();
        return true;
    }

    // The rows show a copy of the associations as they were at filling: a deleted
    // row's neighbours keep their texts to sort by.
    void fill() {
        list().deleteAllRows();
        rows_ = settings_.associations();
        for (std::size_t n = 0; n < rows_.size(); ++n) {
            const int index = list().insertRow(static_cast<int>(n), rows_[n].ext, static_cast<LPARAM>(n));
            for (int column = 1; column < static_cast<int>(kColumns.size()); ++column) {
                list().setCellText(index, column, cellOf(rows_[n], column));
            }
        }
        sort();
    }

    void updateHeaders() const {
        for (std::size_t n = 0; n < kColumns.size(); ++n) {
            list().setColumnCaption(static_cast<int>(n),
                                    sort_.caption(n, kColumns[n].caption, kColumns.size()));
        }
    }

    void sort() { list().sort(&AssociationListDialog::compareRows, reinterpret_cast<LPARAM>(this)); }

    static int CALLBACK compareRows(LPARAM first, LPARAM second, LPARAM self) {
        const auto& dialog = *reinterpret_cast<const AssociationListDialog*>(self);
        const std::size_t column = dialog.sort_.column();
        return dialogs::compareCellBytes(cellOf(dialog.rows_[static_cast<std::size_t>(first)], column),
                                         cellOf(dialog.rows_[static_cast<std::size_t>(second)], column),
                                         dialog.sort_.descending());
    }

    // The selected row and the extension it shows, or -1.
    int selectedRow(std::string& ext) const {
        const int row = list().selectedRow();
        if (row < 0) {
            return -1;
        }
        ext = rows_[static_cast<std::size_t>(list().rowData(row))].ext;
        return row;
    }

    void changeSelected() {
        std::string ext;
        if (selectedRow(ext) < 0) {
            return;
        }
        const Association* found = settings_.findAssociation(ext);
        if (found == nullptr) {
            return;
        }
        const Association source = *found;  // the edit replaces the stored entry
        AssociationEditDialog edit(settings_, &source);
        edit.run(instance_, IDD_ASSOCIATION_EDIT, window());
        fill();
    }

    void deleteSelected() {
        std::string ext;
        const int row = selectedRow(ext);
        if (row >= 0 && settings_.removeAssociation(ext)) {
            list().deleteRow(row);
        }
    }

    void add() {
        AssociationEditDialog edit(settings_, nullptr);
        edit.run(instance_, IDD_ASSOCIATION_EDIT, window());
        fill();
    }

    bool onCommand(int id, int code, HWND source) override {
        if (code != BN_CLICKED) {
            return ModalDialog::onCommand(id, code, source);
        }
        switch (id) {
            case IDC_ASSOCIATION_ADD:
                add();
                return true;
            case IDC_ASSOCIATION_CHANGE:
                changeSelected();
                return true;
            case IDC_ASSOCIATION_DELETE:
                deleteSelected();
                return true;
            case IDC_FILER_APP_FILE:
                if (const auto path = chooseExecutable(window())) {
                    setControlText(IDC_FILER_APP, *path);
                }
                return true;
            default:
                return ModalDialog::onCommand(id, code, source);
        }
    }

    bool onNotify(const NMHDR& header, LRESULT& result) override {
        if (header.idFrom != IDC_ASSOCIATION_LIST) {
            return false;
        }
        switch (header.code) {
            case LVN_COLUMNCLICK:
                sort_.click(static_cast<std::size_t>(reinterpret_cast<const NMLISTVIEW&>(header).iSubItem));
                updateHeaders();
                sort();
                return true;
            case NM_DBLCLK:
                changeSelected();
                return true;
            case LVN_KEYDOWN:
                if (reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey == VK_DELETE) {
                    deleteSelected();
                }
                result = 0;
                return true;
            default:
                return false;
        }
    }

    void onOK() override {
        const std::string app(dialogs::trimField(controlText(IDC_FILER_APP)));
        if (!settings_.setFiler(app, controlText(IDC_FILER_OPTION))) {
            sayRefused(window());
            return;
        }
        end(IDOK);
    }

    HINSTANCE instance_;
    data::LauncherSettings& settings_;
    std::vector<Association> rows_;
    dialogs::ListSortState sort_{kColumns.size()};
};

}  // namespace

void runAssociationDialog(HINSTANCE instance, HWND owner, data::LauncherSettings& settings) {
    AssociationListDialog dialog(instance, settings);
    dialog.run(instance, IDD_ASSOCIATIONS, owner);
}

}  // namespace zek::win32
