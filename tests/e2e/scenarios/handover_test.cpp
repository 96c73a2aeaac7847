// A later start hands its switches to the running launcher.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/app/messages.h"
#include "core/app/remote_command.h"
#include "core/app/switches.h"
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
        // Every field unterminated, the count far past the block; one readable /s.
        SharedBlock hostile(app::kRemoteCommandSize, 'A');
        ASSERT_TRUE(hostile);
        std::memcpy(hostile.bytes() + 3 * sizeof(app::SwitchEntry), "/s", 3);
        ASSERT_TRUE(
            ::SendMessageTimeoutA(bar, app::LM_REMOTECOMMAND, 1000, 0, SMTO_ABORTIFHUNG, 5000, &result));
        EXPECT_TRUE(visible(bar));
        std::memset(hostile.bytes(), 0xFF, hostile.size());
        ASSERT_TRUE(::SendMessageTimeoutA(bar, app::LM_REMOTECOMMAND, ~WPARAM{0}, 0, SMTO_ABORTIFHUNG, 5000,
                                          &result));
    }
    ASSERT_EQ(runLauncher("/h"), 0u);
    EXPECT_FALSE(visible(bar));

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

TEST_F(Handover, HelpIsShownByTheRunningBarWhileTheSenderWaits) {
    HWND bar = startFirstInstance();
    ASSERT_NE(bar, nullptr);
    Process sender = startLauncher("/help");
    ASSERT_TRUE(sender);
    const auto box = waitForDialog(firstInstance_.id());
    ASSERT_TRUE(box) << "no help box appeared";
    EXPECT_EQ(box->owner, bar);
    EXPECT_EQ(box->caption, "CommandLine Help");
    EXPECT_EQ(box->text, app::kHelpText);
    EXPECT_FALSE(sender.waitForExit(500)) << "the sender must wait until the box is closed";
    pressDialogButton(box->window, IDOK);
    EXPECT_EQ(sender.waitForExit(10000), 0u);
    EXPECT_TRUE(firstInstance_.running());
}

}  // namespace
}  // namespace zek::e2e
