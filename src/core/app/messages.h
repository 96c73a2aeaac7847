#pragma once
// The bar's own window messages and global hotkey ids. Their numbers are an
// interface: other instances and scripts send them.

namespace zek::app {

inline constexpr unsigned kWindowsUserMessage = 0x0400;  // WM_USER

inline constexpr unsigned LM_RELOADLIST = kWindowsUserMessage + 6;
inline constexpr unsigned LM_TRAYNOTIFY = kWindowsUserMessage + 7;
inline constexpr unsigned LM_SHOWBAR = kWindowsUserMessage + 8;
inline constexpr unsigned LM_HIDEBAR = kWindowsUserMessage + 9;
inline constexpr unsigned LM_SETHOTKEYS = kWindowsUserMessage + 10;
inline constexpr unsigned LM_APPLYDISPLAY = kWindowsUserMessage + 13;
inline constexpr unsigned LM_SETMATCHLEN = kWindowsUserMessage + 14;
inline constexpr unsigned LM_REMOTECOMMAND = kWindowsUserMessage + 18;
inline constexpr unsigned LM_TRIMMEMORY = kWindowsUserMessage + 19;

inline constexpr int HOTKEY_ID_BAR = 0;
inline constexpr int HOTKEY_ID_TASKMENU = 1;
inline constexpr int HOTKEY_ID_SAMEAPP = 2;

inline constexpr const char* kBarClassName = "ZekLauncher";

}  // namespace zek::app
