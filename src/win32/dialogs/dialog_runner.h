#pragma once
// The dialogs of the tray menu, run from the bar one at a time (the tray and the
// bar's own menu both lead here), and what the rest of the program does after each.
#include "win32/process/launcher_process.h"

namespace zek::win32 {

// What the bar does when a dialog has changed what it shows or holds.
class DialogFollowUps {
  public:
    virtual void reloadList() = 0;
    virtual void applyGlobalHotkeys(bool registerAnew) = 0;
    virtual void applyDisplay() = 0;
    // No dialog is open any more.
    virtual void dialogsClosed() = 0;

  protected:
    ~DialogFollowUps() = default;
};

class DialogRunner {
  public:
    DialogRunner(LauncherProcess& process, DialogFollowUps& bar) : process_(process), bar_(bar) {}

    // True for the menu commands that open a dialog.
    static bool opensDialog(int commandId);
    // Runs the dialog of `commandId` and what has to follow it; nothing while a
    // dialog is open.
    void run(int commandId);
    bool isOpen() const { return open_; }

  private:
    void runDialog(int commandId);

    LauncherProcess& process_;
    DialogFollowUps& bar_;
    bool open_ = false;
};

}  // namespace zek::win32
