// A later start hands its switches to the running launcher. Many at once: each hands
// over while it holds the guard, or gives up with the busy code having written
// nothing; no command is lost or run twice.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "core/app/messages.h"
#include "core/app/remote_command.h"
#include "core/app/switches.h"
#include "driver/data_file_text.h"
#include "driver/files.h"
#include "driver/launcher_scenario.h"
#include "driver/probe_log.h"
#include "driver/shared_block.h"
#include "driver/window_query.h"

namespace zek::e2e {
namespace {

using Handover = LauncherScenario;

bool visible(HWND bar) {
    return ::IsWindowVisible(bar) != FALSE;
}

DWORD WINAPI takeGuardAndEnd(void*) {
    // Ends owning the guard (closing a handle releases nothing): the next waiter
    // gets it as abandoned.
    win32::UniqueKernelHandle guard(::CreateMutexA(nullptr, FALSE, app::kHandoverMutexName));
    ::WaitForSingleObject(guard.get(), INFINITE);
    return 0;
}

TEST_F(Handover, SixteenSwitchesAtMostAHostileOrShortBlockOrABusyGuardLeaveTheBarRunning) {
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
    {
        SharedBlock tooSmall(100, 'Z');
        ASSERT_TRUE(tooSmall);
        // A later start cannot map the whole block: it ends quietly and sends nothing.
        EXPECT_EQ(runLauncher("/s"), 0u);
        EXPECT_TRUE(tooSmall.allBytesAre('Z'));
        EXPECT_FALSE(visible(bar));
        // Nor does the bar read past a short block when told to.
        ASSERT_TRUE(
            ::SendMessageTimeoutA(bar, app::LM_REMOTECOMMAND, 16, 0, SMTO_ABORTIFHUNG, 5000, &result));
    }
    EXPECT_TRUE(firstInstance_.running());

    // A start that cannot get the guard writes nothing and says so.
    win32::UniqueKernelHandle guard(::CreateMutexA(nullptr, FALSE, app::kHandoverMutexName));
    ASSERT_EQ(::WaitForSingleObject(guard.get(), 5000), WAIT_OBJECT_0);
    {
        SharedBlock watched(app::kRemoteCommandSize, 'S');
        ASSERT_TRUE(watched);
        EXPECT_EQ(runLauncher("/s", 60000), static_cast<DWORD>(app::kHandoverBusyExitCode));
        EXPECT_TRUE(watched.allBytesAre('S'));
        EXPECT_FALSE(::IsWindowVisible(bar));
    }
    ::ReleaseMutex(guard.get());

    // A guard whose owner ended without releasing it is free to take.
    win32::UniqueKernelHandle owner(::CreateThread(nullptr, 0, takeGuardAndEnd, nullptr, 0, nullptr));
    ASSERT_EQ(::WaitForSingleObject(owner.get(), 5000), WAIT_OBJECT_0);
    EXPECT_EQ(runLauncher("/s"), 0u);
    EXPECT_TRUE(::IsWindowVisible(bar));
}

using HandoverStorm = LauncherScenario;

constexpr int kSenders = 50;

TEST_F(HandoverStorm, EveryStartedCommandRunsExactlyOnce) {
    const std::string probe = probeInSpacedFolder();
    ASSERT_TRUE(
        writeFileBytes(dataFilePath(), dataFileText({{.name = "viewer", .app = probe, .option = "-x"}})));
    std::vector<std::string> documents;
    for (int i = 0; i < kSenders; ++i) {
        documents.push_back(folder_ + "doc" + std::to_string(i) + ".txt");
        ASSERT_TRUE(writeFileBytes(documents.back(), "x"));
    }
    HWND bar = startFirstInstance();
    ASSERT_NE(bar, nullptr);

    // The help box, shown by the running bar, keeps it busy and its sender waiting
    // with the guard, for longer than a sender used to wait before writing anyway.
    Process help = startLauncher("/help");
    ASSERT_TRUE(help);
    const auto box = waitForDialog(firstInstance_.id());
    ASSERT_TRUE(box);
    EXPECT_EQ(std::tuple(box->owner, box->caption, box->text),
              std::tuple(bar, "CommandLine Help", app::kHelpText));
    std::vector<Process> senders;
    for (int i = 0; i < kSenders / 2; ++i) {
        senders.push_back(startLauncher("/e viewer " + inQuotes(documents[i])));
    }
    ::Sleep(2000);
    EXPECT_TRUE(help.running()) << "the sender must wait until the box is closed";
    pressDialogButton(box->window, IDOK);
    for (int i = kSenders / 2; i < kSenders; ++i) {
        senders.push_back(startLauncher("/e viewer " + inQuotes(documents[i])));
    }

    EXPECT_EQ(help.waitForExit(30000), 0u);
    std::vector<bool> handedOver(kSenders, false);
    for (int i = 0; i < kSenders; ++i) {
        ASSERT_TRUE(senders[i]) << "sender " << i << " did not start";
        const auto code = senders[i].waitForExit(60000);
        ASSERT_TRUE(code) << "sender " << i << " hangs";
        EXPECT_TRUE(*code == 0 || *code == app::kHandoverBusyExitCode) << "sender " << i << ": " << *code;
        handedOver[i] = *code == 0;
    }
    const int sent = static_cast<int>(std::count(handedOver.begin(), handedOver.end(), true));
    // Natively all of them fit within the wait; on a slower machine (the 32-bit
    // build emulated, where every start costs a second) the last in the queue give
    // up with the busy code, and then their commands must not have run.
    EXPECT_GE(sent, kSenders / 2);

    waitForProbeStarts(probeLogBeside(probe), static_cast<std::size_t>(sent), 30000);
    ::Sleep(1000);  // a command run twice would show up by now
    std::map<std::string, int> runs;
    for (const ProbeStart& start : readProbeLog(probeLogBeside(probe))) {
        ++runs[start.commandLine];
    }
    for (int i = 0; i < kSenders; ++i) {
        const std::string expected = inQuotes(probe) + " -x " + inQuotes(documents[i]);
        EXPECT_EQ(runs[expected], handedOver[i] ? 1 : 0) << expected;
        runs.erase(expected);
    }
    EXPECT_TRUE(runs.empty()) << runs.size() << " unexpected starts, e.g. " << runs.begin()->first;
    EXPECT_TRUE(firstInstance_.running());
}

}  // namespace
}  // namespace zek::e2e
