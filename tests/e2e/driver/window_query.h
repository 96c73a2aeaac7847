#pragma once
// Finding and reading windows of another process, as a user would see them.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zek::e2e {

// Polls `condition` until it holds or the time is up; returns its last answer.
bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000);

HWND findBar();

// The text as WM_GETTEXT gives it across processes (bytes in the ANSI code page).
std::string windowText(HWND window);
// An edit control's selection as EM_GETSEL gives it: start and end.
std::pair<int, int> editSelection(HWND edit);
// The selected part of an edit control's text, whether the control counts bytes or characters.
std::string selectedEditText(HWND edit);

// Top-level dialog windows (message boxes included) of one process.
std::vector<HWND> dialogsOfProcess(DWORD processId);

struct MessageBoxView {
    HWND window = nullptr;
    HWND owner = nullptr;
    std::string caption;
    std::string text;
};
// The first shown dialog or message box of the process to appear within the time
// with exactly this caption, or with any caption when none is given.
std::optional<MessageBoxView> waitForDialog(DWORD processId, const std::optional<std::string>& caption = {},
                                            DWORD timeoutMs = 10000);
// Whether the dialog is gone or hidden within the time.
bool waitForDialogClosed(HWND dialog, DWORD timeoutMs = 10000);
// Sets the text of one of a dialog's controls, as typing it would.
void setDialogItemText(HWND dialog, int id, const std::string& text);
// Presses the box's button with this id (IDOK, IDCANCEL, ...).
void pressDialogButton(HWND dialog, int buttonId);
// Picks the entry of this text in a dialog's combo box, as a click in its list does.
void chooseInCombo(HWND dialog, int comboId, const std::string& text);
// Moves the focus to one of the dialog's controls and presses a key there.
void pressKeyIn(HWND dialog, int controlId, WORD key);
// Whether the focus of the dialog's thread is on this control within the time.
bool waitForFocusOn(HWND dialog, int controlId, DWORD timeoutMs = 5000);

DWORD processOf(HWND window);
// Where the window is on the screen, and how wide it is there.
RECT windowRect(HWND window);
int windowWidth(HWND window);
// The icon window that Wine's stand-alone tray shows, or null while it shows none.
HWND trayIconWindow();

// Every visible popup menu window (class #32768), submenus included.
std::vector<HWND> openMenus();
// The first open popup menu window, once there is one.
HWND waitForOpenMenu(DWORD timeoutMs = 10000);
// Presses Escape in the open menus until none is left; false if some stay open.
bool closeOpenMenus(DWORD timeoutMs = 5000);
// The command box of the bar and the texts of its list.
HWND findCommandBox(HWND bar);
HWND findCommandEdit(HWND bar);
std::vector<std::string> listTexts(HWND combo);

}  // namespace zek::e2e
