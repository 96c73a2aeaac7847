#pragma once
// An open popup menu as a user sees and works it: its rows, and a script of key
// presses that a timer plays into it while its owner is inside the modal tracking
// loop.
#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "driver/window_query.h"

namespace zek::e2e {

inline HMENU menuOfWindow(HWND menuWindow) {
    return reinterpret_cast<HMENU>(::SendMessageA(menuWindow, MN_GETHMENU, 0, 0));
}

struct MenuRowInfo {
    UINT id = 0;
    UINT type = 0;
    UINT state = 0;
    ULONG_PTR data = 0;
    HMENU submenu = nullptr;
    std::string text;
};

inline std::vector<MenuRowInfo> readMenuRows(HMENU menu) {
    std::vector<MenuRowInfo> rows;
    const int count = ::GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        char text[1024] = {};
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_DATA | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = sizeof text;
        if (!::GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info)) {
            info = MENUITEMINFOA{};
        }
        rows.push_back(MenuRowInfo{info.wID, info.fType, info.fState, info.dwItemData, info.hSubMenu,
                                   (info.fType & MFT_OWNERDRAW) != 0 ? std::string() : std::string(text)});
    }
    return rows;
}

inline std::vector<UINT> idsOf(const std::vector<MenuRowInfo>& rows) {
    std::vector<UINT> ids;
    for (const MenuRowInfo& row : rows) {
        ids.push_back(row.id);
    }
    return ids;
}

inline std::vector<std::string> textsOf(const std::vector<MenuRowInfo>& rows) {
    std::vector<std::string> texts;
    for (const MenuRowInfo& row : rows) {
        texts.push_back(row.text);
    }
    return texts;
}

inline POINT clientPointOnScreen(HWND window, int x, int y) {
    POINT point{x, y};
    ::ClientToScreen(window, &point);
    return point;
}

// -1 when no row is highlighted.
inline int highlightedRow(HMENU menu) {
    const std::vector<MenuRowInfo> rows = readMenuRows(menu);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if ((rows[i].state & MFS_HILITE) != 0) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// Steps run one per timer tick while a menu is open; a step that answers false
// runs again on the next tick (it waits or repeats a key). Steps see the deepest
// open menu window. When the steps are done and a menu is still open, or a step
// never finishes, Escape closes the menus, and closedByForce() tells.
class MenuScript {
  public:
    using Step = std::function<bool(HWND menuWindow)>;

    MenuScript& then(Step step) {
        steps_.push_back(std::move(step));
        return *this;
    }
    MenuScript& press(UINT key) {
        return then([key](HWND menuWindow) {
            ::PostMessageA(menuWindow, WM_KEYDOWN, key, 1);
            ::PostMessageA(menuWindow, WM_KEYUP, key, 0xC0000001);
            return true;
        });
    }
    // Down until the row at `position` of the deepest menu is highlighted.
    MenuScript& highlight(int position) {
        return then([position](HWND menuWindow) {
            if (highlightedRow(menuOfWindow(menuWindow)) == position) {
                return true;
            }
            ::PostMessageA(menuWindow, WM_KEYDOWN, VK_DOWN, 1);
            return false;
        });
    }
    // Right on the highlighted row, then wait for its submenu.
    MenuScript& openSubmenu() {
        return then([this](HWND) {
                   depthBefore_ = openMenus().size();
                   return true;
               })
            .press(VK_RIGHT)
            .then([this](HWND) { return openMenus().size() > depthBefore_; });
    }
    MenuScript& observe(std::function<void(HWND menuWindow)> look) {
        return then([look = std::move(look)](HWND menuWindow) {
            look(menuWindow);
            return true;
        });
    }

    void tick() {
        const std::vector<HWND> open = openMenus();
        if (open.empty()) {
            return;
        }
        if (next_ < steps_.size() && ++ticks_ < kMaxTicks) {
            if (steps_[next_](open.front())) {
                ++next_;
            }
            return;
        }
        closedByForce_ = true;
        ::PostMessageA(open.front(), WM_KEYDOWN, VK_ESCAPE, 1);
    }

    bool finished() const { return next_ == steps_.size(); }
    bool closedByForce() const { return closedByForce_; }

  private:
    static constexpr int kMaxTicks = 500;

    std::vector<Step> steps_;
    std::size_t next_ = 0;
    int ticks_ = 0;
    std::size_t depthBefore_ = 0;
    bool closedByForce_ = false;
};

}  // namespace zek::e2e
