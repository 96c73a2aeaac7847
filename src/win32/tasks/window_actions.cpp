#include "win32/tasks/window_actions.h"

#include "core/tasks/window_operations.h"
#include "win32/platform/menu_placement.h"
#include "win32/platform/popup_menu.h"
#include "win32/platform/unique_handle.h"
#include "win32/tasks/desktop_snapshot.h"

namespace zek::win32 {

namespace {

void showAll(HWND bar, int showCommand) {
    for (tasks::WindowHandle window : tasks::minimizeRestoreOrder(snapshotDesktop(bar, ProgramPaths::Skip))) {
        ::ShowWindow(toWindow(window), showCommand);
    }
}

}  // namespace

void activateWindow(HWND window) {
    switch (tasks::activationFor(::IsWindow(window) != FALSE, ::IsIconic(window) != FALSE)) {
        case tasks::Activation::Skip:
            break;
        case tasks::Activation::Restore:
            ::ShowWindow(window, SW_RESTORE);
            break;
        case tasks::Activation::BringToFront:
            ::SetForegroundWindow(window);
            break;
    }
}

void minimizeAllWindows(HWND bar) {
    showAll(bar, SW_MINIMIZE);
}

void restoreAllWindows(HWND bar) {
    showAll(bar, SW_SHOWNORMAL);
}

void activateNextWindow(HWND bar) {
    const auto step = tasks::nextWindowStep(snapshotDesktop(bar, ProgramPaths::Skip));
    if (!step) {
        return;
    }
    ::SetWindowPos(toWindow(step->sinkToBottom), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ::SetForegroundWindow(toWindow(step->activate));
}

tasks::AppWindowChoice chooseAppWindow(std::string_view programPath, HWND bar) {
    const auto rows =
        tasks::appWindowChooserRows(snapshotDesktop(bar, ProgramPaths::ForPossibleAppWindows), programPath);
    if (rows.size() <= 1) {
        return {tasks::AppWindowChoice::Kind::StartNew, 0};
    }
    UniqueMenu menu(::CreatePopupMenu());
    if (!menu) {
        return {tasks::AppWindowChoice::Kind::StartNew, 0};
    }
    for (const tasks::ChooserRow& row : rows) {
        ::AppendMenuA(menu.get(), MF_STRING, static_cast<UINT_PTR>(row.id), row.text.c_str());
    }
    const POINT centre = barClientCentre(bar);
    const UINT chosen = trackPopupMenu(menu.get(), bar, centre, kBarMenuFlags, MenuChoice::Returned);
    return tasks::resolveAppWindowChoice(
        rows, static_cast<std::int32_t>(chosen),
        [](tasks::WindowHandle window) { return ::IsWindow(toWindow(window)) != FALSE; });
}

}  // namespace zek::win32
