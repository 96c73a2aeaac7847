#include "win32/platform/icons.h"

#include <gtest/gtest.h>

#include <string>

#include "core/data/item_store.h"
#include "driver/files.h"
#include "driver/start_menu.h"
#include "icon_kit.h"
#include "resource.h"
#include "win32/launch/image_list.h"
#include "win32/platform/shortcut.h"

namespace zek::win32 {
namespace {

using e2e::centreOf;
using e2e::iconPixels;
using e2e::kBlue;
using e2e::kRed;

const std::string kNotepad = "C:\\windows\\notepad.exe";

// An .ico whose 16x16 frame is red and 32x32 frame blue: a small icon shrunk from
// the large frame would come out blue. A document type of the test's own. Which
// paths name which kind of source is the core's rule; here what the system loads.
class IconTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.created());
        ASSERT_TRUE(e2e::writeFileBytes(icoPath_, e2e::icoFileBytes({{32, kBlue}, {16, kRed}})));
        ASSERT_TRUE(type_.registered());
    }
    UniqueIcon documentIcon() const { return loadSmallIcon(folder_.file("報告書.zektest")); }

    e2e::TestFolder folder_{"_表ソ"};
    std::string icoPath_ = folder_.file("赤青.ico");
    e2e::ScopedDocumentType type_{".zektest", "ZekLauncherTest.Document"};
};

TEST_F(IconTest, IconFilesProgramsShortcutsAndDocumentsGiveTheSmallFrame) {
    EXPECT_EQ(centreOf(loadSmallIcon(icoPath_).get()), kRed);
    const std::string link = folder_.file("ソフト表.lnk");
    ASSERT_TRUE(e2e::createShortcut(link, icoPath_));
    EXPECT_EQ(resolveShortcut(link), icoPath_);
    EXPECT_EQ(centreOf(loadSmallIcon(link).get()), kRed);
    // A shortcut to a shortcut is followed again.
    const std::string inner = folder_.file("inner.lnk");
    const std::string outer = folder_.file("outer.lnk");
    ASSERT_TRUE(e2e::createShortcut(inner, kNotepad));
    ASSERT_TRUE(e2e::createShortcut(outer, inner));
    const UniqueIcon notepad = loadSmallIcon(kNotepad);
    ASSERT_TRUE(notepad);
    EXPECT_EQ(iconPixels(loadSmallIcon(outer).get()), iconPixels(notepad.get()));

    // The document itself need not exist.
    ASSERT_TRUE(type_.setDefaultIconText(icoPath_ + ",0"));
    EXPECT_EQ(centreOf(documentIcon().get()), kRed);
    // A negative index names a resource id.
    const std::string launcher = e2e::launcherProgramPath();
    const UniqueModule program = e2e::loadAsDataFile(launcher);
    ASSERT_TRUE(program) << "build ZekLauncher.exe beside the tests: " << launcher;
    const auto stockIcon = [&](int id) {
        return UniqueIcon(static_cast<HICON>(
            ::LoadImageA(program.get(), MAKEINTRESOURCEA(id), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR)));
    };
    ASSERT_TRUE(type_.setDefaultIconText(launcher + ",-" + std::to_string(IDI_COMMAND)));
    EXPECT_EQ(iconPixels(documentIcon().get()), iconPixels(stockIcon(IDI_COMMAND).get()));
    EXPECT_NE(iconPixels(documentIcon().get()), iconPixels(stockIcon(IDI_NODE).get()));
}

// Every item gets its own picture, and an edited item keeps its slot with its new one.
TEST_F(IconTest, EveryItemHasItsOwnPictureAndKeepsItsSlotWhenEdited) {
    const std::string blue = folder_.file("blue.ico");
    ASSERT_TRUE(e2e::writeFileBytes(blue, e2e::icoFileBytes({{16, kBlue}})));
    data::ItemStore store{data::RecordTable{}};
    const auto add = [&](std::string icon) {
        return store.addToRoot(
            store.createItem({.type = data::ItemType::DataItem, .name = icon, .icon = icon}));
    };
    data::LauncherItem* red = add(icoPath_);
    data::LauncherItem* other = add(blue);
    const UniqueModule program = e2e::loadAsDataFile(e2e::launcherProgramPath());
    ItemImageList images(program.get());
    const auto colourOf = [&](const data::LauncherItem& item) {
        return centreOf(
            UniqueIcon(::ImageList_GetIcon(images.handle(), images.assignItemImage(item), 0)).get());
    };
    EXPECT_EQ(colourOf(*red), kRed);
    EXPECT_EQ(colourOf(*other), kBlue);
    const int slots = images.imageCount();
    data::ItemFields edited = red->fields();
    edited.icon = blue;
    store.setItemFields(red, edited);
    EXPECT_EQ(colourOf(*red), kBlue);
    EXPECT_EQ(colourOf(*other), kBlue);
    EXPECT_EQ(images.imageCount(), slots);
}

