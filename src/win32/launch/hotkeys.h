#pragma once
// The program's global hotkeys, all registered for the bar's window: the three of
// the settings (show the bar, the task menu, the same program's windows) and one
// per item that has a key pair. A pair already held elsewhere is reported in a box.
#include "win32/process/launcher_process.h"

namespace zek::win32 {

// Unregisters the three hotkeys of the settings and, with `registerAnew`, registers
// them again from the current settings; the first that fails is reported and the
// rest stay unregistered.
void setGlobalHotkeys(LauncherProcess& process, bool registerAnew);

// Registers (on) or unregisters (off) the hotkeys of all items; a pair already
// held elsewhere is reported and the next item goes on.
void setItemHotkeys(LauncherProcess& process, bool on);

}  // namespace zek::win32
