// A later start hands its switches to the running launcher.
#include <gtest/gtest.h>

#include <string>

#include "core/app/messages.h"
#include "core/app/remote_command.h"
#include "driver/launcher_scenario.h"
#include "driver/shared_block.h"
#include "driver/window_query.h"

namespace zek::e2e {
namespace {

using Handover = LauncherScenario;

bool visible(HWND bar) {
    return ::IsWindowVisible(bar) != FALSE;
}

TEST_F(Handover, ASecondStartSendsAtMostSixteenSwitchesAndAHostileOrShortBlockLeavesTheBarRunning) {
    HWND bar = startFirstInstance();
    ASSERT_NE(bar, nullptr);
    {
        // Watch the block: a hand-over would overwrite it.
        SharedBlock watched(app::kRemoteCommandSize, 'S');
        ASSERT_TRUE(watched);
        EXPECT_EQ(runLauncher(""), 0u);
        EXPECT_TRUE(watched.allBytesAre('S'));
    }
    EXPECT_TRUE(firstInstance_.running());
    EXPECT_FALSE(visible(bar));

    std::string arguments;
    for (int i = 0; i < 16; ++i) {
        arguments += "/s ";
    }
    ASSERT_EQ(runLauncher(arguments + "/h"), 0u);
    EXPECT_TRUE(visible(bar));
    ASSERT_EQ(runLauncher("/h"), 0u);  // on its own it hides
    EXPECT_FALSE(visible(bar));

    DWORD_PTR result = 0;
    {
        // A hostile block: every byte 0xFF, no field ended, a count past any table.
        SharedBlock hostile(app::kRemoteCommandSize, '\xFF');
        ASSERT_TRUE(hostile);
        ASSERT_TRUE(::SendMessageTimeoutA(bar, app::LM_REMOTECOMMAND, ~WPARAM{0}, 0, SMTO_ABORTIFHUNG, 5000,
                                          &result));
    }
    SharedBlock tooSmall(100, 'Z');
    ASSERT_TRUE(tooSmall);
    // A later start cannot map the whole block: it ends quietly and sends nothing.
    EXPECT_EQ(runLauncher("/s"), 0u);
    EXPECT_TRUE(tooSmall.allBytesAre('Z'));
    EXPECT_FALSE(visible(bar));
    // Nor does the bar read past a short block when told to.
    ASSERT_TRUE(::SendMessageTimeoutA(bar, app::LM_REMOTECOMMAND, 16, 0, SMTO_ABORTIFHUNG, 5000, &result));
    EXPECT_TRUE(firstInstance_.running());
}

}  // namespace
}  // namespace zek::e2e
