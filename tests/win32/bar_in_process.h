#pragma once
// The bar as the program makes it, in the test's own process: what it draws and
// reads with, created and named as the process's bar. Its files are the test's to
// open; the bar goes first, before the process and GDI+.
#include <windows.h>

#include "win32/app/gdiplus_session.h"
#include "win32/app/launcher_bar.h"
#include "win32/data/data_file_storage_win32.h"
#include "win32/data/profile_store_win32.h"
#include "win32/process/launcher_process.h"

namespace zek::win32 {

struct BarInProcess {
    // Whether the window was made.
    bool create() {
        if (!bar.create()) {
            return false;
        }
        process.attachBar(bar.window());
        return true;
    }
    // No folder: the settings read and write no file, and the store is the default one.
    void openNoFiles() { process.openFiles({}, profile, storage); }
    // As the program leaves: WM_DESTROY first, then the window goes. The bar's end asks
    // this thread's message loop to end, which no test here runs.
    void leave() {
        ::SendMessageA(bar.window(), WM_DESTROY, 0, 0);
        ::DestroyWindow(bar.window());
        MSG quit;
        while (::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }

    GdiplusSession gdiplus;
    Win32ProfileStore profile;
    Win32DataFileStorage storage;
    LauncherProcess process{::GetModuleHandleA(nullptr)};
    LauncherBar bar{process};
};

}  // namespace zek::win32
