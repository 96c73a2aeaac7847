// Files dropped on the bar, as from Explorer: one file opens with the item the
// box shows or by its own association; more than one, or a path too long to
// take whole, opens nothing.
#include <gtest/gtest.h>

#include <string>

#include "driver/drop_files.h"
#include "driver/input.h"
#include "driver/launcher_scenario.h"
#include "driver/window_query.h"

namespace zek::e2e {
namespace {

class Drop : public LauncherScenario {
  protected:
    void SetUp() override {
        LauncherScenario::SetUp();
        probeInSpacedFolder();
        document_ = folder_ + "a.zek";
        writeFile("a.zek", "text");
        bar_ = startWith({{.name = "viewer", .app = probe_, .option = "-x"}},
                         "[ExtMode]\r\nExtKey0=zek\r\nPathKey0=" + probe_ + "\r\n");
        ASSERT_NE(bar_, nullptr);
        showAndFocus(bar_);
        box_ = findCommandBox(bar_);
        ASSERT_NE(box_, nullptr);
    }
    void type(const std::string& text, const std::string& completed) {
        typeAscii(text);
        ASSERT_TRUE(waitUntil([&] { return windowText(box_) == completed; }, 5000)) << windowText(box_);
    }

    std::string document_;
    HWND bar_ = nullptr;
    HWND box_ = nullptr;
};

TEST_F(Drop, AFileOpensByItsAssociationOrWithTheItemInTheBoxAndMoreFilesOrAnOverlongPathOpenNothing) {
    ASSERT_TRUE(dropFiles(bar_, {document_}));
    ASSERT_EQ(probeStarts(1).size(), 1u);
    EXPECT_TRUE(waitUntil([&] { return !::IsWindowVisible(bar_); }, 5000));

    showAndFocus(bar_);
    const std::string second = folder_ + "b.zek";
    writeFile("b.zek", "text");
    type("vi", "viewer");
    ASSERT_TRUE(dropFiles(bar_, {document_, second}));
    // Cut to the box's 512 bytes it would name another file.
    ASSERT_TRUE(dropFiles(bar_, {folder_ + std::string(600, 'd') + ".zek"}));
    // The bar handles its messages in order: once a later single drop has run,
    // the pair and the long path have been handled too.
    ASSERT_TRUE(dropFiles(bar_, {second}));
    const auto starts = probeStarts(2);
    ASSERT_EQ(starts.size(), 2u);
    EXPECT_EQ(starts[0].commandLine, inQuotes(probe_) + " " + inQuotes(document_));
    EXPECT_EQ(starts[1].commandLine, inQuotes(probe_) + " -x " + inQuotes(second));
    EXPECT_TRUE(waitUntil([&] { return !::IsWindowVisible(bar_); }, 5000));
    ::Sleep(300);
    EXPECT_EQ(readProbeLog(probeLogBeside(probe_)).size(), 2u);
}

}  // namespace
}  // namespace zek::e2e
