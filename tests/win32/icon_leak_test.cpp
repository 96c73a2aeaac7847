// Icons and image lists give back every GDI and USER object they take.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "data/launcher_item.h"
#include "gui_object_counter.h"
#include "icon_test_support.h"
#include "launch/icons.h"
#include "launch/image_list.h"
#include "test_folder.h"

namespace zek::win32 {
namespace {

constexpr int kRounds = 1000;

class IconHandleLeaks : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::optional<test::GuiObjectCounts> counts = test::countGuiObjects();
        if (!counts) {
            GTEST_SKIP() << "this system counts no GUI objects";
        }
        ASSERT_TRUE(program_) << "build ZekLauncher.exe beside the tests";
        ASSERT_TRUE(folder_.created());
        ASSERT_TRUE(test::writeBytes(ico_, test::icoFileBytes({{32, test::kBlue}, {16, test::kRed}})));
        ASSERT_TRUE(test::createShortcut(link_, "C:\\windows\\notepad.exe"));
        ASSERT_TRUE(type_.registered());
        ASSERT_TRUE(type_.setDefaultIconText(test::launcherProgramPath() + ",0"));
        // Warm up: the first calls load libraries and caches that stay for good.
        loadEverySourceOnce();
        ItemImageList warmUp(program_.get());
        warmUp.assignItemImage(data::LauncherItem(dataItem("C:\\windows\\notepad.exe")));
    }

    static data::ItemFields dataItem(std::string app) {
        data::ItemFields fields;
        fields.type = data::ItemType::DataItem;
        fields.name = "item";
        fields.app = std::move(app);
        return fields;
    }

    std::vector<std::string> sources() const {
        return {"C:\\windows\\notepad.exe",
                test::launcherProgramPath(),
                "C:\\windows\\regedit.exe",
                ico_,
                link_,
                document_};
    }

    // Every kind of source, both sizes; all icons must come back.
    int loadEverySourceOnce() const {
        int loaded = 0;
        for (const std::string& source : sources()) {
            loaded += loadBothSizes(source);
        }
        return loaded;
    }

    static int loadBothSizes(const std::string& source) {
        return (loadSmallIcon(source) ? 1 : 0) + (loadLargeIcon(source) ? 1 : 0);
    }

    const UniqueModule program_ = test::loadAsDataFile(test::launcherProgramPath());
    test::TestFolder folder_{"_leaks"};
    const std::string ico_ = folder_.file("icon.ico");
    const std::string link_ = folder_.file("notepad.lnk");
    const std::string document_ = folder_.file("document.zekleak");
    test::ScopedDocumentType type_{".zekleak", "ZekLauncherTest.Leak"};
};

TEST_F(IconHandleLeaks, CounterSeesAnIconThatIsKept) {
    const test::GuiObjectCounts before = *test::countGuiObjects();
    UniqueIcon kept = loadSmallIcon("C:\\windows\\notepad.exe");
    ASSERT_TRUE(kept);
    EXPECT_NE(*test::countGuiObjects(), before);
    kept.reset();
    EXPECT_EQ(*test::countGuiObjects(), before);
}

TEST_F(IconHandleLeaks, LoadedIconsAreAllGivenBack) {
    ASSERT_EQ(loadEverySourceOnce(), 2 * static_cast<int>(sources().size()));
    const std::vector<std::string> all = sources();
    const test::GuiObjectCounts before = *test::countGuiObjects();
    for (int round = 0; round < kRounds; ++round) {
        loadBothSizes(all[round % all.size()]);
    }
    EXPECT_EQ(*test::countGuiObjects(), before);
}

TEST_F(IconHandleLeaks, FilledImageListIsGivenBack) {
    const test::GuiObjectCounts before = *test::countGuiObjects();
    const std::vector<std::string> apps = {"C:\\windows\\notepad.exe", test::launcherProgramPath(),
                                           "C:\\windows\\regedit.exe", link_};
    {
        ItemImageList images(program_.get());
        std::vector<std::unique_ptr<data::LauncherItem>> items;
        for (int i = 0; i < kRounds; ++i) {
            items.push_back(std::make_unique<data::LauncherItem>(dataItem(apps[i % apps.size()])));
            items.back()->setImageIndex(images.assignItemImage(*items.back()));
        }
        ASSERT_EQ(images.imageCount(), 3 + kRounds);
        // Edits overwrite the items' own slots.
        for (const auto& item : items) {
            item->setImageIndex(images.assignItemImage(*item));
        }
        ASSERT_EQ(images.imageCount(), 3 + kRounds);
    }
    EXPECT_EQ(*test::countGuiObjects(), before);
}

}  // namespace
}  // namespace zek::win32
