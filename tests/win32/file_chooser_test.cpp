#include "win32/launch/file_chooser.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <thread>

#include "driver/window_query.h"

namespace zek::win32 {
namespace {

// The dialog comes up (its library is looked up on first use), gives back the
// name it was started with when confirmed, and nothing when cancelled.
TEST(FileChooser, GivesTheConfirmedPathAndNothingOnCancel) {
    const std::string notepad = "C:\\windows\\notepad.exe";
    for (const WORD button : {IDOK, IDCANCEL}) {
        std::optional<e2e::MessageBoxView> dialog;
        std::thread presser([&] {
            dialog = e2e::waitForDialog(::GetCurrentProcessId(), "ファイルを開く", 30000);
            if (dialog) {
                ::PostMessageA(dialog->window, WM_COMMAND, button, 0);
            }
        });
        const std::optional<std::string> chosen = chooseExecutable(nullptr, notepad);
        presser.join();
        EXPECT_TRUE(dialog) << "no dialog came";
        EXPECT_EQ(chosen, button == IDOK ? std::optional(notepad) : std::nullopt);
    }
}

}  // namespace
}  // namespace zek::win32
