#include "win32/app/launcher_bar.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <string>

#include "core/app/display_rules.h"
#include "core/app/global_hotkeys.h"
#include "core/app/messages.h"
#include "core/data/hotkey_table.h"
#include "core/data/item_store.h"
#include "core/data/launcher_item.h"
#include "core/data/launcher_settings.h"
#include "core/dialogs/settings_forms.h"
#include "resource.h"
#include "win32/app/bar_window_class.h"
#include "win32/app/handover.h"
#include "win32/app/layered_display.h"
#include "win32/app/memory_trim.h"
#include "win32/app/switch_actions.h"
#include "win32/app/tray_icon.h"
#include "win32/dialogs/about_dialog.h"
#include "win32/dialogs/command_list_dialog.h"
#include "win32/dialogs/launcher_tree_dialog.h"
#include "win32/dialogs/settings_dialogs.h"
#include "win32/launch/item_runner.h"
#include "win32/menus/launcher_menu.h"

namespace zek::win32 {

namespace {
constexpr int kPictureWidth = 640;
constexpr int kPictureHeight = 100;
}  // namespace

bool LauncherBar::create() {
    const BarWindowStyle style{10, 10, nullptr, WS_POPUP, WS_EX_LAYERED | WS_EX_TOOLWINDOW};
    return createBarWindow(process_.instance(), &LauncherBar::windowProcedure, style, this) != nullptr;
}

LRESULT CALLBACK LauncherBar::windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* bar = static_cast<LauncherBar*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        bar->window_ = window;
        ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(bar));
    }
    auto* bar = reinterpret_cast<LauncherBar*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
    if (bar == nullptr) {
        return ::DefWindowProcA(window, message, wParam, lParam);
    }
    return bar->onMessage(message, wParam, lParam);
}

LRESULT LauncherBar::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            onCreate();
            return 0;
        case WM_DESTROY:
            onDestroy();
            return 0;
        case WM_PAINT:
            onPaint();
            return 0;
        case WM_CLOSE:
            onClose();
            return 0;
        case WM_SETFOCUS:
            ::SetFocus(box_.combo());
            return 0;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSTATIC:
            return onControlColour(reinterpret_cast<HDC>(wParam));
        case WM_LBUTTONDOWN:
            onLeftButtonDown(lParam);
            return 0;
        case WM_CONTEXTMENU:
            onContextMenu(lParam);
            return 0;
        case WM_COMMAND:
            return onCommand(wParam, lParam);
        case WM_HOTKEY:
            onHotkey(LOWORD(wParam));
            return 0;
        case WM_DROPFILES:
            onDropFiles(reinterpret_cast<HDROP>(wParam));
            return 0;
        case WM_MEASUREITEM:
            if (LauncherMenu* menu = process_.activeMenu()) {
                menu->measureEntry(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
            }
            return 0;
        case WM_DRAWITEM:
            if (LauncherMenu* menu = process_.activeMenu()) {
                menu->drawEntry(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            }
            return 0;
        case WM_MENUCHAR:
            return process_.menuOpen() ? process_.activeMenu()->onMenuChar(wParam, lParam) : 0;
        case WM_TIMER:
            animation_.onTimer(wParam);
            return 0;
        case WM_SIZE:
        case WM_KEYDOWN:
        case WM_MENUSELECT:
            return 0;
        case app::LM_RELOADLIST:
            onReloadList();
            return 0;
        case app::LM_TRAYNOTIFY:
            return onTrayNotify(window_, trayMenu_, wParam, lParam);
        case app::LM_SHOWBAR:
            onShowBar();
            return 0;
        case app::LM_HIDEBAR:
            onHideBar();
            return 0;
        case app::LM_SETHOTKEYS:
            onSetHotkeys(wParam != 0);
            return 0;
        case app::LM_APPLYDISPLAY:
            onApplyDisplay();
            return 0;
        case app::LM_REMOTECOMMAND:
            onRemoteCommand(wParam);
            return 0;
        case app::LM_TRIMMEMORY:
            trimOwnWorkingSet();
            return 0;
        default:
            if (message == taskbarCreated_ && taskbarCreated_ != 0) {
                addTrayIcon(window_, process_.instance());
                return 0;
            }
            return ::DefWindowProcA(window_, message, wParam, lParam);
    }
}

void LauncherBar::onCreate() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_DATE_CLASSES | ICC_TREEVIEW_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);
    menu_.reset(::LoadMenuA(process_.instance(), MAKEINTRESOURCEA(IDR_TRAY_MENU)));
    trayMenu_ = menu_ ? ::GetSubMenu(menu_.get(), 0) : nullptr;
    taskbarCreated_ = ::RegisterWindowMessageA("TaskbarCreated");
    addTrayIcon(window_, process_.instance());
    look_ = BarLook::create();
    box_.create(window_, look_.text.get());
    hidden_ = true;
    ::ShowWindow(window_, SW_HIDE);
    createPicture();
    animation_.create(window_, pictureDC_.get(), look_);
    box_.setStatusSink(&animation_);
    dialogOpen_ = false;
    ::DragAcceptFiles(window_, TRUE);
}

