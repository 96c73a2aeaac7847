#include "core/dialogs/item_form.h"
#include "resource.h"
#include "win32/dialogs/form_dialog.h"
#include "win32/dialogs/item_dialogs.h"

namespace zek::win32 {
namespace {

using data::ItemFields;

class RootNodeDialog final : public FormDialog {
  public:
    explicit RootNodeDialog(const ItemFields* source) : source_(source) {}
    std::optional<ItemFields> result;

  private:
    bool onInit() override {
        ::DragAcceptFiles(window(), TRUE);
        if (source_ != nullptr) {
            setControlText(IDC_NAME, source_->name);
            setControlText(IDC_ICON_PATH, source_->icon);
        }
        initPriority(source_ != nullptr ? source_->priority : 0);
        showPreview({controlText(IDC_ICON_PATH)});
        return true;
    }

    bool onCommand(int id, int code, HWND source) override {
        if (id == IDC_ICON_PATH && code == EN_CHANGE) {
            showPreview({std::string(dialogs::trimField(controlText(IDC_ICON_PATH)))});
            return true;
        }
        return FormDialog::onCommand(id, code, source);
    }

    void onOK() override {
        result = dialogs::rootNodeFromForm(controlText(IDC_NAME), controlText(IDC_ICON_PATH), priority());
        if (result) {
            end(IDOK);
        }
    }

    void onFilesDropped(const std::vector<std::string>& paths) override {
        if (paths.size() == 1 && !paths.front().empty()) {
            setControlText(IDC_NAME, dialogs::droppedNodeName(paths.front()));
        }
    }

    const ItemFields* source_;
};

}  // namespace

std::optional<ItemFields> runRootNodeDialog(HINSTANCE instance, HWND owner, const ItemFields* source) {
    RootNodeDialog dialog(source);
    dialog.run(instance, IDD_ROOT_NODE, owner);
    return std::move(dialog.result);
}

}  // namespace zek::win32
