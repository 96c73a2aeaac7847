#include "win32/launch/file_chooser.h"

#include <gtest/gtest.h>

#include <atomic>
#include <optional>
#include <string>
#include <thread>

namespace zek::win32 {
namespace {

// Runs the chooser while another thread waits for its dialog and presses
// `button` in it; nullopt in `shown` when no dialog came within half a minute.
std::optional<std::string> chooseAndPress(std::string_view initialName, WORD button, bool& shown) {
    std::atomic<bool> found{false};
    std::thread presser([&] {
        for (int waited = 0; waited < 30000 && !found; waited += 20) {
            if (HWND dialog = ::FindWindowA("#32770", "ファイルを開く")) {
                found = true;
                ::PostMessageA(dialog, WM_COMMAND, button, 0);
            }
            ::Sleep(20);
        }
    });
    std::optional<std::string> chosen = chooseExecutable(nullptr, initialName);
    presser.join();
    shown = found;
    return chosen;
}

// The dialog comes up (its library is looked up on first use), gives back the
// name it was started with when confirmed, and nothing when cancelled.
TEST(FileChooser, GivesTheConfirmedPathAndNothingOnCancel) {
    const std::string notepad = "C:\\windows\\notepad.exe";
    bool shown = false;
    EXPECT_EQ(chooseAndPress(notepad, IDOK, shown), notepad);
    EXPECT_TRUE(shown);
    EXPECT_EQ(chooseAndPress(notepad, IDCANCEL, shown), std::nullopt);
    EXPECT_TRUE(shown);
}

}  // namespace
}  // namespace zek::win32
