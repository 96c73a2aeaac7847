#include "launch/icons.h"

#include <gtest/gtest.h>

#include <string>

#include "icon_test_support.h"
#include "launch/shortcut.h"
#include "resource.h"
#include "test_folder.h"

namespace zek::win32 {
namespace {

using test::centrePixel;
using test::iconPixels;
using test::iconWidth;
using test::kBlue;
using test::kRed;

const std::string kNotepad = "C:\\windows\\notepad.exe";

// An .ico whose 16x16 frame is red and 32x32 frame blue: a small icon shrunk from
// the large frame would come out blue.
class IconFileFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.created());
        ASSERT_TRUE(test::writeBytes(icoPath_, test::icoFileBytes({{32, kBlue}, {16, kRed}})));
    }

    test::TestFolder folder_{"_表ソ"};
    std::string icoPath_ = folder_.file("赤青.ico");
};

using IconFiles = IconFileFixture;

TEST_F(IconFiles, IconFileGivesTheFrameOfTheAskedSize) {
    const UniqueIcon small = loadSmallIcon(icoPath_);
    ASSERT_TRUE(small);
    EXPECT_EQ(iconWidth(small.get()), 16);
    EXPECT_EQ(centrePixel(iconPixels(small.get(), 16), 16), kRed);

    const UniqueIcon large = loadLargeIcon(icoPath_);
    ASSERT_TRUE(large);
    EXPECT_EQ(iconWidth(large.get()), 32);
    EXPECT_EQ(centrePixel(iconPixels(large.get(), 32), 32), kBlue);

    // The extension is matched ignoring case.
    const std::string upperCase = folder_.file("UPPER.ICO");
    ASSERT_TRUE(test::writeBytes(upperCase, test::icoFileBytes({{16, kRed}})));
    const UniqueIcon upper = loadSmallIcon(upperCase);
    ASSERT_TRUE(upper);
    EXPECT_EQ(centrePixel(iconPixels(upper.get(), 16), 16), kRed);
}

TEST(IconPrograms, ProgramGivesItsFirstIconInBothSizesAndOneWithoutIconsNone) {
    const UniqueIcon small = loadSmallIcon("C:\\WINDOWS\\NOTEPAD.EXE");
    const UniqueIcon large = loadLargeIcon(kNotepad);
    EXPECT_EQ(iconWidth(small.get()), 16);
    EXPECT_EQ(iconWidth(large.get()), 32);
    // The test program carries no icon resource; the others do not exist, which some
    // systems answer with UINT_MAX instead of 0.
    EXPECT_FALSE(loadSmallIcon(test::ownProgramPath()));
    EXPECT_FALSE(loadLargeIcon(test::ownProgramPath()));
    EXPECT_FALSE(loadSmallIcon("C:\\no such folder\\missing.exe"));
    EXPECT_FALSE(loadLargeIcon("C:\\no such folder\\missing.ico"));
    EXPECT_FALSE(loadSmallIcon(""));
}

TEST_F(IconFiles, FilesThatAreNoIconsOrProgramsGiveNone) {
    const std::string empty = folder_.file("empty.ico");
    ASSERT_TRUE(test::writeBytes(empty, ""));
    EXPECT_FALSE(loadSmallIcon(empty));
    const std::string text = folder_.file("text.ico");
    ASSERT_TRUE(test::writeBytes(text, std::string(4096, 'T')));
    EXPECT_FALSE(loadSmallIcon(text));
    EXPECT_FALSE(loadLargeIcon(text));
    const std::string stub = folder_.file("stub.exe");
    ASSERT_TRUE(test::writeBytes(stub, "MZ but nothing else"));
    EXPECT_FALSE(loadSmallIcon(stub));
}

using IconShortcuts = IconFileFixture;

