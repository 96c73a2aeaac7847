#pragma once
// A top-level window bound to the object that handles its messages: the object
// passes itself as the creation parameter, is found again from the window on every
// later message, and is let go at WM_NCDESTROY. `Derived` provides
// `LRESULT onMessage(UINT, WPARAM, LPARAM)`; messages before the binding (the
// first of a creation) get the default handling.
#include <windows.h>

namespace zek::win32 {

template <typename Derived>
class Window {
  public:
    HWND window() const { return window_; }

  protected:
    Window() = default;
    ~Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // The class procedure; the object's address goes as the creation parameter.
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            auto* self = static_cast<Derived*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
            self->window_ = window;
            ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
        auto* self = reinterpret_cast<Derived*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
        if (self == nullptr) {
            return ::DefWindowProcA(window, message, wParam, lParam);
        }
        if (message == WM_NCDESTROY) {
            ::SetWindowLongPtrA(window, GWLP_USERDATA, 0);
            self->window_ = nullptr;
            return ::DefWindowProcA(window, message, wParam, lParam);
        }
        return self->onMessage(message, wParam, lParam);
    }

    LRESULT defaultHandling(UINT message, WPARAM wParam, LPARAM lParam) const {
        return ::DefWindowProcA(window_, message, wParam, lParam);
    }

  private:
    HWND window_ = nullptr;
};

}  // namespace zek::win32