void LauncherBar::createPicture() {
    HDC windowDC = ::GetDC(window_);
    pictureDC_.reset(::CreateCompatibleDC(windowDC));
    pictureBitmap_.reset(::CreateCompatibleBitmap(windowDC, kPictureWidth, kPictureHeight));
    ::ReleaseDC(window_, windowDC);
    if (pictureDC_ && pictureBitmap_) {
        originalBitmap_ = ::SelectObject(pictureDC_.get(), pictureBitmap_.get());
        ::SelectObject(pictureDC_.get(), ::GetStockObject(BLACK_BRUSH));
        ::PatBlt(pictureDC_.get(), 0, 0, kPictureWidth, kPictureHeight, PATCOPY);
    }
}

void LauncherBar::onDestroy() {
    removeTrayIcon(window_);
    box_.destroy();
    trayMenu_ = nullptr;
    menu_.reset();
    // The timer and the painter's graphics go before the DC they draw into: a nested
    // message loop may still dispatch a tick after this.
    animation_.destroy();
    if (originalBitmap_ != nullptr) {
        ::SelectObject(pictureDC_.get(), originalBitmap_);
        originalBitmap_ = nullptr;
    }
    pictureBitmap_.reset();
    pictureDC_.reset();
    ::PostQuitMessage(0);
}

// The bar is never closed; a close request saves the settings.
void LauncherBar::onClose() {
    process_.settings().saveSettings();
}

void LauncherBar::onPaint() {
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(window_, &paint);
    if (pictureDC_) {
        ::BitBlt(dc, 0, 0, animation_.paintWidth(), kPictureHeight, pictureDC_.get(), 0, 0, SRCCOPY);
    }
    ::EndPaint(window_, &paint);
}

LRESULT LauncherBar::onControlColour(HDC dc) {
    ::SetTextColor(dc, kBarTextColour);
    ::SetBkColor(dc, kBarBackgroundColour);
    return reinterpret_cast<LRESULT>(look_.background.get());
}

void LauncherBar::onContextMenu(LPARAM position) {
    ::TrackPopupMenu(trayMenu_, TPM_CENTERALIGN, static_cast<short>(LOWORD(position)),
                     static_cast<short>(HIWORD(position)), 0, window_, nullptr);
}

LRESULT LauncherBar::onCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    switch (id) {
        case IDM_LAUNCHER_SETTINGS:
        case IDM_COMMAND_LIST:
        case IDM_BASIC_SETTINGS:
        case IDM_ASSOCIATION_SETTINGS:
        case IDM_ABOUT:
            // One settings dialog at a time: the tray and the context menu both reach here.
            if (!dialogOpen_) {
                dialogOpen_ = true;
                runDialog(id);
                dialogOpen_ = false;
            }
            break;
        case IDM_EXIT:
            ::SendMessageA(window_, WM_DESTROY, 0, 0);
            break;
        default:
            return ::DefWindowProcA(window_, WM_COMMAND, wParam, lParam);
    }
    ::SendMessageA(window_, app::LM_TRIMMEMORY, 0, 0);
    return 0;
}

// Runs the dialog of a menu command and what has to follow it.
bool LauncherBar::runDialog(int commandId) {
    switch (commandId) {
        case IDM_LAUNCHER_SETTINGS:
            runLauncherTreeDialog(process_);
            ::SendMessageA(window_, app::LM_RELOADLIST, 0, 0);
            return true;
        case IDM_BASIC_SETTINGS:
            runBasicSettingsDialog(process_.instance(), window_, process_.settings());
            // The dialog's OK registers the new hotkeys as it goes; after any ending
            // the bar holds exactly the stored ones again.
            ::SendMessageA(window_, app::LM_SETHOTKEYS, 1, 0);
            ::SendMessageA(window_, app::LM_APPLYDISPLAY, 0, 0);
            return true;
        case IDM_ASSOCIATION_SETTINGS:
            runAssociationDialog(process_.instance(), window_, process_.settings());
            return true;
        case IDM_COMMAND_LIST:
            runCommandListDialog(process_);
            return true;
        case IDM_ABOUT:
            showAboutDialog(process_.instance(), window_);
            return true;
        default:
            return false;
    }
}

void LauncherBar::clearPicture() {
    if (pictureDC_) {
        ::PatBlt(pictureDC_.get(), 0, 0, kPictureWidth, kPictureHeight, BLACKNESS);
    }
    HDC dc = ::GetDC(window_);
    ::PatBlt(dc, 0, 0, kPictureWidth, kPictureHeight, BLACKNESS);
    ::ReleaseDC(window_, dc);
}

