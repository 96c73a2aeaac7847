// The start-up sort works on eight-byte keys: long shared beginnings make them tie
// often, and thousands of items take the radix path. A stable sort of the attach
// order is what the old program's bubble sort gives. Random edits are held to the
// same model by the store's fuzz target (fuzz/store_orders_fuzz.cpp).

#include <gtest/gtest.h>

#include <random>

#include "core/data/data_file.h"
#include "data/store_order_model.h"

namespace zek::data {
namespace {

using namespace test;

TEST(StartUpSort, LargeFlatFileSortsAsTheBubbleSortOfTheAttachOrder) {
    std::mt19937 random(0x50F7);
    const auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    std::string file = "[100]\r\n";
    for (int record = 0; record < 3000; ++record) {
        std::string name = pick(0, 1) == 0 ? "longcommonprefix" : "";
        for (int pieces = pick(1, 4); pieces > 0; --pieces) {
            name += kNamePieces[pick(0, static_cast<int>(std::size(kNamePieces)) - 1)];
        }
        file += recordLines(record, name, 4, 1, pick(-2, 2));
    }
    const ItemStore store(readDataFile(file).records);
    const auto stableSorted = [](List list, OutOfOrder outOfOrder) {
        std::ranges::stable_sort(list, [outOfOrder](auto* a, auto* b) { return outOfOrder(b, a); });
        return list;
    };
    EXPECT_EQ(listOf(store.items()), stableSorted(bySerial(listOf(store.items())), itemOutOfOrder));
    EXPECT_EQ(listOf(store.root()->children()),
              stableSorted(bySerial(listOf(store.root()->children())), childOutOfOrder));
}

}  // namespace
}  // namespace zek::data
