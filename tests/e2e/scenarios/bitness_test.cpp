// The two builds together, as on 64-bit Windows: the 32-bit launcher with the
// windows of 64-bit programs, a start of one build handing its switches to a
// running launcher of the other, and one folder's files kept by both. Run from
// the 32-bit build, whose other build is the 64-bit one.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/files.h"
#include "driver/input.h"
#include "driver/launcher_scenario.h"
#include "driver/window_query.h"

namespace zek::e2e {
namespace {

class Bitness : public LauncherScenario {
  protected:
    void SetUp() override {
        LauncherScenario::SetUp();
        other_ = otherBuildDirectory();
        ASSERT_FALSE(other_.empty()) << "ZEK_OTHER_BUILD names no build to run beside this one";
        otherFolder_ = folder_ + "other build\\";
        ::CreateDirectoryA(otherFolder_.c_str(), nullptr);
        otherLauncher_ = otherFolder_ + "ZekLauncher.exe";
        ASSERT_TRUE(::CopyFileA((other_ + "ZekLauncher.exe").c_str(), otherLauncher_.c_str(), FALSE))
            << other_;
    }

    Process startOtherLauncher(const std::string& arguments) {
        return startProcess(otherLauncher_, arguments, otherFolder_);
    }

    std::string other_;
    std::string otherFolder_;
    std::string otherLauncher_;
};

TEST_F(Bitness, TheLauncherOffersTheWindowsOfAProgramOfTheOtherBuild) {
    // The probe of the other build, where this build's probe would lie.
    const std::string probe = probeInSpacedFolder();
    ASSERT_TRUE(::CopyFileA((other_ + "probe.exe").c_str(), probe.c_str(), FALSE));
    ASSERT_NE(startWith({{.name = "switch", .app = probe, .tsk = 1}}), nullptr);
    HWND first = startProbeWindow("OtherOne");
    HWND second = startProbeWindow("OtherTwo");
    ASSERT_TRUE(first != nullptr && second != nullptr);

    Process sender = startLauncher("/c switch");
    ASSERT_NE(waitForOpenMenu(10000), nullptr) << "the running windows were not offered";
    pressKey(VK_ESCAPE);
    EXPECT_EQ(sender.waitForExit(10000), 0u);
    EXPECT_TRUE(waitUntil([&] { return openMenus().empty(); }, 5000));

    EXPECT_EQ(readProbeLog(probeLogBeside(probe)).size(), 2u) << "nothing else may start";
}

TEST_F(Bitness, ASecondStartOfEitherBuildHandsOverToTheOther) {
    HWND bar = startFirstInstance();
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(startOtherLauncher("/s").waitForExit(20000), 0u);
    EXPECT_TRUE(::IsWindowVisible(bar));
    ASSERT_EQ(startOtherLauncher("/x").waitForExit(20000), 0u);
    EXPECT_EQ(firstInstance_.waitForExit(15000), 0u);

    firstInstance_ = startOtherLauncher("");
    bar = waitForStartedBar(20000);
    ASSERT_NE(bar, nullptr) << "the other build did not start";
    ASSERT_EQ(runLauncher("/s"), 0u);
    EXPECT_TRUE(::IsWindowVisible(bar));
    exitLauncher();
}

TEST_F(Bitness, BothBuildsReadAndWriteTheSameFilesByteForByte) {
    // An old data file, which a start converts and writes; Japanese names and a
    // path with the trail byte 0x5C.
    const std::string old =
        "ItemName0=メモ帳\r\nItemApp0=C:\\表\\notepad.exe\r\nItemType0=4\r\nItemLevel0=1\r\n"
        "ItemName1=tools\r\nItemType1=2\r\nItemLevel1=1\r\n"
        "ItemName2=calc\r\nItemApp2=calc.exe\r\nItemOption2=/x \"a b\"\r\nItemType2=4\r\nItemLevel2=2\r\n";
    const std::string ini = "[Mode]\r\nTransparent=20\r\nCpu=70\r\nKey1=8\r\nKey2=112\r\n";
    struct Files {
        std::optional<std::string> data, backup, settings;
        bool operator==(const Files&) const = default;
    };
    auto convertAndExit = [&](const std::string& program) {
        EXPECT_TRUE(writeFileBytes(dataFilePath(), old));
        EXPECT_TRUE(writeFileBytes(folder_ + "ZekLauncher.ini", ini));
        ::DeleteFileA((dataFilePath() + ".bak").c_str());
        EXPECT_TRUE(::CopyFileA(program.c_str(), launcherPath_.c_str(), FALSE));
        EXPECT_NE(startFirstInstance(), nullptr);
        exitLauncher();
        return Files{readFileBytes(dataFilePath()), readFileBytes(dataFilePath() + ".bak"),
                     readFileBytes(folder_ + "ZekLauncher.ini")};
    };
    const std::string own = folder_ + "own build.exe";
    ASSERT_TRUE(::CopyFileA(launcherPath_.c_str(), own.c_str(), FALSE));
    const Files ownFiles = convertAndExit(own);
    ASSERT_TRUE(ownFiles.data && ownFiles.backup == old) << "the old file was not converted";
    EXPECT_EQ(convertAndExit(otherLauncher_), ownFiles);
}

}  // namespace
}  // namespace zek::e2e
