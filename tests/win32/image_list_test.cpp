#include "launch/image_list.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "data/item_store.h"
#include "data/record_table.h"
#include "icon_test_support.h"
#include "launch/icons.h"
#include "resource.h"
#include "test_folder.h"

namespace zek::win32 {
namespace {

using data::ItemFields;
using data::ItemType;
using data::LauncherItem;
using test::centrePixel;
using test::imagePixels;
using test::kBlue;
using test::kRed;

const std::string kNotepad = "C:\\windows\\notepad.exe";

// An item that shows image `imageIndex` so far.
const LauncherItem& makeItem(ItemType type, std::string icon, std::string app, std::int32_t imageIndex = 0) {
    // Items are neither copied nor moved; each lives until the test program ends.
    static std::vector<std::unique_ptr<LauncherItem>> made;
    ItemFields fields;
    fields.type = type;
    fields.name = "item";
    fields.icon = std::move(icon);
    fields.app = std::move(app);
    made.push_back(std::make_unique<LauncherItem>(std::move(fields)));
    made.back()->setImageIndex(imageIndex);
    return *made.back();
}

class IconItemImages : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(program_) << "build ZekLauncher.exe beside the tests: " << test::launcherProgramPath();
        ASSERT_TRUE(folder_.created());
        ASSERT_TRUE(test::writeBytes(redIco_, test::icoFileBytes({{16, kRed}})));
        ASSERT_TRUE(test::writeBytes(blueIco_, test::icoFileBytes({{16, kBlue}})));
        ASSERT_TRUE(images_.handle());
    }

    std::uint32_t centreOf(std::int32_t index) const {
        return centrePixel(imagePixels(images_.handle(), index), 16);
    }

    const UniqueModule program_ = test::loadAsDataFile(test::launcherProgramPath());
    ItemImageList images_{program_.get()};
    test::TestFolder folder_{"_images"};
    const std::string redIco_ = folder_.file("red.ico");
    const std::string blueIco_ = folder_.file("blue.ico");
};

TEST_F(IconItemImages, StockImagesAreTheProgramsIconsInOrder) {
    ASSERT_EQ(images_.imageCount(), 3);
    EXPECT_EQ(::ImageList_GetImageCount(images_.handle()), 3);
    int width = 0;
    int height = 0;
    ASSERT_TRUE(::ImageList_GetIconSize(images_.handle(), &width, &height));
    EXPECT_EQ(width, 16);
    EXPECT_EQ(height, 16);

    const std::array<WORD, 3> ids = {IDI_NODE, IDI_DATA_ITEM, IDI_COMMAND};
    std::array<std::vector<std::uint32_t>, 3> stock;
    for (int index = 0; index < 3; ++index) {
        const UniqueIcon icon(static_cast<HICON>(
            ::LoadImageA(program_.get(), MAKEINTRESOURCEA(ids[index]), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR)));
        ASSERT_TRUE(icon) << ids[index];
        stock[index] = test::pixelsAsListImage(icon.get());
        EXPECT_EQ(imagePixels(images_.handle(), index), stock[index]) << "image " << index;
    }
    // Otherwise the comparison above could not tell a swap.
    EXPECT_NE(stock[0], stock[1]);
    EXPECT_NE(stock[1], stock[2]);
    EXPECT_NE(stock[0], stock[2]);
}

TEST_F(IconItemImages, ItemWithoutAnIconGetsTheStockImageOfItsType) {
    EXPECT_EQ(images_.assignItemImage(makeItem(ItemType::DataItem, "", "")), 1);
    EXPECT_EQ(images_.assignItemImage(makeItem(ItemType::DefaultCommand, "", "")), 2);
    EXPECT_EQ(images_.assignItemImage(makeItem(ItemType::NodeItem, "", "")), 0);
    EXPECT_EQ(images_.assignItemImage(makeItem(ItemType::RootItem, "", "")), 0);
    EXPECT_EQ(images_.assignItemImage(makeItem(ItemType::CommandItem, "", "")), 0);
    EXPECT_EQ(images_.assignItemImage(
                  makeItem(ItemType::DataItem, folder_.file("none.ico"), "C:\\no such folder\\app.exe")),
              1);
    EXPECT_EQ(images_.imageCount(), 3);
}