TEST_F(IconShortcuts, ShortcutGivesTheIconOfItsTarget) {
    const std::string link = folder_.file("ソフト表.lnk");
    ASSERT_TRUE(test::createShortcut(link, icoPath_));
    EXPECT_EQ(resolveShortcut(link), icoPath_);

    const UniqueIcon small = loadSmallIcon(link);
    ASSERT_TRUE(small);
    EXPECT_EQ(centrePixel(iconPixels(small.get(), 16), 16), kRed);
    const UniqueIcon large = loadLargeIcon(link);
    ASSERT_TRUE(large);
    EXPECT_EQ(centrePixel(iconPixels(large.get(), 32), 32), kBlue);
}

TEST_F(IconShortcuts, ShortcutToAShortcutIsFollowedAgain) {
    const std::string inner = folder_.file("inner.lnk");
    const std::string outer = folder_.file("OUTER.LNK");
    ASSERT_TRUE(test::createShortcut(inner, kNotepad));
    ASSERT_TRUE(test::createShortcut(outer, inner));
    const UniqueIcon viaShortcuts = loadSmallIcon(outer);
    const UniqueIcon direct = loadSmallIcon(kNotepad);
    ASSERT_TRUE(viaShortcuts);
    ASSERT_TRUE(direct);
    EXPECT_EQ(iconPixels(viaShortcuts.get(), 16), iconPixels(direct.get(), 16));
}

TEST_F(IconShortcuts, ShortcutsThatLeadNowhereGiveNone) {
    // A ring of shortcuts.
    const std::string first = folder_.file("first.lnk");
    const std::string second = folder_.file("second.lnk");
    ASSERT_TRUE(test::createShortcut(first, second));
    ASSERT_TRUE(test::createShortcut(second, first));
    ASSERT_EQ(resolveShortcut(first), second);
    EXPECT_FALSE(loadSmallIcon(first));

    const std::string damaged = folder_.file("damaged.lnk");
    ASSERT_TRUE(test::writeBytes(damaged, std::string(200, 'L')));
    EXPECT_EQ(resolveShortcut(damaged), std::nullopt);
    EXPECT_FALSE(loadSmallIcon(damaged));
    EXPECT_EQ(resolveShortcut(folder_.file("missing.lnk")), std::nullopt);

    // The target is kept as stored; only the icon lookup finds it gone.
    const std::string orphan = folder_.file("orphan.lnk");
    const std::string goneTarget = folder_.file("gone.ico");
    ASSERT_TRUE(test::writeBytes(goneTarget, test::icoFileBytes({{16, kRed}})));
    ASSERT_TRUE(test::createShortcut(orphan, goneTarget));
    ASSERT_TRUE(::DeleteFileA(goneTarget.c_str()));
    EXPECT_EQ(resolveShortcut(orphan), goneTarget);
    EXPECT_FALSE(loadSmallIcon(orphan));

    // Only .lnk files are resolved, and none longer than the shell link object takes.
    const std::string renamed = folder_.file("first.lnk.bak");
    ASSERT_TRUE(::CopyFileA(first.c_str(), renamed.c_str(), FALSE));
    EXPECT_EQ(resolveShortcut(renamed), std::nullopt);
    EXPECT_EQ(resolveShortcut("C:\\" + std::string(300, 'x') + ".lnk"), std::nullopt);
}

// The path written with %TEMP% for the temporary folder: variables are not expanded.
std::string withTempVariable(const std::string& path) {
    char temp[MAX_PATH + 1] = {};
    const DWORD length = ::GetTempPathA(sizeof temp, temp);
    return "%TEMP%\\" + path.substr(length);
}

class IconRegistry : public IconFileFixture {
  protected:
    void SetUp() override {
        IconFileFixture::SetUp();
        ASSERT_TRUE(type_.registered());
    }

    // The icon of a document of the test's type.
    UniqueIcon documentIcon() const { return loadSmallIcon(folder_.file("報告書.zektest")); }

    test::ScopedDocumentType type_{".zektest", "ZekLauncherTest.Document"};
};

