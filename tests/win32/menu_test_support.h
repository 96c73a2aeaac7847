#pragma once
// What the popup-menu tests need around a tracked menu: a visible window in the
// bar's role that hands owner-draw and menu-character messages to the active menu
// as the bar does, and a script of key presses that a timer plays into the open
// menu while the code under test is inside its modal tracking loop.
#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/launcher_context.h"
#include "driver/window_query.h"
#include "menus/launcher_menu.h"

namespace zek::win32::test {

// The visible popup menu windows, the most recently opened (deepest) first.
using e2e::openMenus;

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
        sawMenu_ = true;
        if (next_ < steps_.size() && ++ticks_ < kMaxTicks) {
            if (steps_[next_](open.front())) {
                ++next_;
            }
            return;
        }
        closedByForce_ = true;
        ::PostMessageA(open.front(), WM_KEYDOWN, VK_ESCAPE, 1);
    }

    bool sawMenu() const { return sawMenu_; }
    bool finished() const { return next_ == steps_.size(); }
    bool closedByForce() const { return closedByForce_; }

  private:
    static constexpr int kMaxTicks = 500;

    std::vector<Step> steps_;
    std::size_t next_ = 0;
    int ticks_ = 0;
    std::size_t depthBefore_ = 0;
    bool sawMenu_ = false;
    bool closedByForce_ = false;
};

// A visible, untitled, topmost popup window in the bar's place, with the launcher
// context that names it as the bar. Destroying a shown window costs Wine without a
// window manager seconds, so one owner serves many tests.
class MenuOwner {
  public:
    MenuOwner() {
        static const ATOM windowClass = registerClass();
        window_ = ::CreateWindowExA(WS_EX_TOPMOST, MAKEINTATOM(windowClass), "", WS_POPUP | WS_VISIBLE, 200,
                                    200, 640, 100, nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
        ::SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        context_.bar = window_;
        ::UpdateWindow(window_);
    }
    MenuOwner(const MenuOwner&) = delete;
    MenuOwner& operator=(const MenuOwner&) = delete;
    ~MenuOwner() {
        if (window_ != nullptr) {
            ::DestroyWindow(window_);
        }
    }

    HWND window() const { return window_; }
    LauncherContext& context() { return context_; }

    // Plays `script` into the menu that `show` opens.
    void track(MenuScript& script, const std::function<void()>& show) {
        script_ = &script;
        ::SetTimer(window_, kScriptTimer, kTickMs, nullptr);
        show();
        ::KillTimer(window_, kScriptTimer);
        script_ = nullptr;
    }

    void resetCounts() {
        measured = 0;
        drawn = 0;
    }

    int measured = 0;
    int drawn = 0;

  private:
    static constexpr UINT_PTR kScriptTimer = 1;
    static constexpr UINT kTickMs = 10;

    static ATOM registerClass() {
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = &MenuOwner::procedure;
        windowClass.hInstance = ::GetModuleHandleA(nullptr);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        windowClass.lpszClassName = "ZekMenuTestOwner";
        return ::RegisterClassExA(&windowClass);
    }

    // The bar's forwarding of the menu messages, and the script's clock.
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<MenuOwner*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
        LauncherMenu* menu = self != nullptr ? self->context_.activeMenu : nullptr;
        switch (message) {
            case WM_MEASUREITEM:
                if (menu != nullptr && menu->measureEntry(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) {
                    ++self->measured;
                    return TRUE;
                }
                break;
            case WM_DRAWITEM:
                if (menu != nullptr && menu->drawEntry(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) {
                    ++self->drawn;
                    return TRUE;
                }
                break;
            case WM_MENUCHAR:
                if (menu != nullptr) {
                    return menu->onMenuChar(wParam, lParam);
                }
                break;
            case WM_TIMER:
                if (self != nullptr && wParam == kScriptTimer && self->script_ != nullptr) {
                    self->script_->tick();
                    return 0;
                }
                break;
            default:
                break;
        }
        return ::DefWindowProcA(window, message, wParam, lParam);
    }

    HWND window_ = nullptr;
    LauncherContext context_;
    MenuScript* script_ = nullptr;
};

}  // namespace zek::win32::test
