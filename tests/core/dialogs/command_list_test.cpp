#include "core/dialogs/command_list.h"

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

TEST(CommandList, ColumnsHaveTheirCaptionWidthAndAlignment) {
    using enum CellAlign;
    const CommandListColumn expected[] = {
        {"Command", 110, Left},     {"File", 110, Left},          {"Option", 70, Left},
        {"Directory", 70, Left},    {"Comment", 90, Left},        {"Type", 100, Left},
        {"Priority", 50, Right},    {"HotKey", 70, Left},         {"AllItemBoot", 30, Centre},
        {"TaskSwitch", 30, Centre}, {"ExtensionBoot", 30, Centre}};
    const auto columns = commandListColumns();
    for (std::size_t i = 0; i < kCommandListColumnCount; ++i) {
        EXPECT_EQ(std::tie(columns[i].caption, columns[i].width, columns[i].align),
                  std::tie(expected[i].caption, expected[i].width, expected[i].align));
    }
}

TEST(CommandList, RowsShowEveryFieldAndTheBuiltInsCountAsOneRootAndEightItems) {
    const LauncherItem full(ItemFields{.type = ItemType::DataItem,
                                       .name = "エディタ",
                                       .comment = "text",
                                       .app = "C:\\e.exe",
                                       .option = "-n",
                                       .dir = "C:\\",
                                       .boot = 1,
                                       .tsk = 2,
                                       .extension = 1,
                                       .priority = -3,
                                       .hotKey1 = 3,
                                       .hotKey2 = 0x41});
    EXPECT_EQ(rowText(full), "エディタ|C:\\e.exe|-n|C:\\|text|Data Item|-3|Alt + Ctrl+A|○||○|");
    struct Hotkey {
        std::int32_t first, second;
        const char* text;
    };
    for (const Hotkey& hotkey :
         {Hotkey{0x72, 0x41, "F3キーのみ"}, Hotkey{0x72, 0, ""}, Hotkey{0, 0x41, ""}}) {
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
        {item("a", 0, 1), item("b", 0, 0), 9, 0},        // the flag columns have no order
        {item("a", 0, 0, 2), item("b", 0, 0, 1), 7, 1},  // "Ctrl+A" after "Alt+A"
    };
    for (const Case& test : cases) {
        EXPECT_EQ(compareCommandListRows(*test.a, *test.b, test.column, false), test.ascending)
            << test.a->name() << " " << test.b->name() << " column " << test.column;
        EXPECT_EQ(compareCommandListRows(*test.a, *test.b, test.column, true), -test.ascending);
    }
}

}  // namespace
}  // namespace zek::dialogs
