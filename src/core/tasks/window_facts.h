#pragma once
// What the task-switching rules need to know about the desktop's top-level windows,
// gathered by the program in one walk so that the rules can be decided (and tested)
// without the system.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zek::tasks {

// A window handle (HWND) held as a number; 0 = none.
using WindowHandle = std::uintptr_t;

// The fixed tables of the window lists: more windows than this are left out.
inline constexpr std::size_t kWindowTableSize = 1024;
// Titles are read into buffers of this size (terminator included).
inline constexpr std::size_t kTitleBufferBytes = 1024;

struct WindowFacts {
    WindowHandle handle = 0;
    std::string title;  // empty when it has none
    bool visible = false;
    WindowHandle owner = 0;
    bool iconic = false;  // minimised
    // The program file its process runs; none when it could not be read (no rights,
    // or not asked for: see mayBeAppWindow).
    std::optional<std::string> programPath;
};

struct Desktop {
    std::vector<WindowFacts> windows;  // every top-level window in Z order, top first
    WindowHandle bar = 0;              // the launcher bar
    WindowHandle progman = 0;          // the desktop's "Progman" window
    WindowHandle menuWindow = 0;       // the window of class "#32768" (popup menus)
};

}  // namespace zek::tasks
