// A program for the launcher to start: it appends how it was started (command
// line, current directory, show command) to probe.log beside itself. With
// --title=NAME or --title="A NAME" on its command line it also opens a window of that title and
// stays until the window is closed.
#include <windows.h>

#include <cstdlib>
#include <string>
#include <string_view>

namespace {

std::string moduleDirectory() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string directory(path);
    return directory.substr(0, directory.find_last_of('\\') + 1);
}

void appendRecord(int showCommand) {
    char currentDirectory[MAX_PATH] = {};
    ::GetCurrentDirectoryA(MAX_PATH, currentDirectory);
    // One line a start: the show command, the folder and the command line, apart by tabs.
    const std::string record =
        std::to_string(showCommand) + "\t" + currentDirectory + "\t" + ::GetCommandLineA() + "\r\n";
    // Several probes may start at once: retry while another holds the log.
    const std::string logPath = moduleDirectory() + "probe.log";
    for (int attempt = 0; attempt < 100; ++attempt) {
        HANDLE log = ::CreateFileA(logPath.c_str(), FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
        if (log != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            ::WriteFile(log, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
            ::CloseHandle(log);
            return;
        }
        ::Sleep(20);
    }
}

// --title=NAME, or --title="A NAME": one argument once the runtime has taken the quotes away.
std::string titleArgument() {
    for (int i = 1; i < __argc; ++i) {
        const std::string_view argument = __argv[i];
        if (argument.starts_with("--title=")) {
            return std::string(argument.substr(8));
        }
    }
    return {};
}

LRESULT CALLBACK probeWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

int showWindowAndWait(HINSTANCE instance, const std::string& title, int showCommand) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = probeWindow;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = "ZekProbeWindow";
    windowClass.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    ::RegisterClassA(&windowClass);
    HWND window = ::CreateWindowExA(0, "ZekProbeWindow", title.c_str(), WS_OVERLAPPEDWINDOW, 100, 100, 300,
                                    200, nullptr, nullptr, instance, nullptr);
    ::ShowWindow(window, showCommand);
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    appendRecord(showCommand);
    const std::string title = titleArgument();
    return title.empty() ? 0 : showWindowAndWait(instance, title, showCommand);
}
