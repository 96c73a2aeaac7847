#pragma once
// The bar: the program's only top-level window. It dispatches what reaches it (the
// user's mouse and keys, the tray, the hotkeys, messages of other instances) to the
// rooms that do the work, and offers the rest of the program plain methods.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <optional>
#include <string>
#include <vector>

#include "core/app/remote_command.h"
#include "win32/app/bar_animation.h"
#include "win32/box/command_box.h"
#include "win32/dialogs/dialog_runner.h"
#include "win32/display/bar_look.h"
#include "win32/platform/gdi_scope.h"
#include "win32/platform/unique_handle.h"
#include "win32/platform/window.h"
#include "win32/process/launcher_process.h"

namespace zek::win32 {

class LauncherBar final : public Window<LauncherBar>, private DialogFollowUps {
  public:
    explicit LauncherBar(LauncherProcess& process)
        : process_(process), box_(process), animation_(process), dialogs_(process, *this) {}

    // Creates the hidden bar; false when the class or the window cannot be made.
    bool create();
    // The status picture's drawing objects go before GDI+ shuts down.
    void destroyStatusDisplay() { animation_.destroy(); }

    void show();
    void hide();
    // The command box's list made anew from the whole store.
    void reloadList() override;
    // Unregisters the three hotkeys of the settings and, with `registerAnew`,
    // registers them again.
    void applyGlobalHotkeys(bool registerAnew) override;
    // Transparency and the animation's pace from the current settings.
    void applyDisplay() override;
    // The Start Menu's shortcuts into the store and the list; once the dialogs are
    // closed when one is open (it edits the store, and its OK and Cancel decide what
    // becomes of the edits).
    void importStartMenu();
    // Runs, once each and in their order, the hand-overs that arrived before the
    // files were read.
    void runHeldHandOvers();

  private:
    friend class Window<LauncherBar>;
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Until the files are read, what would need the settings or the items gets an
    // answer that needs neither; none for the messages handled as always.
    std::optional<LRESULT> onMessageBeforeFiles(UINT message, WPARAM wParam);
    void dialogsClosed() override;

    void onCreate();
    void createPicture();
    void onDpiChanged(int dpi, std::optional<RECT> suggested);
    void onDestroy();
    void onPaint();
    LRESULT onControlColour(HDC dc);
    LRESULT onOwnerDrawnMenu(UINT message, WPARAM wParam, LPARAM lParam);
    void onContextMenu(LPARAM position);
    LRESULT onCommand(WPARAM wParam, LPARAM lParam);
    void onHotkey(int id);
    LRESULT onRemoteCommand(WPARAM recordCount);
    void runSwitches(const app::RemoteCommand& block, std::size_t count);
    void onDropFiles(HDROP drop);
    void clearPicture();

    LauncherProcess& process_;
    bool hidden_ = true;
    // The DPI of the screen the bar is on, everything drawn is made for.
    display::DpiScale scale_;
    BarLook look_;
    CommandBox box_;
    UniqueMenu menu_;
    HMENU trayMenu_ = nullptr;
    // Broadcast by the shell when it (re)starts and has lost every tray icon.
    UINT taskbarCreated_ = 0;
    // The off-screen status picture, copied into the window on paint.
    PictureSurface picture_;
    BarAnimation animation_;
    DialogRunner dialogs_;
    bool importWaits_ = false;
    // What the last import left out, told once the hand-over that asked for it is done.
    std::string importNotice_;
    void showImportNotice();
    // Set once the launcher ends (WM_DESTROY): held hand-overs no longer run.
    bool ended_ = false;
    struct HeldHandOver {
        app::RemoteCommand block;
        std::size_t count;
    };
    std::vector<HeldHandOver> heldHandOvers_;
};

}  // namespace zek::win32