void LauncherBar::onHotkey(int id) {
    const bool menuOpen = process_.menuOpen();
    if (id == app::HOTKEY_ID_BAR) {
        if (!hidden_) {
            ::SendMessageA(window_, app::LM_HIDEBAR, 0, 0);
        } else if (!menuOpen) {
            ::SendMessageA(window_, app::LM_SHOWBAR, 0, 0);
        }
    } else if (id == app::HOTKEY_ID_TASKMENU) {
        if (!menuOpen && hidden_) {
            showTaskMenu();
        }
    } else if (id == app::HOTKEY_ID_SAMEAPP && !menuOpen && hidden_) {
        showSameAppMenu();
    } else {
        runItem(process_, process_.store().findByHotkeyId(id, &data::hotkeyId));
    }
    ::SendMessageA(window_, app::LM_TRIMMEMORY, 0, 0);
}

void LauncherBar::showTaskMenu() {
    ::SetForegroundWindow(window_);
    LauncherMenu menu(process_);
    menu.showTaskMenu(process_.settings().values().menuType);
}

void LauncherBar::showSameAppMenu() {
    LauncherMenu menu(process_);
    menu.showSameAppMenu();
}

void LauncherBar::onReloadList() {
    process_.store().buildMatches({});
    box_.fillList(process_.store().currentList());
}

void LauncherBar::onShowBar() {
    ::SendMessageA(window_, app::LM_RELOADLIST, 0, 0);
    clearPicture();
    animation_.onShow();
    ::ShowWindow(window_, SW_SHOW);
    hidden_ = false;
    ::SetForegroundWindow(window_);
    ::SetFocus(box_.combo());
}

void LauncherBar::onHideBar() {
    box_.clearText();
    animation_.onHide();
    clearPicture();
    ::InvalidateRect(window_, nullptr, FALSE);
    ::ShowWindow(window_, SW_HIDE);
    hidden_ = true;
    ::SendMessageA(window_, app::LM_TRIMMEMORY, 0, 0);
}

void LauncherBar::onSetHotkeys(bool registerAnew) {
    for (int id : {app::HOTKEY_ID_BAR, app::HOTKEY_ID_TASKMENU, app::HOTKEY_ID_SAMEAPP}) {
        ::UnregisterHotKey(window_, id);
    }
    if (!registerAnew) {
        return;
    }
    const auto pairs = dialogs::hotkeyPairsOf(process_.settings().values());
    for (int id = 0; id < static_cast<int>(pairs.size()); ++id) {
        const auto registration = app::registrationFor(pairs[id]);
        if (!registration) {
            continue;
        }
        if (!::RegisterHotKey(window_, id, registration->modifiers, registration->virtualKey)) {
            const std::string text(app::globalHotkeyFailureText(id));
            const std::string caption(app::kHotkeyFailureCaption);
            ::MessageBoxA(window_, text.c_str(), caption.c_str(), MB_ICONERROR);
            return;
        }
    }
}

void LauncherBar::onApplyDisplay() {
    applyLayeredAttributes(window_, app::alphaForTransparency(process_.settings().values().transparent));
    animation_.applyInterval();
}

void LauncherBar::onRemoteCommand(WPARAM recordCount) {
    const auto block = readRemoteCommand();
    if (!block) {
        return;
    }
    BarSwitchActions actions(process_);
    const std::size_t count = std::min<WPARAM>(recordCount, app::kRemoteRecordCount);
    if (app::runSwitches(block->entries, count, actions)) {
        ::SendMessageA(window_, WM_DESTROY, 0, 0);
    }
}

// One dropped file opens with the item the box shows, or by its own association.
void LauncherBar::onDropFiles(HDROP drop) {
    constexpr UINT kAllFiles = 0xFFFFFFFF;
    constexpr UINT kPathBytes = 512;
    const bool oneFile = ::DragQueryFileA(drop, kAllFiles, nullptr, 0) == 1;
    // A path too long for the buffer would come back cut, naming another file.
    const bool fits = oneFile && ::DragQueryFileA(drop, 0, nullptr, 0) < kPathBytes;
    char path[kPathBytes] = {};
    if (fits) {
        ::DragQueryFileA(drop, 0, path, kPathBytes);
    }
    ::DragFinish(drop);
    if (!fits) {
        return;
    }
    const data::LauncherItem* item = nullptr;
    const LRESULT selected = ::SendMessageA(box_.combo(), CB_GETCURSEL, 0, 0);
    const auto list = process_.store().currentList();
    if (selected != CB_ERR && static_cast<std::size_t>(selected) < list.size()) {
        item = list[static_cast<std::size_t>(selected)];
    } else {
        char name[kPathBytes] = {};
        ::SendMessageA(box_.combo(), WM_GETTEXT, sizeof name, reinterpret_cast<LPARAM>(name));
        item = process_.store().findByName(name);
    }
    if (openFile(process_, item, path)) {
        ::SendMessageA(window_, app::LM_HIDEBAR, 0, 0);
    }
    ::SendMessageA(window_, app::LM_TRIMMEMORY, 0, 0);
}

void LauncherBar::onLeftButtonDown(LPARAM position) {
    // Dragging anywhere on the body moves the bar.
    ::PostMessageA(window_, WM_NCLBUTTONDOWN, HTCAPTION, position);
}

}  // namespace zek::win32
