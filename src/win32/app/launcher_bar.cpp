#include "win32/app/launcher_bar.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "core/app/display_rules.h"
#include "core/app/messages.h"
#include "core/data/hotkey_table.h"
#include "core/display/frame.h"
#include "resource.h"
#include "win32/app/bar_window_class.h"
#include "win32/app/dropped_file.h"
#include "win32/app/handover.h"
#include "win32/app/layered_display.h"
#include "win32/app/memory_trim.h"
#include "win32/app/start_menu_import.h"
#include "win32/app/switch_actions.h"
#include "win32/app/tray_icon.h"
#include "win32/launch/item_runner.h"
#include "win32/menus/launcher_menu.h"
#include "win32/platform/popup_menu.h"
#include "win32/platform/screen_dpi.h"

namespace zek::win32 {
namespace {
// Posted by an import that left something out: the box waits until the start that
// asked for it has its answer.
constexpr UINT kShowImportNotice = WM_APP + 1;
// Hand-overs kept while the files are read: later starts at that moment are few,
// and each block is 16 KB. One more is refused, and its start ends with the busy code.
constexpr std::size_t kMostHeldHandOvers = 8;
}  // namespace

bool LauncherBar::create() {
    const BarWindowStyle style{kCreatedBarWidth, kBarHeight, nullptr, WS_POPUP,
                               WS_EX_LAYERED | WS_EX_TOOLWINDOW};
    return createBarWindow(process_.instance(), &LauncherBar::procedure, style, this) != nullptr;
}

std::optional<LRESULT> LauncherBar::onMessageBeforeFiles(UINT message, WPARAM wParam) {
    switch (message) {
        case app::LM_REMOTECOMMAND:
            return onRemoteCommand(wParam);
        case WM_DROPFILES:
            ::DragFinish(reinterpret_cast<HDROP>(wParam));
            return 0;
        case WM_CLOSE:  // the settings were not read: there is nothing to save
        case WM_COMMAND:
        case WM_CONTEXTMENU:
        case WM_HOTKEY:
        case WM_TIMER:
        case app::LM_RELOADLIST:
        case app::LM_TRAYNOTIFY:
        case app::LM_SHOWBAR:
        case app::LM_HIDEBAR:
        case app::LM_SETHOTKEYS:
        case app::LM_APPLYDISPLAY:
            return 0;
        default:
            return std::nullopt;
    }
}

LRESULT LauncherBar::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!process_.filesOpen()) {
        if (const std::optional<LRESULT> answer = onMessageBeforeFiles(message, wParam)) {
            return *answer;
        }
    }
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
            // The bar is never closed; a close request saves the settings.
            process_.settings().saveSettings();
            return 0;
        case WM_SETFOCUS:
            ::SetFocus(box_.combo());
            return 0;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSTATIC:
            return onControlColour(reinterpret_cast<HDC>(wParam));
        case WM_LBUTTONDOWN:
            // Dragging anywhere on the body moves the bar.
            ::PostMessageA(window(), WM_NCLBUTTONDOWN, HTCAPTION, lParam);
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
        case WM_DRAWITEM:
        case WM_MENUCHAR:
            return onOwnerDrawnMenu(message, wParam, lParam);
        case WM_TIMER:
            animation_.onTimer(wParam);
            return 0;
        case WM_DPICHANGED:
            onDpiChanged(dpiOfChange(wParam), suggestedPlaceOf(lParam));
            return 0;
        case WM_SIZE:
        case WM_KEYDOWN:
        case WM_MENUSELECT:
            return 0;
        // From other instances, the tray and the rooms of this one.
        case app::LM_RELOADLIST:
            reloadList();
            return 0;
        case app::LM_TRAYNOTIFY:
            return onTrayNotify(window(), trayMenu_, wParam, lParam);
        case app::LM_SHOWBAR:
            show();
            return 0;
        case app::LM_HIDEBAR:
            hide();
            return 0;
        case app::LM_SETHOTKEYS:
            applyGlobalHotkeys(wParam != 0);
            return 0;
        case app::LM_APPLYDISPLAY:
            applyDisplay();
            return 0;
        case app::LM_REMOTECOMMAND:
            return onRemoteCommand(wParam);
        case app::LM_TRIMMEMORY:
            trimOwnWorkingSet();
            return 0;
        case kShowImportNotice:
            showImportNotice();
            return 0;
        default:
            if (message == taskbarCreated_ && taskbarCreated_ != 0) {
                addTrayIcon(window(), process_.instance());
                return 0;
            }
            return defaultHandling(message, wParam, lParam);
    }
}

