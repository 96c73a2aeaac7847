// The bar is made before the launcher reads its files (their folder is found from
// the bar's process), and a second start or the shell can reach it then. Whatever
// arrives meanwhile must find no settings and no items missing, and a hand-over
// must run once the files are read.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "bar_in_process.h"
#include "core/app/messages.h"
#include "core/data/config_paths.h"
#include "driver/files.h"
#include "resource.h"
#include "win32/app/handover.h"

namespace zek::win32 {
namespace {

HandOverResult handOver(HWND bar, std::string_view switchText) {
    return handOverCommandLine(bar, std::vector<std::string_view>{"ZekLauncher.exe", switchText});
}

TEST(BarBeforeFiles, AnswersWithoutTheFilesAndRunsWhatWasHandedOverOnceTheyAreRead) {
    const e2e::TestFolder folder;
    ASSERT_TRUE(folder.created());
    const data::ConfigPaths paths{folder.file("ZekLauncher.ini"), folder.file("ZekLauncher.dat")};
    {
        BarInProcess launcher;
        ASSERT_TRUE(launcher.create());
        LauncherBar& bar = launcher.bar;
        const HWND window = bar.window();

        // Held until the files are read, in order: the bar ends up shown.
        for (int start = 0; start < 7; ++start) {
            EXPECT_EQ(handOver(window, "/h"), HandOverResult::Sent);
        }
        EXPECT_EQ(handOver(window, "/s"), HandOverResult::Sent);
        // The starts it holds meanwhile are few; one more is told to try again later.
        EXPECT_EQ(handOver(window, "/h"), HandOverResult::Refused);
        const struct {
            UINT message;
            WPARAM wParam;
            LPARAM lParam;
        } reachable[] = {
            {WM_CLOSE, 0, 0},
            {WM_HOTKEY, app::HOTKEY_ID_BAR, 0},
            {WM_HOTKEY, app::HOTKEY_ID_TASKMENU, 0},
            {WM_HOTKEY, 1234, 0},
            {WM_COMMAND, IDM_LAUNCHER_SETTINGS, 0},
            {WM_COMMAND, IDM_BASIC_SETTINGS, 0},
            {WM_COMMAND, IDM_COMMAND_LIST, 0},
            {app::LM_RELOADLIST, 0, 0},
            {app::LM_SHOWBAR, 0, 0},
            {app::LM_HIDEBAR, 0, 0},
            {app::LM_SETHOTKEYS, 1, 0},
            {app::LM_APPLYDISPLAY, 0, 0},
            {app::LM_TRAYNOTIFY, 0, WM_RBUTTONUP},
            {WM_TIMER, 2, 0},
        };
        for (const auto& each : reachable) {
            ::SendMessageA(window, each.message, each.wParam, each.lParam);
        }
        EXPECT_FALSE(::IsWindowVisible(window)) << "the bar was shown before its files were read";
        EXPECT_EQ(::GetFileAttributesA(paths.iniPath->c_str()), INVALID_FILE_ATTRIBUTES)
            << "the settings file was written before it was read";

        launcher.process.openFiles(paths, launcher.profile, launcher.storage);
        bar.runHeldHandOvers();
        EXPECT_TRUE(::IsWindowVisible(window));
        bar.hide();
        bar.runHeldHandOvers();  // nothing is held any more, nor run twice
        EXPECT_FALSE(::IsWindowVisible(window));
        EXPECT_EQ(handOver(window, "/s"), HandOverResult::Sent);
        EXPECT_TRUE(::IsWindowVisible(window)) << "a hand-over once the files are read runs at once";
        launcher.leave();
    }
}

}  // namespace
}  // namespace zek::win32