TEST_F(IconItemImages, IconFileComesBeforeTheProgram) {
    EXPECT_EQ(images_.assignItemImage(makeItem(ItemType::DataItem, redIco_, blueIco_)), 3);
    EXPECT_EQ(centreOf(3), kRed);
    // A missing icon file falls back to the program.
    EXPECT_EQ(images_.assignItemImage(makeItem(ItemType::DataItem, folder_.file("gone.ico"), blueIco_)), 4);
    EXPECT_EQ(centreOf(4), kBlue);
    // A program's icon is appended as its small icon.
    ASSERT_EQ(images_.assignItemImage(makeItem(ItemType::DataItem, "", "C:\\WINDOWS\\notepad.EXE")), 5);
    const UniqueIcon expected = loadSmallIcon(kNotepad);
    ASSERT_TRUE(expected);
    EXPECT_EQ(imagePixels(images_.handle(), 5), test::pixelsAsListImage(expected.get()));
}

TEST_F(IconItemImages, EditedItemReusesItsSlotAndAStockItemAppends) {
    const std::vector<std::uint32_t> stockDataItem = imagePixels(images_.handle(), 1);
    ASSERT_EQ(images_.assignItemImage(makeItem(ItemType::DataItem, redIco_, "")), 3);
    ASSERT_EQ(images_.assignItemImage(makeItem(ItemType::DataItem, redIco_, "")), 4);

    // The item of slot 3 gets another icon: its slot is overwritten, nothing appended.
    EXPECT_EQ(images_.assignItemImage(makeItem(ItemType::DataItem, blueIco_, "", 3)), 3);
    EXPECT_EQ(images_.imageCount(), 5);
    EXPECT_EQ(centreOf(3), kBlue);
    EXPECT_EQ(centreOf(4), kRed);

    // It loses its icon: the stock image, its old slot left unused.
    EXPECT_EQ(images_.assignItemImage(makeItem(ItemType::DataItem, "", "", 3)), 1);
    EXPECT_EQ(images_.imageCount(), 5);
    EXPECT_EQ(centreOf(3), kBlue);

    // Given an icon again while it shows a stock image: a new last image.
    EXPECT_EQ(images_.assignItemImage(makeItem(ItemType::DataItem, redIco_, "", 1)), 5);
    EXPECT_EQ(images_.imageCount(), 6);
    EXPECT_EQ(imagePixels(images_.handle(), 1), stockDataItem);

    // A slot outside the list is not trusted.
    EXPECT_EQ(images_.assignItemImage(makeItem(ItemType::DataItem, redIco_, "", 99)), 6);
    EXPECT_EQ(images_.assignItemImage(makeItem(ItemType::DataItem, redIco_, "", -5)), 7);
    EXPECT_EQ(images_.imageCount(), 8);
}

TEST_F(IconItemImages, ModuleWithoutTheStockIconsStillReservesThreeImages) {
    ItemImageList withoutResources(::GetModuleHandleA(nullptr));
    ASSERT_TRUE(withoutResources.handle());
    EXPECT_EQ(withoutResources.imageCount(), 3);
    EXPECT_EQ(withoutResources.assignItemImage(makeItem(ItemType::DataItem, redIco_, "")), 3);
}

TEST_F(IconItemImages, StoreAssignsImagesThroughTheList) {
    data::ItemStore store(data::RecordTable{}, images_.assigner());
    ASSERT_NE(store.commandNode(), nullptr);
    ASSERT_FALSE(store.commandNode()->children().empty());
    for (const auto& command : store.commandNode()->children()) {
        EXPECT_EQ(command->imageIndex(), 2) << command->name();
    }
    ItemFields fields;
    fields.type = ItemType::DataItem;
    fields.name = "memo";
    fields.app = kNotepad;
    LauncherItem* added = store.addToRoot(store.createItem(fields));
    ASSERT_NE(added, nullptr);
    const std::int32_t ownSlot = added->imageIndex();
    EXPECT_GE(ownSlot, 3);

    fields.icon = redIco_;
    store.setItemFields(added, fields);
    EXPECT_EQ(added->imageIndex(), ownSlot);
    EXPECT_EQ(centreOf(ownSlot), kRed);

    fields.icon.clear();
    fields.app.clear();
    store.setItemFields(added, fields);
    EXPECT_EQ(added->imageIndex(), 1);
}

}  // namespace
}  // namespace zek::win32