void LauncherBar::onCreate() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_DATE_CLASSES | ICC_TREEVIEW_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);
    menu_.reset(::LoadMenuA(process_.instance(), MAKEINTRESOURCEA(IDR_TRAY_MENU)));
    trayMenu_ = menu_ ? ::GetSubMenu(menu_.get(), 0) : nullptr;
    taskbarCreated_ = ::RegisterWindowMessageA("TaskbarCreated");
    addTrayIcon(window(), process_.instance());
    scale_ = windowScale(window());
    look_ = BarLook::create(scale_);
    box_.create(window(), look_.text.get(), scale_);
    hidden_ = true;
    ::ShowWindow(window(), SW_HIDE);
    createPicture();
    animation_.create(window(), picture_.dc(), look_, scale_);
    box_.setStatusSink(&animation_);
    ::DragAcceptFiles(window(), TRUE);
}

void LauncherBar::createPicture() {
    picture_.create(window(), scale_.px(display::kPictureWidth), scale_.px(display::kPictureHeight));
}

// Moved to a screen of another DPI: everything drawn is made again at the new
// scale, and the bar takes the place the system suggests (else keeps its own) at
// its own new size.
void LauncherBar::onDpiChanged(int dpi, std::optional<RECT> suggested) {
    const display::DpiScale scale(dpi);
    if (scale != scale_) {
        scale_ = scale;
        // The painter draws into the picture with the look's fonts: it goes first.
        animation_.releaseDisplay();
        BarLook look = BarLook::create(scale_);
        box_.rescale(look.text.get(), scale_);
        look_ = std::move(look);
        picture_.destroy();
        createPicture();
        animation_.rescale(picture_.dc(), look_, scale_);
    }
    RECT place{};
    ::GetWindowRect(window(), &place);
    place = suggested.value_or(place);
    ::SetWindowPos(window(), nullptr, place.left, place.top, scale_.px(animation_.barWidth()),
                   scale_.px(kBarHeight), SWP_NOZORDER | SWP_NOACTIVATE);
    ::InvalidateRect(window(), nullptr, TRUE);
}

void LauncherBar::onDestroy() {
    removeTrayIcon(window());
    box_.destroy();
    trayMenu_ = nullptr;
    menu_.reset();
    // The timer and the painter's graphics go before the picture they draw into: a
    // nested message loop may still dispatch a tick after this.
    animation_.destroy();
    picture_.destroy();
    ended_ = true;
    ::PostQuitMessage(0);
}

void LauncherBar::onPaint() {
    const PaintScope paint(window());
    if (picture_) {
        picture_.copyTo(paint.dc(), animation_.paintWidth(), scale_.px(display::kPictureHeight));
    }
}

LRESULT LauncherBar::onControlColour(HDC dc) {
    ::SetTextColor(dc, kBarTextColour);
    ::SetBkColor(dc, kBarBackgroundColour);
    return reinterpret_cast<LRESULT>(look_.background.get());
}

