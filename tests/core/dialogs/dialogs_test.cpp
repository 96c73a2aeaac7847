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
    EXPECT_EQ(hotkeyCellText(0x72, 0x41), "F3キーのみ");
    EXPECT_EQ(hotkeyCellText(0x72, 0), "");
    EXPECT_EQ(hotkeyCellText(0, 0x41), "");
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
        {item("a", 5), item("b", 5), 6, 0},              // equal priorities tie
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

TEST(ItemFormTest, TrimsBlanksAndFullWidthSpacesButNoTrailByte) {
    const struct {
        std::string_view typed, stored;
    } cases[] = {
        {"\x81\x40 \tnotepad\t \x81\x40", "notepad"},
        {"note pad\r\n", "note pad"},
        {"\r\nname", "\r\nname"},          // CR and LF go only at the end
        {"\x83\x40", "\x83\x40"},          // "ァ": its trail byte 0x40 is no space
        {"\x95\x5c\x81\x40", "\x95\x5c"},  // "表" then a full-width space
        {std::string_view("  ", 1), ""},   // the blank after the view is not its own
    };
    for (const auto& each : cases) {
        EXPECT_EQ(trimField(each.typed), each.stored) << each.typed;
    }
}

TEST(ItemFormTest, DroppedFileFillsNameProgramAndFolder) {
    const DroppedFileFields tool = droppedFileFields("D:\\Tools\\MyApp.EXE");
    EXPECT_EQ(tool.name, "myapp");
    EXPECT_EQ(tool.app, "D:\\Tools\\MyApp.EXE");
    EXPECT_EQ(tool.dir, "D:\\Tools\\");
    // "表A\ソフトＡ.exe": the trail byte 0x5C of 表 and ソ is no separator, a trail
    // byte 'A' (0x41 after 0x83) and the full-width Ａ keep their case.
    const DroppedFileFields japanese = droppedFileFields(
        "C:\\\x95\x5c"
        "A\\\x83\x5c\x83\x41\x82\x60.exe");
    EXPECT_EQ(japanese.name, "\x83\x5c\x83\x41\x82\x60");
    EXPECT_EQ(japanese.dir,
              "C:\\\x95\x5c"
              "A\\");
    EXPECT_EQ(droppedNodeName("D:\\Tools\\MyApp.EXE"), "MyApp");
}

TEST(ItemFormTest, HotkeyBoxesGiveThePair) {
    const struct {
        std::string_view first, second;
        bool secondEnabled;
        app::HotkeyPair pair;
    } cases[] = {
        {"F5キーのみ", "A", false, {0x74, 1}},
        {"使用しない", "A", false, {0, 0}},
        {"ランチャーボタン1", "", false, {0xB6, 1}},
        {"Ctrl", "Space", true, {2, 0x20}},
    };
    for (const auto& each : cases) {
        EXPECT_EQ(secondHotkeyBoxEnabled(each.first), each.secondEnabled) << each.first;
        const app::HotkeyPair pair = hotkeyPairFromBoxes(each.first, each.second);
        EXPECT_EQ(std::pair(pair.first, pair.second), std::pair(each.pair.first, each.pair.second))
            << each.first;
    }
}