TEST_F(IconRegistry, DocumentGetsTheIconItsClassNames) {
    ASSERT_TRUE(type_.setDefaultIconText(icoPath_ + ",0"));
    const UniqueIcon icon = documentIcon();
    ASSERT_TRUE(icon);
    EXPECT_EQ(centrePixel(iconPixels(icon.get(), 16), 16), kRed);
    // The document itself need not exist, and the extension is looked up as written.
    const UniqueIcon large = loadLargeIcon("C:\\nowhere\\X.zektest");
    ASSERT_TRUE(large);
    EXPECT_EQ(centrePixel(iconPixels(large.get(), 32), 32), kBlue);
}

TEST_F(IconRegistry, NegativeIndexNamesAResourceId) {
    const std::string launcher = test::launcherProgramPath();
    const UniqueModule program = test::loadAsDataFile(launcher);
    ASSERT_TRUE(program) << "build ZekLauncher.exe beside the tests: " << launcher;
    ASSERT_TRUE(type_.setDefaultIconText(launcher + ",-" + std::to_string(IDI_COMMAND)));
    const UniqueIcon icon = documentIcon();
    ASSERT_TRUE(icon);
    const UniqueIcon expected(static_cast<HICON>(
        ::LoadImageA(program.get(), MAKEINTRESOURCEA(IDI_COMMAND), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR)));
    const UniqueIcon otherStockIcon(static_cast<HICON>(
        ::LoadImageA(program.get(), MAKEINTRESOURCEA(IDI_NODE), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR)));
    ASSERT_TRUE(expected);
    EXPECT_EQ(iconPixels(icon.get(), 16), iconPixels(expected.get(), 16));
    EXPECT_NE(iconPixels(icon.get(), 16), iconPixels(otherStockIcon.get(), 16));
}

TEST_F(IconRegistry, UnusableLocationsGiveNone) {
    const std::string unusable[] = {
        "%1",
        icoPath_,
        "\"" + icoPath_ + "\",0",
        withTempVariable(icoPath_) + ",0",
        "," + icoPath_,
        ",",
        std::string(511, 'x') + ",0",
        icoPath_ + ",-2147483648",
        icoPath_ + ",2147483647",
        "C:\\no such folder\\missing.ico,0",
    };
    for (const std::string& location : unusable) {
        ASSERT_TRUE(type_.setDefaultIconText(location));
        EXPECT_FALSE(documentIcon()) << location;
    }
}

TEST_F(IconRegistry, HostileValueBytesGiveNoneOrTheTextBeforeTheTerminator) {
    // Stored without its terminator: still read as the whole text.
    const std::string location = icoPath_ + ",0";
    ASSERT_TRUE(type_.setDefaultIcon(location));
    EXPECT_TRUE(documentIcon());
    // Bytes after the terminator are not part of the text.
    ASSERT_TRUE(type_.setDefaultIcon(location + std::string("\0,7junk", 7)));
    EXPECT_TRUE(documentIcon());
    // Longer than the 512-byte buffer.
    ASSERT_TRUE(type_.setDefaultIconText(std::string(600, '\\') + location));
    EXPECT_FALSE(documentIcon());
    ASSERT_TRUE(type_.setDefaultIcon(std::string(100000, ',')));
    EXPECT_FALSE(documentIcon());
    // Not a text at all.
    ASSERT_TRUE(type_.setDefaultIcon(std::string("\x01\x00\x00\x00", 4), REG_DWORD));
    EXPECT_FALSE(documentIcon());
    ASSERT_TRUE(type_.setDefaultIcon(location, REG_BINARY));
    EXPECT_FALSE(documentIcon());
}

TEST(IconRegistryLookups, UnregisteredTypesAndFoldersGiveNone) {
    EXPECT_FALSE(loadSmallIcon("C:\\memo\\notes.zeknotregistered"));
    EXPECT_FALSE(loadSmallIcon("C:\\windows"));
    EXPECT_FALSE(loadSmallIcon("C:\\windows\\"));
}

}  // namespace
}  // namespace zek::win32
