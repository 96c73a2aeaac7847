#include "core/text/path_split.h"

#include <gtest/gtest.h>

namespace zek::text {
namespace {

void expectParts(std::string_view path, std::string_view drive, std::string_view directory,
                 std::string_view fileName, std::string_view extension) {
    const PathParts parts = splitPath(path);
    EXPECT_EQ(parts.drive, drive) << path;
    EXPECT_EQ(parts.directory, directory) << path;
    EXPECT_EQ(parts.fileName, fileName) << path;
    EXPECT_EQ(parts.extension, extension) << path;
}

TEST(SplitPath, SplitsOrdinaryPaths) {
    expectParts("C:\\Program Files\\Zek\\ZekLauncher.exe", "C:", "\\Program Files\\Zek\\", "ZekLauncher",
                ".exe");
    expectParts("C:ZekLauncher.exe", "C:", "", "ZekLauncher", ".exe");
    expectParts("C:", "C:", "", "", "");
    expectParts("\\\\server\\share\\z.exe", "", "\\\\server\\share\\", "z", ".exe");
    expectParts("d:/tools/a.b.exe", "d:", "/tools/", "a.b", ".exe");
    expectParts("C:\\dir.d\\noext", "C:", "\\dir.d\\", "noext", "");
    expectParts("", "", "", "", "");
    // A view into a longer text ends at its own end, not at the separator after it.
    expectParts(std::string_view("C:\\a.b\\c", 6), "C:", "\\", "a", ".b");
}

TEST(SplitPath, StepsOverTrailBytesThatLookLikeSeparators) {
    // "表" and "ソ" end in 0x5C, the byte of "\".
    expectParts("C:\\表\\ZekLauncher.exe", "C:", "\\表\\", "ZekLauncher", ".exe");
    expectParts("C:\\ソフト\\表", "C:", "\\ソフト\\", "表", "");
    expectParts("C:\\予定表.txt", "C:", "\\", "予定表", ".txt");
    // A dot-like trail byte does not start an extension either (0x82 0x2E is no
    // real character, but the walk must pair it all the same).
    expectParts("C:\\a\x82.b", "C:", "\\", "a\x82.b", "");
}

}  // namespace
}  // namespace zek::text