TEST(ItemFormTest, OkRegistersOnlyAChangedPairAndReleasesTheOldOne) {
    using Pair = app::HotkeyPair;
    const struct {
        std::optional<Pair> source;
        Pair chosen;
        bool registerNew, releaseOld;
    } cases[] = {
        {std::nullopt, {2, 'N'}, true, false},
        {std::nullopt, {0, 0}, false, false},
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
    ItemFormValues form{.nodeMode = true,
                        .name = " tools\x81\x40",
                        .app = "a.exe",
                        .option = "-x",
                        .dir = "C:\\",
                        .boot = true,
                        .tsk = true,
                        .extension = true,
                        .priority = 40,
                        .hotkey = {2, 'T'}};
    const auto node = itemFromForm(form);
    ASSERT_TRUE(node);
    EXPECT_EQ(*node, (data::ItemFields{.type = data::ItemType::NodeItem,
                                       .name = "tools",
                                       .boot = 1,
                                       .priority = 40,
                                       .hotKey1 = 2,
                                       .hotKey2 = 'T'}));
    form.nodeMode = false;
    form.option = " -x \r\n";
    const auto item = itemFromForm(form);
    ASSERT_TRUE(item);
    EXPECT_EQ(*item, (data::ItemFields{.type = data::ItemType::DataItem,
                                       .name = "tools",
                                       .app = "a.exe",
                                       .option = "-x",
                                       .dir = "C:\\",
                                       .tsk = 1,
                                       .extension = 1,
                                       .priority = 40,
                                       .hotKey1 = 2,
                                       .hotKey2 = 'T'}));
    // Unchecked boxes store 0.
    form.boot = form.tsk = form.extension = false;
    EXPECT_EQ(itemFromForm(form)->tsk + itemFromForm(form)->extension, 0);
    form.nodeMode = true;
    EXPECT_EQ(itemFromForm(form)->boot, 0);
    form.name = "\x81\x40\t";
    EXPECT_FALSE(itemFromForm(form));
    EXPECT_FALSE(rootNodeFromForm(" ", "x.ico", 5));
    EXPECT_EQ(rootNodeFromForm(" root ", " x.ico", 5)->icon, "x.ico");
}

TEST(ListSort, ClicksTurnTheSortedColumnAndEachColumnKeepsItsDirection) {
    ListSortState state(3);
    const auto captions = [&] {
        return state.caption(0, "Extension", 3) + "|" + state.caption(1, "Application path", 3) + "|" +
               state.caption(2, "Option", 3);
    };
    EXPECT_EQ(captions(), "▲ Extension|Application path|Option");
    state.click(1);
    EXPECT_EQ(captions(), "Extension|▲ Application path|Option");
    state.click(1);
    EXPECT_EQ(captions(), "Extension|▼ Application path|Option");
    EXPECT_TRUE(state.descending());
    state.click(2);
    state.click(2);
    state.click(1);  // back to its remembered direction
    EXPECT_EQ(captions(), "Extension|▼ Application path|Option");
    state.click(3);  // no such column: nothing changes
    EXPECT_EQ(state.column(), 1u);
    // Columns past the marked ones sort but never show a marker.
    state.click(2);
    EXPECT_EQ(state.caption(2, "TaskSwitch", 2), "TaskSwitch");
}

TEST(ListSort, CellsCompareAsUnsignedBytesOrAsLeadingNumbers) {
    struct Case {
        const char* a;
        const char* b;
        int bytes;
        int numbers;
    };
    const Case cases[] = {
        {"10", "9", -1, 1},      {"9", "9", 0, 0},      {"TXT", "txt", -1, 0},  // capitals first, no folding
        {"ab", "a", 1, 0},                                                      // a prefix first
        {"\x82\xa0", "z", 1, 0},  // a Shift-JIS lead byte after ASCII
        {"-3", "2", -1, -1},     {"12abc", "12", 1, 0}, {"12", "12abc", -1, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(compareCellBytes(c.a, c.b, false), c.bytes) << c.a << " " << c.b;
        EXPECT_EQ(compareCellBytes(c.a, c.b, true), -c.bytes) << c.a << " " << c.b;
        EXPECT_EQ(compareCellNumbers(c.a, c.b, false), c.numbers) << c.a << " " << c.b;
        EXPECT_EQ(compareCellNumbers(c.a, c.b, true), -c.numbers) << c.a << " " << c.b;
    }
}

TEST(BasicSettingsForm, PairsAreStoredAsTheBoxesReadAndTheSpecificTaskKeyIsKept) {
    const BasicSettingsForm form{
        .pairs = {HotkeyBoxTexts{"CapsLockキーのみ", "S"}, HotkeyBoxTexts{"Ctrl", "Space"},
                  HotkeyBoxTexts{"使用しない", "S"}},
        .cpu = 1,
        .transparent = 50,
        .textMenus = true,
    };
    EXPECT_EQ(basicSettingsFromForm(form), (data::BasicSettings{.launcherKey1 = 0xF0,
                                                                .launcherKey2 = 1,
                                                                .taskKey1 = 2,
                                                                .taskKey2 = 0x20,
                                                                .sameAppKey1 = 0,
                                                                .sameAppKey2 = 0x53,
                                                                .cpu = 1,
                                                                .transparent = 50,
                                                                .menuType = 1}));
    // A launcher pair not used is stored as 0 and 0, whatever its second box shows.
    BasicSettingsForm off = form;
    off.pairs[0] = {"使用しない", "S"};
    off.pairs[2] = {"Alt", "T"};
    off.textMenus = false;
    const data::BasicSettings stored = basicSettingsFromForm(off);
    EXPECT_EQ(std::pair(stored.launcherKey1, stored.launcherKey2), std::pair(0, 0));
    EXPECT_EQ(std::pair(stored.sameAppKey1, stored.sameAppKey2), std::pair(1, std::int32_t{'T'}));
    EXPECT_EQ(stored.menuType, 0);
    EXPECT_EQ(hotkeyPairsOf(stored)[1].second, 0x20);
}

TEST(AssociationForm, OkAddsChangesOrRefusesAsTheSettingsAllow) {
    test::ProfileDouble profile;
    data::LauncherSettings settings(profile, "");
    using enum AssociationEditOutcome;
    struct Step {
        bool changing;
        const char* ext;
        const char* app;
        AssociationEditOutcome outcome;
    };
    const Step steps[] = {
        {false, " TXT\t", "  C:\\e.exe\r\n", Done},
        {false, "TXT", "C:\\g.exe", DuplicateExtension},
        {false, "\x81\x40", "C:\\g.exe", Incomplete},  // a full-width space only
        {false, "doc", "", Incomplete},
        {true, "TXT", "C:\\h.exe", Done},
        {true, "none", "C:\\h.exe", Refused},
    };
    for (const Step& step : steps) {
        EXPECT_EQ(applyAssociationEdit(settings, step.changing, step.ext, step.app, " -o"), step.outcome)
            << step.ext;
    }
    ASSERT_EQ(settings.associationCount(), 1u);
    EXPECT_EQ(settings.associations()[0], (data::Association{"TXT", "C:\\h.exe", " -o"}));
    EXPECT_EQ(duplicateExtensionMessage("TXT"), "TXTの拡張子はすでに設定されています。");
}

TEST(TreeRulesTest, EachKindOfRowOffersWhatItAllows) {
    struct Row {
        ItemType type;
        bool menu, add, edit, remove;
        EditForm form;
    };
    const Row rows[] = {
        {ItemType::DefaultRootNode, true, true, false, false, EditForm::None},
        {ItemType::RootItem, true, true, true, true, EditForm::RootNode},
        {ItemType::NodeItem, true, true, true, true, EditForm::Item},
        {ItemType::DataItem, true, false, true, true, EditForm::Item},
        {ItemType::CommandItem, false, false, false, false, EditForm::None},
        {ItemType::DefaultCommand, false, false, false, false, EditForm::None},
        {static_cast<ItemType>(9), false, false, false, false, EditForm::None},
    };
    for (const Row& row : rows) {
        const auto states = contextMenuStates(row.type);
        ASSERT_EQ(states.has_value(), row.menu) << static_cast<int>(row.type);
        if (states) {
            EXPECT_EQ(states->add, row.add);
            EXPECT_EQ(states->edit, row.edit);
            EXPECT_EQ(states->remove, row.remove);
        }
        EXPECT_EQ(canDelete(row.type), row.remove);
        EXPECT_EQ(takesChildren(row.type), row.add);
        EXPECT_EQ(editFormFor(row.type), row.form);
    }
}

TEST(TreeRulesTest, DropsLandOnANodeOrBesideALeaf) {
    const struct {
        ItemType target;
        std::optional<ItemType> parent;
        DropParent lands;
    } cases[] = {
        {ItemType::NodeItem, ItemType::RootItem, DropParent::Target},
        {ItemType::DefaultRootNode, std::nullopt, DropParent::Target},
        {ItemType::DataItem, ItemType::NodeItem, DropParent::TargetsParent},
        {ItemType::DefaultCommand, ItemType::DefaultRootNode, DropParent::TargetsParent},
        {ItemType::CommandItem, ItemType::RootItem, DropParent::TargetsParent},
        {ItemType::DataItem, ItemType::DataItem, DropParent::None},  // a hand-edited file's child of an item
        {ItemType::DataItem, std::nullopt, DropParent::None},        // a data item at the top level
        {ItemType::AllItemRoot, std::nullopt, DropParent::None},
    };
    for (const auto& each : cases) {
        EXPECT_EQ(dropParentFor(each.target, each.parent), each.lands) << static_cast<int>(each.target);
    }
}

}  // namespace
}  // namespace zek::dialogs
