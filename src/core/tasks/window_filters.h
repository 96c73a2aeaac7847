#pragma once
// Which windows count as task windows (those the switching operations act on) and
// as application windows of a program (those the running-window chooser offers).

#include <string_view>
#include <vector>

#include "core/tasks/window_facts.h"

namespace zek::tasks {

// Not the bar, "Progman" or the menu window; titled, visible and without an owner.
bool isTaskWindow(const WindowFacts& window, const Desktop& desktop);

// The tests of an application window that need no process path: visible, without
// an owner, titled. The program reads the (costly) path only of these windows.
bool mayBeAppWindow(const WindowFacts& window);

// An application window of `programPath`: mayBeAppWindow and a process path equal to
// it byte for byte (case and all). An empty path names no program. The bar and the
// desktop windows are not excluded.
bool isAppWindow(const WindowFacts& window, std::string_view programPath);

// In Z order, top first, at most kWindowTableSize of them.
std::vector<const WindowFacts*> taskWindows(const Desktop& desktop);
std::vector<const WindowFacts*> appWindows(const Desktop& desktop, std::string_view programPath);

}  // namespace zek::tasks
