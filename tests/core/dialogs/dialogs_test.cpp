#include "core/dialogs/command_list.h"

#include <gtest/gtest.h>

#include "core/dialogs/item_form.h"
#include "core/dialogs/list_sort.h"
#include "core/dialogs/settings_forms.h"
#include "core/dialogs/tree_rules.h"
#include "data/item_test_support.h"
#include "data/profile_double.h"

namespace zek::dialogs {
namespace {

using data::ItemFields;
using data::ItemType;
using data::LauncherItem;

TEST(CommandList, ColumnsAndRowsShowEveryFieldAndTheBuiltInsCountAsOneRootAndEightItems) {
    std::string layout;
    for (const CommandListColumn& column : commandListColumns()) {
        layout += std::string(column.caption) + " " + std::to_string(column.width) +
                  "LRC"[static_cast<int>(column.align)] + "|";
    }
    EXPECT_EQ(layout,
              "Command 110L|File 110L|Option 70L|Directory 70L|Comment 90L|Type 100L|Priority 50R|HotKey 70L|"
              "AllItemBoot 30C|TaskSwitch 30C|ExtensionBoot 30C|");
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
    std::string row;
    for (std::size_t column = 0; column < kCommandListColumnCount; ++column) {
        row += commandListCell(full, column) + "|";
    }
    EXPECT_EQ(row, "エディタ|C:\\e.exe|-n|C:\\|text|Data Item|-3|Alt + Ctrl+A|○||○|");
    EXPECT_EQ(hotkeyCellText(0x72, 0x41), "F3キーのみ");
    EXPECT_EQ(hotkeyCellText(0x72, 0) + hotkeyCellText(0, 0x41), "");
    const auto store = data::test::defaultStore();
    CommandListCounts counts;
    for (const LauncherItem* item : store->items()) {
        counts.count(item->type());
    }
    EXPECT_EQ(counts.texts(), (std::array<std::string, 4>{"command:9 ", "root:1 ", "node:0 ", "item:8 "}));
}

TEST(CommandList, RowsCompareByTheSortedColumnsCell) {
    auto item = [](std::string name, std::int32_t priority, std::int32_t tsk = 0, std::int32_t hotKey1 = 0) {
        ItemFields fields = data::test::item(ItemType::DataItem, std::move(name), priority);
        std::tie(fields.tsk, fields.hotKey1, fields.hotKey2) = std::tuple(tsk, hotKey1, 0x41);
        return LauncherItem(std::move(fields));
    };
    const struct {
        LauncherItem a, b;
        std::size_t column;
        int ascending;
    } cases[] = {
        {item("9", 9), item("10", 10), 6, -1},           // priorities as numbers
        {item("a", 5), item("b", 5), 6, 0},              // equal priorities tie
        {item("9", 9), item("10", 10), 0, 1},            // names as bytes: "10" first
        {item("a", 0, 1), item("b", 0, 0), 9, 0},        // the flag columns have no order
        {item("a", 0, 0, 2), item("b", 0, 0, 1), 7, 1},  // "Ctrl+A" after "Alt+A"
    };
    for (const auto& each : cases) {
        EXPECT_EQ(compareCommandListRows(each.a, each.b, each.column, false), each.ascending)
            << each.a.name() << " " << each.b.name() << " column " << each.column;
        EXPECT_EQ(compareCommandListRows(each.a, each.b, each.column, true), -each.ascending);
    }
}

TEST(ItemFormTest, TrimsBlanksAndFullWidthSpacesButNoTrailByte) {
    const struct {
        std::string_view typed, stored;
    } cases[] = {
        {"\x81\x40 \tnotepad\t \x81\x40", "notepad"},
        {"note pad\r\n", "note pad"},
        {"\r\nname", "\r\nname"},          // CR and LF go only at the end
        {"\x83\x81\x40", "\x83\x81\x40"},  // "メ@": backwards, its last bytes are a full-width space
        {std::string_view("  ", 1), ""},   // the blank after the view is not its own
    };
    for (const auto& each : cases) {
        EXPECT_EQ(trimField(each.typed), each.stored) << each.typed;
    }
}

TEST(ItemFormTest, DroppedFileFillsNameProgramAndFolder) {
    const DroppedFileFields tool = droppedFileFields("D:\\Tools\\MyApp.EXE");
    EXPECT_EQ(std::tie(tool.name, tool.app, tool.dir),
              std::tie("myapp", "D:\\Tools\\MyApp.EXE", "D:\\Tools\\"));
    EXPECT_EQ(droppedNodeName("D:\\Tools\\MyApp.EXE"), "MyApp");
}

// What the boxes' pairs are is the basic settings form's test below.
TEST(ItemFormTest, OnlyAModifierEnablesTheSecondBoxAndOkRegistersOnlyAChangedPair) {
    for (const std::string_view first : {"F5キーのみ", "使用しない", "ランチャーボタン1"}) {
        EXPECT_FALSE(secondHotkeyBoxEnabled(first)) << first;
    }
    EXPECT_TRUE(secondHotkeyBoxEnabled("Ctrl"));
    using Pair = app::HotkeyPair;
    const struct {
        std::optional<Pair> source;
        Pair chosen;
        bool registerNew, releaseOld;
    } cases[] = {
        {std::nullopt, {2, 'N'}, true, false},
        {Pair{2, 'N'}, {2, 'N'}, false, false},
        {Pair{2, 'N'}, {3, 'N'}, true, true},
        {Pair{2, 'N'}, {2, 'M'}, true, true},
        {Pair{0, 0}, {3, 'N'}, true, false},
        {Pair{2, 'N'}, {0, 0}, false, true},
        // The form reads a lone key as (key, 1); the file may hold another second part.
        {Pair{0x74, 0x41}, {0x74, 1}, false, false},
    };
    for (const auto& each : cases) {
        const HotkeyChange change = planHotkeyChange(each.source, each.chosen);
        EXPECT_EQ(std::pair(change.registerNew, change.releaseOld),
                  std::pair(each.registerNew, each.releaseOld));
    }
    EXPECT_EQ(hotkeyTakenMessage({2, 'N'}), "Ctrl + Nのホットキーはすでに使用されています。");
    EXPECT_EQ(hotkeyTakenMessage({0x74, 1}), "F5キーのみ のホットキーはすでに使用されています。");
}

TEST(ItemFormTest, OkKeepsOnlyTheFieldsOfTheChosenMode) {
    ItemFormValues form{.name = " tools\x81\x40",
                        .app = "a.exe",
                        .option = " -x \r\n",
                        .dir = "C:\\",
                        .priority = 40,
                        .hotkey = {2, 'T'}};
    ItemFields node{
        .type = ItemType::NodeItem, .name = "tools", .priority = 40, .hotKey1 = 2, .hotKey2 = 'T'};
    ItemFields item = node;
    item.type = ItemType::DataItem;
    std::tie(item.app, item.option, item.dir) = std::tuple("a.exe", "-x", "C:\\");
    for (const bool checked : {true, false}) {
        form.boot = form.tsk = form.extension = checked;
        node.boot = item.tsk = item.extension = checked ? 1 : 0;
        form.nodeMode = true;
        EXPECT_EQ(itemFromForm(form), node) << checked;
        form.nodeMode = false;
        EXPECT_EQ(itemFromForm(form), item) << checked;
    }
    form.name = "\x81\x40\t";
    EXPECT_FALSE(itemFromForm(form));
    EXPECT_FALSE(rootNodeFromForm(" ", "x.ico", 5));
    EXPECT_EQ(rootNodeFromForm(" root ", " x.ico", 5),
              (ItemFields{.type = ItemType::RootItem, .name = "root", .icon = "x.ico", .priority = 5}));
}

TEST(ListSort, ClicksTurnTheSortedColumnAndEachColumnKeepsItsDirection) {
    ListSortState state(3);
    // The third column sorts but, past the marked ones, never shows a marker.
    const auto captions = [&] {
        return state.caption(0, "Extension", 2) + "|" + state.caption(1, "Path", 2) + "|" +
               state.caption(2, "TaskSwitch", 2);
    };
    EXPECT_EQ(captions(), "▲ Extension|Path|TaskSwitch");
    state.click(1);
    EXPECT_EQ(captions(), "Extension|▲ Path|TaskSwitch");
    state.click(1);
    EXPECT_EQ(captions(), "Extension|▼ Path|TaskSwitch");
    state.click(2);
    EXPECT_EQ(captions(), "Extension|Path|TaskSwitch");
    state.click(2);
    state.click(1);  // back to its remembered direction
    state.click(3);  // no such column: nothing changes
    EXPECT_EQ(captions(), "Extension|▼ Path|TaskSwitch");
}

TEST(ListSort, CellsCompareAsUnsignedBytesOrAsLeadingNumbers) {
    const struct {
        std::string_view a, b;
        int bytes, numbers;
    } cases[] = {
        {"10", "9", -1, 1},      {"9", "9", 0, 0},       {"-3", "2", -1, -1},
        {"12abc", "12", 1, 0},   {"12", "12abc", -1, 0}, {"TXT", "txt", -1, 0},  // capitals first, no folding
        {"\x82\xa0", "z", 1, 0},  // a Shift-JIS lead byte after ASCII
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(std::string(each.a) + " " + std::string(each.b));
        EXPECT_EQ(compareCellBytes(each.a, each.b, false), each.bytes);
        EXPECT_EQ(compareCellBytes(each.a, each.b, true), -each.bytes);
        EXPECT_EQ(compareCellNumbers(each.a, each.b, false), each.numbers);
        EXPECT_EQ(compareCellNumbers(each.a, each.b, true), -each.numbers);
    }
}

TEST(BasicSettingsForm, PairsAreStoredAsTheBoxesReadAndTheSpecificTaskKeyIsKept) {
    BasicSettingsForm form{.pairs = {HotkeyBoxTexts{"CapsLockキーのみ", "S"}, HotkeyBoxTexts{"Ctrl", "Space"},
                                     HotkeyBoxTexts{"使用しない", "S"}},
                           .cpu = 1,
                           .transparent = 50,
                           .textMenus = true};
    // The three pairs (launcher, task menu, specific task), then cpu, transparency and menu
    // type. The specific-task pair not used keeps the key of its second box.
    EXPECT_EQ(basicSettingsFromForm(form), (data::BasicSettings{0xF0, 1, 2, 0x20, 0, 'S', 1, 50, 1}));
    // A launcher pair not used is stored as 0 and 0, whatever its second box shows.
    form.pairs[0] = {"使用しない", "S"};
    form.pairs[2] = {"Alt", "T"};
    form.textMenus = false;
    EXPECT_EQ(basicSettingsFromForm(form), (data::BasicSettings{0, 0, 2, 0x20, 1, 'T', 1, 50, 0}));
}

TEST(AssociationForm, OkAddsChangesOrRefusesAsTheSettingsAllow) {
    test::ProfileDouble profile;
    data::LauncherSettings settings(profile, "");
    using enum AssociationEditOutcome;
    const struct {
        bool changing;
        std::string_view ext, app;
        AssociationEditOutcome outcome;
    } steps[] = {
        {false, " TXT\t", "  C:\\e.exe\r\n", Done},
        {false, "TXT", "C:\\g.exe", DuplicateExtension},
        {false, "doc", "", Incomplete},
        {true, "TXT", "C:\\h.exe", Done},
        {true, "none", "C:\\h.exe", Refused},
    };
    for (const auto& step : steps) {
        EXPECT_EQ(applyAssociationEdit(settings, step.changing, step.ext, step.app, " -o"), step.outcome)
            << step.ext;
    }
    ASSERT_EQ(settings.associationCount(), 1u);
    EXPECT_EQ(settings.associations()[0], (data::Association{"TXT", "C:\\h.exe", " -o"}));
    EXPECT_EQ(duplicateExtensionMessage("TXT"), "TXTの拡張子はすでに設定されています。");
}

TEST(TreeRulesTest, EachKindOfRowOffersWhatItAllows) {
    const struct {
        ItemType type;
        bool menu, add, edit, remove;
        EditForm form;
    } rows[] = {
        {ItemType::DefaultRootNode, true, true, false, false, EditForm::None},
        {ItemType::RootItem, true, true, true, true, EditForm::RootNode},
        {ItemType::NodeItem, true, true, true, true, EditForm::Item},
        {ItemType::DataItem, true, false, true, true, EditForm::Item},
        {ItemType::CommandItem, false, false, false, false, EditForm::None},
        {static_cast<ItemType>(9), false, false, false, false, EditForm::None},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(static_cast<int>(row.type));
        const auto states = contextMenuStates(row.type);
        EXPECT_EQ(states.has_value(), row.menu);
        const ContextMenuStates offered = states.value_or(ContextMenuStates{});
        EXPECT_EQ(std::tuple(offered.add, offered.edit, offered.remove),
                  std::tuple(row.add, row.edit, row.remove));
        EXPECT_EQ(std::tuple(canDelete(row.type), takesChildren(row.type), editFormFor(row.type)),
                  std::tuple(row.remove, row.add, row.form));
    }
}

TEST(TreeRulesTest, DropsLandOnANodeOrBesideALeaf) {
    const struct {
        ItemType target;
        std::optional<ItemType> parent;
        DropParent lands;
    } cases[] = {
        {ItemType::NodeItem, ItemType::RootItem, DropParent::Target},
        {ItemType::DataItem, ItemType::NodeItem, DropParent::TargetsParent},
        {ItemType::DefaultCommand, ItemType::DefaultRootNode, DropParent::TargetsParent},
        {ItemType::CommandItem, ItemType::RootItem, DropParent::TargetsParent},
        {ItemType::DataItem, ItemType::DataItem, DropParent::None},  // a hand-edited file's child of an item
        {ItemType::DataItem, std::nullopt, DropParent::None},        // a data item at the top level
        {ItemType::AllItemRoot, ItemType::RootItem, DropParent::None},  // neither a node nor a leaf
    };
    for (const auto& each : cases) {
        EXPECT_EQ(dropParentFor(each.target, each.parent), each.lands) << static_cast<int>(each.target);
    }
}

}  // namespace
}  // namespace zek::dialogs
