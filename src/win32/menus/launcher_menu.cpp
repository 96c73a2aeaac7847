#include "win32/menus/launcher_menu.h"

#include <string>
#include <vector>

#include "core/menus/menu_char.h"
#include "core/menus/owner_draw.h"
#include "win32/menus/menu_builder.h"
#include "win32/menus/owner_draw_painter.h"
#include "win32/platform/menu_placement.h"
#include "win32/platform/popup_menu.h"
#include "win32/platform/process_path.h"
#include "win32/platform/screen_dpi.h"
#include "win32/tasks/desktop_snapshot.h"
#include "win32/tasks/task_menu_windows.h"
#include "win32/tasks/window_actions.h"

namespace zek::win32 {
namespace {

constexpr LRESULT kMenuCharSelect = static_cast<LRESULT>(MNC_SELECT) << 16;

POINT launcherMenuAnchor(HWND bar, const display::DpiScale& scale) {
    RECT client{};
    ::GetClientRect(bar, &client);
    POINT anchor{client.left + scale.px(menus::kMenuAnchorX), client.top + scale.px(menus::kMenuAnchorY)};
    ::ClientToScreen(bar, &anchor);
    return anchor;
}

std::vector<menus::MenuRowState> rowStates(HMENU menu) {
    std::vector<menus::MenuRowState> rows;
    const int count = ::GetMenuItemCount(menu);
    if (count <= 0) {
        return rows;
    }
    rows.reserve(static_cast<std::size_t>(count));
    for (int position = 0; position < count; ++position) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_TYPE;
        // A row that cannot be read keeps its place with id 0, which no entry has.
        if (!::GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info)) {
            info.fState = 0;
            info.wID = 0;
        }
        rows.push_back(
            menus::MenuRowState{.state = info.fState, .id = static_cast<menus::CommandId>(info.wID)});
    }
    return rows;
}

}  // namespace

LauncherMenu::LauncherMenu(LauncherProcess& process)
    : process_(process), scale_(windowScale(process.bar())), font_(scale_) {
    process_.claimMenuSlot(this);
}

LauncherMenu::~LauncherMenu() {
    // The menu handles go first: no row may outlive the entry it is drawn from.
    menu_.reset();
    process_.releaseMenuSlot(this);
}

data::ItemRef LauncherMenu::showNodeMenu(const data::LauncherItem& node, std::int32_t menuType) {
    if (!isActive() || process_.bar() == nullptr) {
        return {};
    }
    const std::optional<menus::MenuRows> rows = content_.buildNodeMenu(&node, menuType);
    return rows ? trackItemMenu(*rows) : data::ItemRef{};
}

data::ItemRef LauncherMenu::showListMenu(std::span<data::LauncherItem* const> items, std::int32_t menuType) {
    if (!isActive() || process_.bar() == nullptr) {
        return {};
    }
    const std::optional<menus::MenuRows> rows = content_.buildListMenu(items, menuType);
    return rows ? trackItemMenu(*rows) : data::ItemRef{};
}

data::ItemRef LauncherMenu::trackItemMenu(const menus::MenuRows& rows) {
    // The rows' items are the current store's; it may be replaced while the menu is up.
    const std::uint64_t store = process_.filesOpen() ? process_.store().identity() : 0;
    menu_ = createPopupMenuFrom(rows);
    if (!menu_) {
        return {};
    }
    const menus::CommandId command = track(menu_.get(), launcherMenuAnchor(process_.bar(), scale_));
    return {store, content_.chosenTarget(command).item};
}

menus::CommandId LauncherMenu::track(HMENU menu, POINT at) const {
    const HWND bar = process_.bar();
    ::SetForegroundWindow(bar);
    return static_cast<menus::CommandId>(trackPopupMenu(menu, bar, at, kBarMenuFlags, MenuChoice::Returned));
}

void LauncherMenu::showTaskMenu(std::int32_t menuType) {
    const HWND bar = process_.bar();
    if (!isActive() || bar == nullptr) {
        return;
    }
    const tasks::Desktop desktop = snapshotDesktop(bar, ProgramPaths::ForPossibleAppWindows);
    const std::vector<menus::ListedWindow> windows = taskMenuWindows(desktop, ::GetWindow(bar, GW_HWNDFIRST));
    const std::optional<menus::MenuRows> rows = content_.buildTaskMenu(windows, menuType);
    if (!rows) {
        return;
    }
    menu_ = createPopupMenuFrom(*rows);
    if (!menu_) {
        return;
    }
    const menus::WindowRef chosen =
        content_.chosenTarget(track(menu_.get(), launcherMenuAnchor(bar, scale_))).window;
    if (chosen != 0) {
        activateWindow(toWindow(chosen));
    }
}

void LauncherMenu::showSameAppMenu() {
    const HWND bar = process_.bar();
    if (!isActive() || bar == nullptr) {
        return;
    }
    const std::optional<std::string> programPath = getWindowProcessPath(::GetForegroundWindow());
    if (!programPath || programPath->empty()) {
        return;
    }
    const tasks::Desktop desktop = snapshotDesktop(bar, ProgramPaths::ForPossibleAppWindows);
    const std::optional<menus::SameAppMenu> menu =
        menus::buildSameAppMenu(sameAppWindows(desktop, *programPath));
    if (!menu) {
        return;
    }
    const UniqueMenu handle = createPopupMenuFrom(menu->rows);
    if (!handle) {
        return;
    }
    const menus::WindowRef chosen = menu->chosenWindow(track(handle.get(), barClientCentre(bar)));
    if (chosen != 0) {
        activateWindow(toWindow(chosen));
    }
}

bool LauncherMenu::measureEntry(MEASUREITEMSTRUCT& measure) const {
    if (measure.CtlType != ODT_MENU) {
        return false;
    }
    const std::optional<menus::Size> size = menus::measureEntry(
        content_.table(), static_cast<menus::CommandId>(measure.itemID),
        [this](std::string_view text) { return measureMenuText(text, font_); }, scale_);
    if (!size) {
        return false;
    }
    measure.itemWidth = static_cast<UINT>(size->cx);
    measure.itemHeight = static_cast<UINT>(size->cy);
    return true;
}

bool LauncherMenu::drawEntry(const DRAWITEMSTRUCT& draw) const {
    if (draw.CtlType != ODT_MENU) {
        return false;
    }
    const menus::Rect item{draw.rcItem.left, draw.rcItem.top, draw.rcItem.right, draw.rcItem.bottom};
    const std::optional<menus::EntryPaint> paint =
        menus::drawEntry(content_.table(), static_cast<menus::CommandId>(draw.itemID), item,
                         (draw.itemState & ODS_SELECTED) != 0, systemMenuColours(), scale_);
    if (!paint) {
        return false;
    }
    paintEntry(draw.hDC, *paint, font_);
    return true;
}

LRESULT LauncherMenu::onMenuChar(WPARAM wParam, LPARAM lParam) const {
    const HMENU menu = reinterpret_cast<HMENU>(lParam);
    if (menu == nullptr) {
        return 0;
    }
    const std::vector<menus::MenuRowState> rows = rowStates(menu);
    const int position = menus::findMenuChar(LOWORD(wParam), rows, content_.table());
    return position >= 0 ? ((static_cast<LRESULT>(position) & 0xFFFF) | kMenuCharSelect) : 0;
}

}  // namespace zek::win32
