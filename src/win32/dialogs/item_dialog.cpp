#include <windows.h>

#include <commctrl.h>

#include <array>

#include "core/app/global_hotkeys.h"
#include "core/data/hotkey_table.h"
#include "core/dialogs/item_form.h"
#include "resource.h"
#include "win32/dialogs/folder_chooser.h"
#include "win32/dialogs/form_dialog.h"
#include "win32/dialogs/hotkey_boxes.h"
#include "win32/dialogs/item_dialogs.h"
#include "win32/launch/file_chooser.h"

namespace zek::win32 {
namespace {

using data::ItemFields;
using data::ItemType;

constexpr std::array kPathFields = {IDC_APP, IDC_OPTION, IDC_DIR};
constexpr std::array kItemModeControls = {IDC_APP_FILE,       IDC_APP_FOLDER, IDC_OPTION_FILE,
                                          IDC_OPTION_FOLDER,  IDC_DIR_FOLDER, IDC_TASK_SWITCH,
                                          IDC_OWN_ASSOCIATION};
class ItemDialog final : public FormDialog {
  public:
    ItemDialog(HWND bar, HotkeyRegistry& hotkeys, const ItemFields* source)
        : bar_(bar), hotkeys_(hotkeys), source_(source) {}
    std::optional<ItemFields> result;

  private:
    bool onInit() override;
    bool onCommand(int id, int code, HWND source) override;
    void onFilesDropped(const std::vector<std::string>& paths) override;
    void onOK() override { confirm(); }

    void setMode(bool node);
    void refreshPreview();
    void chooseInto(int id, bool folder);
    void confirm();
    bool applyHotkey(app::HotkeyPair chosen);

    HotkeyBoxes hotkeyBoxes() const { return HotkeyBoxes(window(), IDC_HOTKEY_MODIFIER, IDC_HOTKEY_KEY); }