// The rows of the popup menu being tracked are drawn and found by letter by it.
LRESULT LauncherBar::onOwnerDrawnMenu(UINT message, WPARAM wParam, LPARAM lParam) {
    LauncherMenu* menu = process_.activeMenu();
    if (menu == nullptr) {
        return 0;
    }
    switch (message) {
        case WM_MEASUREITEM:
            menu->measureEntry(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
            return 0;
        case WM_DRAWITEM:
            menu->drawEntry(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return 0;
        default:
            return menu->onMenuChar(wParam, lParam);
    }
}

void LauncherBar::onContextMenu(LPARAM position) {
    const POINT at{static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
    trackPopupMenu(trayMenu_, window(), at, TPM_CENTERALIGN, MenuChoice::SentToOwner);
}

LRESULT LauncherBar::onCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    if (DialogRunner::opensDialog(id)) {
        dialogs_.run(id);
    } else if (id == IDM_EXIT) {
        ::SendMessageA(window(), WM_DESTROY, 0, 0);
    } else {
        return defaultHandling(WM_COMMAND, wParam, lParam);
    }
    trimOwnWorkingSet();
    return 0;
}

void LauncherBar::clearPicture() {
    if (picture_) {
        picture_.clear();
    }
    const ScopedGetDC dc(window());
    ::PatBlt(dc.get(), 0, 0, scale_.px(display::kPictureWidth), scale_.px(display::kPictureHeight),
             BLACKNESS);
}

void LauncherBar::onHotkey(int id) {
    const bool menuOpen = process_.menuOpen();
    if (id == app::HOTKEY_ID_BAR) {
        if (!hidden_) {
            hide();
        } else if (!menuOpen) {
            show();
        }
    } else if (id == app::HOTKEY_ID_TASKMENU) {
        if (!menuOpen && hidden_) {
            ::SetForegroundWindow(window());
            LauncherMenu menu(process_);
            menu.showTaskMenu(process_.settings().values().menuType);
        }
    } else if (id == app::HOTKEY_ID_SAMEAPP && !menuOpen && hidden_) {
        LauncherMenu menu(process_);
        menu.showSameAppMenu();
    } else {
        runItem(process_, process_.store().findByHotkeyId(id, &data::hotkeyId));
    }
    trimOwnWorkingSet();
}

void LauncherBar::reloadList() {
    process_.store().buildMatches({});
    box_.fillList();
}

void LauncherBar::show() {
    reloadList();
    clearPicture();
    animation_.onShow();
    ::ShowWindow(window(), SW_SHOW);
    hidden_ = false;
    ::SetForegroundWindow(window());
    ::SetFocus(box_.combo());
}

void LauncherBar::hide() {
    box_.clearText();
    animation_.onHide();
    clearPicture();
    ::InvalidateRect(window(), nullptr, FALSE);
    ::ShowWindow(window(), SW_HIDE);
    hidden_ = true;
    trimOwnWorkingSet();
}

void LauncherBar::applyGlobalHotkeys(bool registerAnew) {
    process_.hotkeys().applyGlobal(process_.settings(), registerAnew);
}

void LauncherBar::applyDisplay() {
    applyLayeredAttributes(window(), app::alphaForTransparency(process_.settings().values().transparent));
    animation_.applyInterval();
}

void LauncherBar::importStartMenu() {
    if (dialogs_.isOpen()) {
        importWaits_ = true;
        return;
    }
    importWaits_ = false;
    StartMenuImportOutcome outcome = win32::importStartMenu(process_);
    if (!outcome.replaced) {
        return;
    }
    reloadList();
    if (!hidden_) {
        // Shown items are told apart by their place in the store, which is new.
        animation_.showNoItem();
    }
    if (!outcome.omissions.empty()) {
        importNotice_ = std::move(outcome.omissions);
        ::PostMessageA(window(), kShowImportNotice, 0, 0);
    }
}

void LauncherBar::showImportNotice() {
    const std::string text = std::exchange(importNotice_, {});
    if (!text.empty()) {
        ::MessageBoxA(window(), text.c_str(), "ZekLauncher", MB_OK | MB_ICONWARNING);
    }
}

void LauncherBar::dialogsClosed() {
    if (importWaits_) {
        importStartMenu();
    }
}

LRESULT LauncherBar::onRemoteCommand(WPARAM recordCount) {
    const auto block = readRemoteCommand();
    if (!block) {
        return 0;
    }
    const std::size_t count = std::min<WPARAM>(recordCount, app::kRemoteRecordCount);
    if (!process_.filesOpen()) {
        if (heldHandOvers_.size() >= kMostHeldHandOvers) {
            return app::kHandoverRefusedReply;
        }
        heldHandOvers_.push_back({*block, count});
        return 0;
    }
    runSwitches(*block, count);
    return 0;
}

void LauncherBar::runHeldHandOvers() {
    std::vector<HeldHandOver> held = std::move(heldHandOvers_);
    heldHandOvers_.clear();
    for (const HeldHandOver& each : held) {
        if (ended_ || !process_.filesOpen()) {
            return;  // an earlier one ended the launcher
        }
        runSwitches(each.block, each.count);
    }
}

void LauncherBar::runSwitches(const app::RemoteCommand& block, std::size_t count) {
    BarSwitchActions actions(process_, *this);
    if (app::runSwitches(block.entries, count, actions)) {
        ::SendMessageA(window(), WM_DESTROY, 0, 0);
    }
}

void LauncherBar::onDropFiles(HDROP drop) {
    if (openDroppedFile(process_, box_, drop)) {
        hide();
    }
    trimOwnWorkingSet();
}

}  // namespace zek::win32
