#pragma once
// The bar: the program's only top-level window and the hub of its messages.
#include <windows.h>

#include <array>
#include <functional>

#include "app/global_hotkeys.h"
#include "platform/unique_handle.h"

namespace zek::win32 {

// The three global hotkeys as stored: launcher bar, task menu, same application.
using GlobalHotkeyPairs = std::array<app::HotkeyPair, 3>;

class LauncherBar {
public:
    explicit LauncherBar(HINSTANCE instance) : instance_(instance) {}
    LauncherBar(const LauncherBar&) = delete;
    LauncherBar& operator=(const LauncherBar&) = delete;

    // Creates the hidden bar; false when the class or the window cannot be made.
    bool create();
    HWND window() const { return window_; }
    bool hidden() const { return hidden_; }

    // Where LM_SETHOTKEYS reads the pairs to register.
    void setHotkeySource(std::function<GlobalHotkeyPairs()> source) { hotkeySource_ = std::move(source); }

private:
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void onCreate();
    void onDestroy();
    void onPaint();
    void onHotkey(int id);
    void onShowBar();
    void onHideBar();
    void onSetHotkeys(bool registerAnew);
    void onRemoteCommand(WPARAM recordCount);
    void onLeftButtonDown(LPARAM position);
    void clearPicture();

    HINSTANCE instance_;
    HWND window_ = nullptr;
    bool hidden_ = true;
    bool dialogOpen_ = false;
    std::function<GlobalHotkeyPairs()> hotkeySource_;

    // The off-screen status picture, copied into the window on paint.
    UniqueMemoryDC pictureDC_;
    UniqueBitmap pictureBitmap_;
    HGDIOBJ originalBitmap_ = nullptr;
};

}  // namespace zek::win32
