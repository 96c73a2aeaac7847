#include "core/data/config_paths.h"

#include <gtest/gtest.h>

namespace zek::data {
namespace {

TEST(ConfigPaths, BesideTheProgramOrNoneForAnUnknownProgram) {
    const ConfigPaths paths = configPathsFor("C:\\Tools\\Zek\\ZekLauncher.exe");
    EXPECT_EQ(paths.iniPath, "C:\\Tools\\Zek\\ZekLauncher.ini");
    EXPECT_EQ(paths.datPath, "C:\\Tools\\Zek\\ZekLauncher.dat");
    // "表" and "ソ" end in 0x5C: a byte-wise search would cut the folder name there.
    EXPECT_EQ(configPathsFor("C:\\ソフト\\表\\zek.exe").datPath, "C:\\ソフト\\表\\ZekLauncher.dat");
    EXPECT_EQ(configPathsFor("D:\\予定表").iniPath, "D:\\ZekLauncher.ini");
    EXPECT_FALSE(configPathsFor(std::nullopt).iniPath.has_value());
    EXPECT_FALSE(configPathsFor("").datPath.has_value());
}

}  // namespace
}  // namespace zek::data