    HWND bar_;
    HotkeyRegistry& hotkeys_;
    const ItemFields* source_;
    bool refreshing_ = false;
};

bool ItemDialog::onInit() {
    ::DragAcceptFiles(window(), TRUE);
    hotkeyBoxes().fill();
    if (source_ != nullptr) {
        setControlText(IDC_NAME, source_->name);
        setControlText(IDC_COMMENT, source_->comment);
        setControlText(IDC_APP, source_->app);
        setControlText(IDC_OPTION, source_->option);
        setControlText(IDC_ICON_PATH, source_->icon);
        setControlText(IDC_DIR, source_->dir);
        setChecked(IDC_BOOT, source_->boot == 1);
        setChecked(IDC_TASK_SWITCH, source_->tsk == 1);
        setChecked(IDC_OWN_ASSOCIATION, source_->extension == 1);
        // An edit never changes the type.
        const bool node = source_->type == ItemType::NodeItem;
        setMode(node);
        enable(node ? IDC_ITEM_MODE : IDC_NODE_MODE, false);
        initPriority(source_->priority);
        hotkeyBoxes().select({source_->hotKey1, source_->hotKey2});
    } else {
        setMode(true);
        initPriority(0);
        hotkeyBoxes().select({});
    }
    hotkeyBoxes().update();
    refreshPreview();
    return true;
}

void ItemDialog::setMode(bool node) {
    if (node) {
        for (const int id : kPathFields) {
            setControlText(id, "");
        }
    }
    setChecked(IDC_NODE_MODE, node);
    setChecked(IDC_ITEM_MODE, !node);
    for (const int id : kPathFields) {
        ::SendDlgItemMessageA(window(), id, EM_SETREADONLY, node ? TRUE : FALSE, 0);
    }
    for (const int id : kItemModeControls) {
        enable(id, !node);
    }
    enable(IDC_BOOT, node);
}

void ItemDialog::refreshPreview() {
    if (refreshing_) {
        return;  // writing the trimmed path back changes the box once more
    }
    refreshing_ = true;
    const std::string icon = trimmedFieldText(IDC_ICON_PATH);
    showPreview({icon, std::string(dialogs::trimField(controlText(IDC_APP)))});
    refreshing_ = false;
}

void ItemDialog::chooseInto(int id, bool folder) {
    const std::optional<std::string> path = folder ? chooseFolder(bar_) : chooseAnyFile(window());
    if (path) {
        setControlText(id, *path);
    }
}

bool ItemDialog::onCommand(int id, int code, HWND source) {
    if (code == EN_CHANGE && (id == IDC_ICON_PATH || id == IDC_APP)) {
        refreshPreview();
        return true;
    }
    if (id == IDC_HOTKEY_MODIFIER && code == CBN_SELCHANGE) {
        hotkeyBoxes().update();
        return true;
    }
    if (code != BN_CLICKED) {
        return FormDialog::onCommand(id, code, source);
    }
    switch (id) {
        case IDC_NODE_MODE:
            setMode(true);
            return true;
        case IDC_ITEM_MODE:
            setMode(false);
            return true;
        case IDC_APP_FILE:
            chooseInto(IDC_APP, false);
            return true;
        case IDC_OPTION_FILE:
            chooseInto(IDC_OPTION, false);
            return true;
        case IDC_APP_FOLDER:
            chooseInto(IDC_APP, true);
            return true;
        case IDC_OPTION_FOLDER:
            chooseInto(IDC_OPTION, true);
            return true;
        case IDC_DIR_FOLDER:
            chooseInto(IDC_DIR, true);
            return true;
        default:
            return FormDialog::onCommand(id, code, source);
    }
}

void ItemDialog::onFilesDropped(const std::vector<std::string>& paths) {
    const bool accepts = source_ == nullptr || source_->type == ItemType::DataItem;
    if (!accepts || paths.size() != 1 || paths.front().empty()) {
        return;
    }
    const dialogs::DroppedFileFields fields = dialogs::droppedFileFields(paths.front());
    setMode(false);
    setControlText(IDC_NAME, fields.name);
    setControlText(IDC_APP, fields.app);
    setControlText(IDC_DIR, fields.dir);
    ::SetForegroundWindow(window());
}

void ItemDialog::confirm() {
    const dialogs::ItemFormValues form{
        .nodeMode = isChecked(IDC_NODE_MODE),
        .name = controlText(IDC_NAME),
        .comment = controlText(IDC_COMMENT),
        .app = controlText(IDC_APP),
        .option = controlText(IDC_OPTION),
        .icon = controlText(IDC_ICON_PATH),
        .dir = controlText(IDC_DIR),
        .boot = isChecked(IDC_BOOT),
        .tsk = isChecked(IDC_TASK_SWITCH),
        .extension = isChecked(IDC_OWN_ASSOCIATION),
        .priority = priority(),
        .hotkey = hotkeyBoxes().pair(),
    };
    std::optional<ItemFields> item = dialogs::itemFromForm(form);
    if (!item || !applyHotkey(form.hotkey)) {
        return;
    }
    result = std::move(item);
    end(IDOK);
}

bool ItemDialog::applyHotkey(app::HotkeyPair chosen) {
    std::optional<app::HotkeyPair> old;
    if (source_ != nullptr) {
        old = app::HotkeyPair{source_->hotKey1, source_->hotKey2};
    }
    const dialogs::HotkeyChange change = dialogs::planHotkeyChange(old, chosen);
    if (change.registerNew &&
        !sayIfTaken(window(), hotkeys_.registerItemPair(chosen), chosen, IDC_HOTKEY_MODIFIER)) {
        return false;
    }
    if (change.releaseOld) {
        hotkeys_.releaseItemPair(*old);
    }
    return true;
}

}  // namespace

std::optional<ItemFields> runItemDialog(LauncherProcess& process, HWND owner, const ItemFields* source) {
    ItemDialog dialog(process.bar(), process.hotkeys(), source);
    dialog.run(process.instance(), IDD_ITEM, owner);
    return std::move(dialog.result);
}

}  // namespace zek::win32
