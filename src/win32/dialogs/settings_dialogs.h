#pragma once
// The basic settings dialog (resource 131) and the association list (resource 140)
// with its edit form (resource 141). Both change LauncherSettings in memory only;
// the settings file is written when the program closes.
#include <windows.h>

namespace zek::data {
class LauncherSettings;
}

namespace zek::win32 {

class LauncherProcess;

// Hotkeys, animation speed, transparency and the menu style. OK registers the
// three hotkeys as it stores them; the caller registers them again from the
// settings afterwards, however the dialog ended.
void runBasicSettingsDialog(LauncherProcess& process);

// The program's own associations and the filer.
void runAssociationDialog(HINSTANCE instance, HWND owner, data::LauncherSettings& settings);

}  // namespace zek::win32
