#include <windows.h>

#include <commctrl.h>

#include <array>
#include <string>

#include "core/app/messages.h"
#include "core/data/launcher_settings.h"
#include "resource.h"
#include "win32/dialogs/hotkey_boxes.h"
#include "win32/dialogs/modal_dialog.h"
#include "win32/dialogs/settings_dialogs.h"
#include "win32/process/launcher_process.h"

namespace zek::win32 {
namespace {

struct Trackbar {
    int id;
    int labelId;
    int low;
    int high;
};
constexpr Trackbar kCpu{IDC_CPU, IDC_CPU_LABEL, 1, 100};
constexpr Trackbar kTransparency{IDC_TRANSPARENCY, IDC_TRANSPARENCY_LABEL, 0, 50};

// The global hotkey each pair of boxes stands for, in the order OK registers them.
constexpr std::array kPairIds = {app::HOTKEY_ID_BAR, app::HOTKEY_ID_TASKMENU, app::HOTKEY_ID_SAMEAPP};

class BasicSettingsDialog final : public ModalDialog {
  public:
    BasicSettingsDialog(HotkeyRegistry& hotkeys, data::LauncherSettings& settings)
        : hotkeys_(hotkeys), settings_(settings) {}

  private:
    // The launcher, task menu and specific-task pairs, as in kPairIds.
    std::array<HotkeyBoxes, kPairIds.size()> pairs() const {
        return {HotkeyBoxes(window(), IDC_LAUNCHER_KEY1, IDC_LAUNCHER_KEY2),
                HotkeyBoxes(window(), IDC_TASK_KEY1, IDC_TASK_KEY2),
                HotkeyBoxes(window(), IDC_SAMEAPP_KEY1, IDC_SAMEAPP_KEY2)};
    }

    bool onInit() override {
        const data::BasicSettings& values = settings_.values();
        const auto stored = dialogs::hotkeyPairsOf(values);
        const auto boxes = pairs();
        for (std::size_t n = 0; n < boxes.size(); ++n) {
            boxes[n].fill();
            boxes[n].select(stored[n]);
        }
        initTrackbar(kCpu, values.cpu);
        initTrackbar(kTransparency, values.transparent);
        setChecked(values.menuType != 0 ? IDC_MENU_TEXT : IDC_MENU_ICONS, true);
        updateHotkeyBoxes();
        return true;
    }

    void updateHotkeyBoxes() const {
        for (const HotkeyBoxes& boxes : pairs()) {
            boxes.update();
        }
    }

    void initTrackbar(const Trackbar& bar, int position) const {
        ::SendDlgItemMessageA(window(), bar.id, TBM_SETRANGE, TRUE, MAKELPARAM(bar.low, bar.high));
        ::SendDlgItemMessageA(window(), bar.id, TBM_SETPOS, TRUE, position);
        showPosition(bar);
    }
    int position(const Trackbar& bar) const {
        return static_cast<int>(::SendDlgItemMessageA(window(), bar.id, TBM_GETPOS, 0, 0));
    }
    void showPosition(const Trackbar& bar) const {
        setControlText(bar.labelId, std::to_string(position(bar)));
    }

    bool onCommand(int id, int code, HWND source) override {
        if (code == CBN_SELCHANGE &&
            (id == IDC_LAUNCHER_KEY1 || id == IDC_TASK_KEY1 || id == IDC_SAMEAPP_KEY1)) {
            updateHotkeyBoxes();
            return true;
        }
        return ModalDialog::onCommand(id, code, source);
    }

    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        if (message == WM_HSCROLL) {
            const auto source = reinterpret_cast<HWND>(lParam);
            for (const Trackbar* bar : {&kCpu, &kTransparency}) {
                if (source == control(bar->id)) {
                    showPosition(*bar);
                    return true;
                }
            }
        }
        return ModalDialog::onMessage(message, wParam, lParam, result);
    }

    // Registers the pairs in order and stops at the first one that is taken; the
    // ones registered before it stay until the bar registers its hotkeys again.
    void onOK() override {
        hotkeys_.applyGlobal(settings_, false);
        dialogs::BasicSettingsForm form;
        const auto boxes = pairs();
        for (std::size_t n = 0; n < boxes.size(); ++n) {
            form.pairs[n] = boxes[n].texts();
        }
        const auto chosen = dialogs::hotkeyPairsOfForm(form);
        for (std::size_t n = 0; n < chosen.size(); ++n) {
            if (chosen[n].first != 0 && !sayIfTaken(window(), hotkeys_.registerGlobal(kPairIds[n], chosen[n]),
                                                    chosen[n], boxes[n].firstId())) {
                return;
            }
        }
        form.cpu = position(kCpu);
        form.transparent = position(kTransparency);
        form.textMenus = !isChecked(IDC_MENU_ICONS);
        settings_.applyValues(dialogs::basicSettingsFromForm(form));
        end(IDOK);
    }

    HotkeyRegistry& hotkeys_;
    data::LauncherSettings& settings_;
};

}  // namespace

void runBasicSettingsDialog(LauncherProcess& process) {
    BasicSettingsDialog dialog(process.hotkeys(), process.settings());
    dialog.run(process.instance(), IDD_BASIC_SETTINGS, process.bar());
}

}  // namespace zek::win32
