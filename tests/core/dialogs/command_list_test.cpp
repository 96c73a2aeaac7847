#include "dialogs/command_list.h"

#include <gtest/gtest.h>

#include "data/item_test_support.h"

namespace zek::dialogs {
namespace {

using data::ItemFields;
using data::ItemType;
using data::LauncherItem;

std::string rowText(const LauncherItem& item) {
    std::string row;
    for (std::size_t column = 0; column < kCommandListColumnCount; ++column) {
        row += commandListCell(item, column) + "|";
    }
    return row;
}

TEST(CommandList, RowsShowEveryFieldAndTheBuiltInsCountAsOneRootAndEightItems) {
    const LauncherItem full(ItemFields{.type = ItemType::DataItem,
                                       .name = "エディタ",
                                       .comment = "text",
                                       .app = "C:\\e.exe",
                                       .option = "-n",
                                       .dir = "C:\\",
                                       .boot = 1,
                                       .tsk = 1,
                                       .extension = 2,
                                       .priority = -3,
                                       .hotKey1 = 3,
                                       .hotKey2 = 0x41});
    EXPECT_EQ(rowText(full), "エディタ|C:\\e.exe|-n|C:\\|text|Data Item|-3|Alt + Ctrl+A|○|○||");
    struct Hotkey {
        std::int32_t first, second;
        const char* text;
    };
    for (const Hotkey& hotkey : {Hotkey{0x72, 0x41, "F3キーのみ"}, Hotkey{0x72, 0, ""}, Hotkey{0, 0x41, ""},
                                 Hotkey{2, 0x70, "Ctrl+F1"}}) {
        EXPECT_EQ(hotkeyCellText(hotkey.first, hotkey.second), hotkey.text)
            << hotkey.first << "," << hotkey.second;
    }

    const auto store = data::test::defaultStore();
    CommandListCounts counts;
    for (const LauncherItem* item : store->items()) {
        counts.count(item->type());
    }
    EXPECT_EQ(counts.texts(), (std::array<std::string, 4>{"command:9 ", "root:1 ", "node:0 ", "item:8 "}));
}

TEST(CommandList, RowsCompareByTheSortedColumnsCell) {
    auto item = [](std::string name, std::int32_t priority, std::int32_t tsk = 0, std::int32_t hotKey1 = 0) {
        return std::make_unique<LauncherItem>(ItemFields{.type = ItemType::DataItem,
                                                         .name = std::move(name),
                                                         .tsk = tsk,
                                                         .priority = priority,
                                                         .hotKey1 = hotKey1,
                                                         .hotKey2 = 0x41});
    };
    struct Case {
        std::unique_ptr<LauncherItem> a, b;
        std::size_t column;
        int ascending;
    };
    const Case cases[] = {
        {item("9", 9), item("10", 10), 6, -1},           // priorities as numbers
        {item("9", 9), item("10", 10), 0, 1},            // names as bytes: "10" first
        {item("Zed", 0), item("abc", 0), 0, -1},         // capitals before small letters
        {item("ア", 0), item("あ", 0), 0, 1},            // Shift-JIS by byte value: 0x82 before 0x83
        {item("a", 5), item("b", 5), 6, 0},              // equal priorities
        {item("a", 0, 1), item("b", 0, 0), 9, 0},        // the flag columns have no order
        {item("a", 0, 0, 2), item("b", 0, 0, 1), 7, 1},  // "Ctrl+A" after "Alt+A"
        {item("a", 0), item("b", 0), 5, 0},              // the same type word
    };
    for (const Case& test : cases) {
        EXPECT_EQ(compareCommandListRows(*test.a, *test.b, test.column, false), test.ascending)
            << test.a->name() << " " << test.b->name() << " column " << test.column;
        EXPECT_EQ(compareCommandListRows(*test.a, *test.b, test.column, true), -test.ascending);
    }
}

}  // namespace
}  // namespace zek::dialogs
