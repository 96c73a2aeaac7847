#include "win32/dialogs/about_dialog.h"

#include "resource.h"
#include "win32/dialogs/modal_dialog.h"

namespace zek::win32 {

namespace {

class AboutDialog final : public ModalDialog {
  public:
    explicit AboutDialog(HINSTANCE instance) : instance_(instance) {}

  private:
    bool onInit() override {
        HICON icon = ::LoadIconA(instance_, MAKEINTRESOURCEA(IDI_ZEKLAUNCHER));
        ::SendDlgItemMessageA(window(), IDC_ABOUT_ICON, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
        return true;
    }
    // Its OK button and Esc close it, whatever notification they come with, and
    // the dialog returns that id.
    bool onCommand(int id, int, HWND) override {
        if (id == IDC_ABOUT_OK || id == IDCANCEL) {
            end(id);
            return true;
        }
        return false;
    }
    // Enter reaches the default button, IDC_ABOUT_OK; a bare IDOK closes nothing.
    void onOK() override {}

    HINSTANCE instance_;
};

}  // namespace

INT_PTR showAboutDialog(HINSTANCE instance, HWND owner) {
    AboutDialog dialog(instance);
    return dialog.run(instance, IDD_ABOUTBOX, owner);
}

}  // namespace zek::win32
