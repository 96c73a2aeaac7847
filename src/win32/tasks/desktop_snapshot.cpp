#include "win32/tasks/desktop_snapshot.h"

#include "core/tasks/window_filters.h"
#include "win32/platform/process_path.h"

namespace zek::win32 {

tasks::Desktop snapshotDesktop(HWND bar, ProgramPaths paths) {
    tasks::Desktop desktop;
    desktop.bar = toHandle(bar);
    desktop.progman = toHandle(::FindWindowA("Progman", nullptr));
    desktop.menuWindow = toHandle(::FindWindowA("#32768", nullptr));
    for (HWND window = ::FindWindowExA(nullptr, nullptr, nullptr, nullptr);
         window != nullptr && desktop.windows.size() < tasks::kWindowTableSize;
         window = ::FindWindowExA(nullptr, window, nullptr, nullptr)) {
        tasks::WindowFacts facts;
        facts.handle = toHandle(window);
        char title[tasks::kTitleBufferBytes] = {};
        ::GetWindowTextA(window, title, sizeof title);
        facts.title = title;
        facts.visible = ::IsWindowVisible(window) != FALSE;
        facts.owner = toHandle(::GetWindow(window, GW_OWNER));
        facts.iconic = ::IsIconic(window) != FALSE;
        if (paths == ProgramPaths::ForPossibleAppWindows && tasks::mayBeAppWindow(facts)) {
            facts.programPath = getWindowProcessPath(window);
        }
        desktop.windows.push_back(std::move(facts));
    }
    return desktop;
}

}  // namespace zek::win32
