#pragma once
// The desktop's top-level windows as the task-switching rules see them.
#include <windows.h>

#include "core/tasks/window_facts.h"

namespace zek::win32 {

enum class ProgramPaths { Skip, ForPossibleAppWindows };

// Every top-level window in Z order, top first (at most the size of the window
// tables). Program paths cost a process open each, so they are read only when asked
// and only for windows that may be application windows.
tasks::Desktop snapshotDesktop(HWND bar, ProgramPaths paths);

inline HWND toWindow(tasks::WindowHandle handle) {
    return reinterpret_cast<HWND>(handle);
}
inline tasks::WindowHandle toHandle(HWND window) {
    return reinterpret_cast<tasks::WindowHandle>(window);
}

}  // namespace zek::win32
