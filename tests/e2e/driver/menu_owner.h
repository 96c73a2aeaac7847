#pragma once
// A visible window in the bar's role that hands owner-draw and menu-character
// messages to the active menu as the bar does, and plays a menu script.
#include <windows.h>

#include <functional>

#include "driver/menu_script.h"
#include "win32/menus/launcher_menu.h"
#include "win32/process/launcher_process.h"

namespace zek::win32::test {

using e2e::MenuScript;

// A visible, untitled, topmost popup window in the bar's place, with the launcher
// process that names it as the bar. Destroying a shown window costs Wine without a
// window manager seconds, so one owner serves many tests.
class MenuOwner {
  public:
    MenuOwner() {
        static const ATOM windowClass = registerClass();
        window_ = ::CreateWindowExA(WS_EX_TOPMOST, MAKEINTATOM(windowClass), "", WS_POPUP | WS_VISIBLE, 200,
                                    200, 640, 100, nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
        ::SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        process_.attachBar(window_);
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
    LauncherProcess& process() { return process_; }

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
        LauncherMenu* menu = self != nullptr ? self->process_.activeMenu() : nullptr;
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
    LauncherProcess process_{::GetModuleHandleA(nullptr)};
    MenuScript* script_ = nullptr;
};

}  // namespace zek::win32::test
