// Entry point: a first start becomes the running launcher; a later start hands
// its command line to the running one and ends.
#include <windows.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/command_line.h"
#include "core/app/messages.h"
#include "core/data/launcher_settings.h"
#include "win32/app/gdiplus_session.h"
#include "win32/app/handover.h"
#include "win32/app/launcher_bar.h"
#include "win32/app/memory_trim.h"
#include "win32/app/switch_actions.h"
#include "win32/data/data_file_storage_win32.h"
#include "win32/data/profile_store_win32.h"
#include "win32/platform/os_family.h"
#include "win32/platform/process_path.h"

namespace {

using namespace zek;

// The arguments as the C runtime split them, program path first.
std::vector<std::string_view> startArguments() {
    std::vector<std::string_view> arguments;
    for (int i = 0; i < __argc; ++i) {
        arguments.emplace_back(__argv[i] != nullptr ? __argv[i] : "");
    }
    return arguments;
}

int runMessageLoop() {
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

// Reading a longer list would slow every start; the user learns once what the next
// save of the settings will leave out.
void tellOfUnreadAssociations(const data::LauncherSettings& settings, HWND bar) {
    if (!settings.associationsCut()) {
        return;
    }
    const std::string kept = std::to_string(data::kMaxAssociations);
    const std::string text =
        "ZekLauncher.ini には関連付けが多すぎるため、最初の" + kept +
        "件だけを読み込みました。\r\n設定を保存すると、それより後の関連付けは失われます。";
    ::MessageBoxA(bar, text.c_str(), "ZekLauncher", MB_OK | MB_ICONWARNING);
}

void runOwnCommandLine(win32::LauncherProcess& process, win32::LauncherBar& bar) {
    app::RemoteCommand block{};
    const std::size_t count =
        app::parseCommandLine(startArguments(), block.entries, app::kOwnCommandLineRecordCount);
    win32::BarSwitchActions actions(process, bar);
    if (app::runSwitches(block.entries, count, actions)) {
        ::SendMessageA(process.bar(), WM_DESTROY, 0, 0);
    }
}

int runLauncher(HINSTANCE instance, const char* commandLine) {
    win32::GdiplusSession gdiplus;
    // The files the process opens keep references to these.
    win32::Win32ProfileStore profile;
    win32::Win32DataFileStorage storage;
    win32::LauncherProcess process(instance);
    win32::LauncherBar bar(process);
    if (!bar.create()) {
        return 0;
    }
    process.attachBar(bar.window());
    // The files lie beside the program that runs the bar.
    process.openFiles(data::configPathsFor(win32::getWindowProcessPath(process.bar())), profile, storage);

    bar.reloadList();
    bar.applyGlobalHotkeys(true);
    bar.applyDisplay();
    process.hotkeys().setItemHotkeys(process.store(), true);
    tellOfUnreadAssociations(process.settings(), process.bar());
    if (*commandLine != '\0') {
        runOwnCommandLine(process, bar);
    }
    bar.runHeldHandOvers();
    win32::trimOwnWorkingSet();

    const int exitCode = runMessageLoop();

    bar.destroyStatusDisplay();
    gdiplus.shutdown();
    process.hotkeys().setItemHotkeys(process.store(), false);
    bar.applyGlobalHotkeys(false);
    // Closing the settings writes their file.
    process.closeFiles();
    return exitCode;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    const char* line = commandLine != nullptr ? commandLine : "";
    const std::optional<bool> ntFamily = win32::isNtFamily();
    if (ntFamily != true) {
        if (ntFamily.has_value()) {
            ::MessageBoxA(nullptr, "I'm sorry\r\nThis OS is not supported.", "OSerror", MB_ICONINFORMATION);
        }
        return 0;
    }

    if (HWND running = ::FindWindowA(app::kBarClassName, nullptr)) {
        if (*line == '\0') {
            ::SetFocus(running);
        } else {
            const auto result = win32::handOverCommandLine(running, startArguments());
            if (result == win32::HandOverResult::GuardBusy || result == win32::HandOverResult::Refused) {
                return app::kHandoverBusyExitCode;
            }
        }
        return 0;
    }
    return runLauncher(instance, line);
}