TEST_F(IconTest, PathsThatLeadToNoIconGiveNone) {
    using Named = std::pair<std::string, std::string>;
    for (const auto& [name, bytes] :
         {Named{"empty.ico", ""}, Named{"text.ico", std::string(4096, 'T')},
          Named{"stub.exe", "MZ but nothing else"}, Named{"damaged.lnk", std::string(200, 'L')}}) {
        ASSERT_TRUE(e2e::writeFileBytes(folder_.file(name), bytes));
        EXPECT_FALSE(loadSmallIcon(folder_.file(name))) << name;
    }
    // A ring of shortcuts, and one whose target is gone (kept as stored).
    const std::string first = folder_.file("first.lnk");
    ASSERT_TRUE(e2e::createShortcut(first, folder_.file("second.lnk")));
    ASSERT_TRUE(e2e::createShortcut(folder_.file("second.lnk"), first));
    const std::string orphan = folder_.file("orphan.lnk");
    const std::string goneTarget = folder_.file("gone.ico");
    ASSERT_TRUE(e2e::writeFileBytes(goneTarget, e2e::icoFileBytes({{16, kRed}})));
    ASSERT_TRUE(e2e::createShortcut(orphan, goneTarget));
    ASSERT_TRUE(::DeleteFileA(goneTarget.c_str()));
    EXPECT_EQ(resolveShortcut(orphan), goneTarget);
    // None longer than the shell link object takes.
    EXPECT_EQ(resolveShortcut("C:\\" + std::string(300, 'x') + ".lnk"), std::nullopt);
    EXPECT_EQ(resolveShortcut(folder_.file("damaged.lnk")), std::nullopt);

    // The test program carries no icon resource; a missing file may be answered with UINT_MAX.
    for (const std::string& path : {e2e::ownProgramPath(), std::string("C:\\no such folder\\missing.exe"),
                                    first, orphan, std::string("C:\\memo\\notes.zeknotregistered"),
                                    std::string("C:\\windows"), std::string("C:\\windows\\")}) {
        EXPECT_FALSE(loadSmallIcon(path)) << path;
    }
}

// Which texts name a location at all is the core's rule; here what only the system
// decides: a file or an index it cannot load, a value past the read buffer, values
// of other types, the terminator.
TEST_F(IconTest, RegistryValuesThatNameNoUsableIconGiveNone) {
    const std::string location = icoPath_ + ",0";
    using Value = std::pair<std::string, DWORD>;
    for (const auto& [bytes, type] :
         {Value{icoPath_ + ",2147483647" + '\0', REG_SZ}, Value{"C:\\no such folder\\missing.ico,0", REG_SZ},
          Value{std::string(600, '\\') + location + '\0', REG_SZ}, Value{std::string(100000, ','), REG_SZ},
          Value{std::string("\x01\x00\x00\x00", 4), REG_DWORD}, Value{location, REG_BINARY}}) {
        ASSERT_TRUE(type_.setDefaultIcon(bytes, type));
        EXPECT_FALSE(documentIcon()) << bytes.substr(0, 80);
    }
    // Without its terminator, or with bytes after it, the text is what comes before.
    for (const std::string& bytes : {location, location + std::string("\0,7junk", 7)}) {
        ASSERT_TRUE(type_.setDefaultIcon(bytes));
        EXPECT_TRUE(documentIcon());
    }
}

TEST_F(IconTest, EveryLoadedIconIsGivenBack) {
    if (!e2e::countGdiObjects()) {
        GTEST_SKIP() << "this system counts no GUI objects";
    }
    const std::string link = folder_.file("notepad.lnk");
    ASSERT_TRUE(e2e::createShortcut(link, kNotepad));
    ASSERT_TRUE(type_.setDefaultIconText(e2e::launcherProgramPath() + ",0"));
    const std::string sources[] = {kNotepad, e2e::launcherProgramPath(), icoPath_, link,
                                   folder_.file("document.zektest")};
    // The first calls load libraries and caches that stay for good.
    for (const std::string& source : sources) {
        ASSERT_TRUE(loadSmallIcon(source)) << source;
        ASSERT_TRUE(loadLargeIcon(source)) << source;
    }
    const std::uint32_t before = *e2e::countGdiObjects();
    UniqueIcon kept = loadSmallIcon(kNotepad);
    EXPECT_NE(*e2e::countGdiObjects(), before) << "the count must see a kept icon";
    kept.reset();
    for (int round = 0; round < 1000; ++round) {
        loadIcon(sources[round % std::size(sources)], round % 2 == 0 ? IconSize::Small : IconSize::Large);
    }
    EXPECT_EQ(*e2e::countGdiObjects(), before);
}

}  // namespace
}  // namespace zek::win32
