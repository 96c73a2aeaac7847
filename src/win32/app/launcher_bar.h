#pragma once
// The bar: the program's only top-level window and the hub of its messages.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include "win32/app/bar_look.h"
#include "win32/box/command_box.h"
#include "win32/display/bar_animation.h"
#include "win32/platform/unique_handle.h"
#include "win32/process/launcher_process.h"

namespace zek::win32 {

class LauncherBar {
  public:
    explicit LauncherBar(LauncherProcess& process) : process_(process), box_(process), animation_(process) {}
    LauncherBar(const LauncherBar&) = delete;
    LauncherBar& operator=(const LauncherBar&) = delete;

    // Creates the hidden bar; false when the class or the window cannot be made.
    bool create();
    HWND window() const { return window_; }
    // The status picture's drawing objects go before GDI+ shuts down.
    void destroyStatusDisplay() { animation_.destroy(); }

  private:
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void onCreate();
    void onDestroy();
    void onClose();
    void onPaint();
    LRESULT onControlColour(HDC dc);
    void onContextMenu(LPARAM position);
    LRESULT onCommand(WPARAM wParam, LPARAM lParam);
    bool runDialog(int commandId);
    void onHotkey(int id);
    void showTaskMenu();
    void showSameAppMenu();
    void onReloadList();
    void onShowBar();
    void onHideBar();
    void onSetHotkeys(bool registerAnew);
    void onApplyDisplay();
    void onRemoteCommand(WPARAM recordCount);
    void onLeftButtonDown(LPARAM position);
    void onDropFiles(HDROP drop);
    void createPicture();
    void clearPicture();

    LauncherProcess& process_;
    HWND window_ = nullptr;
    bool hidden_ = true;
    bool dialogOpen_ = false;
    BarLook look_;
    CommandBox box_;
    UniqueMenu menu_;
    HMENU trayMenu_ = nullptr;
    // Broadcast by the shell when it (re)starts and has lost every tray icon.
    UINT taskbarCreated_ = 0;

    // The off-screen status picture, copied into the window on paint.
    UniqueMemoryDC pictureDC_;
    UniqueBitmap pictureBitmap_;
    HGDIOBJ originalBitmap_ = nullptr;
    BarAnimation animation_;
};

}  // namespace zek::win32
