#include "core/menus/launcher_menu_content.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "core/menus/menu_char.h"
#include "core/menus/owner_draw.h"
#include "data/item_test_support.h"

namespace zek::menus {
namespace {

using data::ItemType;
using data::LauncherItem;
using data::test::defaultStore;
using data::test::item;
using ::testing::ElementsAre;

// Hands out a fresh handle per load of a known path, and remembers which.
class CountingIcons : public IconSource {
  public:
    std::map<std::string, int, std::less<>> knownPaths;  // path -> base handle
    std::map<IconHandle, int> destroyed;                 // handle -> times
    std::map<IconHandle, std::string> loaded;            // handle -> path
    int loadCalls = 0;
    IconHandle loadSmallIcon(std::string_view path) override {
        ++loadCalls;
        const auto known = knownPaths.find(path);
        if (known == knownPaths.end()) {
            return 0;
        }
        const auto handle = static_cast<IconHandle>(known->second * 1000 + loadCalls);
        loaded[handle] = std::string(path);
        return handle;
    }
    void destroyIcon(IconHandle icon) override { ++destroyed[icon]; }
    // Every loaded handle, and nothing else, destroyed exactly once.
    void expectAllDestroyedOnce() const {
        std::map<IconHandle, int> once;
        for (const auto& [handle, path] : loaded) {
            once[handle] = 1;
        }
        EXPECT_EQ(destroyed, once);
    }
};

// node { A { A1, A2 }, B }
struct Tree {
    std::unique_ptr<data::ItemStore> store = defaultStore();
    LauncherItem* add(LauncherItem* parent, ItemType type, std::string name) {
        return store->addChild(parent, store->createItem(item(type, std::move(name))));
    }
    LauncherItem* node = add(store->root(), ItemType::RootItem, "node");
    LauncherItem* a = add(node, ItemType::NodeItem, "A");
    LauncherItem* a1 = add(a, ItemType::DataItem, "A1");
    LauncherItem* a2 = add(a, ItemType::DataItem, "A2");
    LauncherItem* b = add(node, ItemType::DataItem, "B");
};

// Every row, at any depth, has the entry of its id, standing for what it shows.
void expectRowsMatchEntries(const MenuRows& rows, const MenuEntryTable& table, const data::ItemStore& store) {
    for (const MenuRow& row : rows) {
        const MenuEntry* entry = table.entryFor(row.id);
        ASSERT_NE(entry, nullptr) << row.text;
        EXPECT_EQ(entry->index, row.id - 1);
        EXPECT_EQ(entry->text, row.text);
        if (entry->target.item != 0) {
            const LauncherItem* item = store.find({store.identity(), entry->target.item});
            ASSERT_NE(item, nullptr) << row.text;
            EXPECT_EQ(item->name(), row.text);
        }
        expectRowsMatchEntries(row.submenu, table, store);
    }
}

// One field of every row: ids, texts or styles.
template <typename Field>
std::vector<Field> column(const MenuRows& rows, Field MenuRow::*field) {
    std::vector<Field> values;
    for (const MenuRow& row : rows) {
        values.push_back(row.*field);
    }
    return values;
}
constexpr auto kId = &MenuRow::id;

TEST(NodeMenu, NumbersRowsBelowAChildBeforeTheChildAndEndsWithExit) {
    Tree tree;
    LauncherMenuContent menu;
    const MenuRows rows = menu.buildNodeMenu(tree.node, 0).value();
    ASSERT_THAT(column(rows, kId), ElementsAre(5, 6));  // node, "Exit"
    const MenuRow& top = rows[0];
    ASSERT_THAT(column(top.submenu, kId), ElementsAre(3, 4));             // A, B
    EXPECT_THAT(column(top.submenu[0].submenu, kId), ElementsAre(1, 2));  // A1, A2
    EXPECT_EQ(rows[1].text, "Exit");
    EXPECT_EQ(menu.table().entryCount(), 6);
    expectRowsMatchEntries(rows, menu.table(), *tree.store);
    EXPECT_EQ(menu.chosenTarget(2).item, tree.a2->id());
    EXPECT_EQ(menu.chosenTarget(4).item, tree.b->id());
    for (CommandId nothing : {0, 6, 7, -1, 1 << 30}) {
        EXPECT_TRUE(menu.chosenTarget(nothing).empty()) << nothing;
    }
}

TEST(NodeMenu, ShowsNothingForNoNodeAChildlessNodeOrAUsedObject) {
    Tree tree;
    CountingIcons icons;
    LauncherMenuContent forLeaf(&icons);
    EXPECT_FALSE(forLeaf.buildNodeMenu(tree.b, 0).has_value());
    EXPECT_FALSE(forLeaf.buildNodeMenu(nullptr, 0).has_value());
    EXPECT_EQ(forLeaf.table().entryCount(), 0);
    EXPECT_EQ(icons.loadCalls, 0);
    LauncherMenuContent used;
    ASSERT_TRUE(used.buildNodeMenu(tree.node, 0).has_value());
    EXPECT_FALSE(used.buildListMenu({}, 0).has_value());
    EXPECT_EQ(used.table().entryCount(), 6);  // untouched by the refused build
}

TEST(ListMenu, GivesEachItemItsSubtreeAndAnEmptyListOnlyExit) {
    Tree tree;
    LauncherMenuContent menu;
    std::vector<LauncherItem*> list{tree.b, nullptr, tree.a};
    const MenuRows rows = menu.buildListMenu(list, 0).value();
    // B = 1; A's children 2, 3, then A = 4; "Exit" = 5. A null entry is no row.
    EXPECT_THAT(column(rows, kId), ElementsAre(1, 4, 5));
    EXPECT_THAT(column(rows[1].submenu, kId), ElementsAre(2, 3));
    EXPECT_EQ(rows.back().text, "Exit");
    expectRowsMatchEntries(rows, menu.table(), *tree.store);
    EXPECT_EQ(menu.chosenTarget(1).item, tree.b->id());
    EXPECT_TRUE(menu.chosenTarget(5).empty());
    LauncherMenuContent empty;
    const MenuRows only = empty.buildListMenu({}, 0).value();
    EXPECT_THAT(column(only, &MenuRow::text), ElementsAre("Exit"));
    EXPECT_THAT(column(only, kId), ElementsAre(1));
}

TEST(ListMenu, MenuTypeZeroIsOwnerDrawnAndAnyOtherPlainTextThroughout) {
    Tree tree;
    std::vector<LauncherItem*> list{tree.node};
    for (const std::int32_t menuType : {0, 1, -1}) {
        LauncherMenuContent menu;
        const auto rows = menu.buildListMenu(list, menuType);
        const RowStyle expected = menuType == 0 ? RowStyle::OwnerDrawn : RowStyle::Text;
        EXPECT_EQ(rows->back().style, expected);                      // "Exit"
        EXPECT_EQ((*rows)[0].submenu[0].submenu[1].style, expected);  // A2
    }
}

TEST(RowIcons, IconFileFirstThenApplicationAndEachDestroyedOnce) {
    auto store = defaultStore();
    const auto add = [&](std::string icon, std::string app) {
        return store->addToRoot(store->createItem({.type = ItemType::DataItem,
                                                   .name = icon + app,
                                                   .app = std::move(app),
                                                   .icon = std::move(icon)}));
    };
    // Its own icon; an icon file that yields none (then the program's); neither
    // yields one; nothing to load.
    std::vector<LauncherItem*> list{add("c:\\own.ico", "c:\\app.exe"), add("c:\\gone.ico", "c:\\app.exe"),
                                    add("", "c:\\nothing.exe"), add("", "")};
    CountingIcons icons;
    icons.knownPaths = {{"c:\\own.ico", 1}, {"c:\\app.exe", 2}};
    {
        LauncherMenuContent menu(&icons);
        ASSERT_TRUE(menu.buildListMenu(list, 0).has_value());
        std::vector<std::string> paths;  // of rows 1 to 4 and "Exit"
        for (CommandId id = 1; id <= 5; ++id) {
            const IconHandle icon = menu.table().entryFor(id)->icon;
            paths.push_back(icon == 0 ? std::string("-") : icons.loaded.at(icon));
        }
        EXPECT_THAT(paths, ElementsAre("c:\\own.ico", "c:\\app.exe", "-", "-", "-"));
        EXPECT_EQ(icons.loadCalls, 4);  // empty paths are not loaded
        EXPECT_TRUE(icons.destroyed.empty());
    }
    icons.expectAllDestroyedOnce();
    EXPECT_EQ(icons.loaded.size(), 2u);
}

TEST(EntryTable, RefusesARowWithNeitherTextNorTargetWithoutLeakingItsIcon) {
    CountingIcons icons;
    icons.knownPaths = {{"x", 1}};
    {
        MenuEntryTable table(&icons);
        EXPECT_FALSE(table.addEntry("", icons.loadSmallIcon("x"), MenuTarget{}));
        EXPECT_EQ(table.entryCount(), 0);
        EXPECT_TRUE(table.addEntry("", icons.loadSmallIcon("x"), MenuTarget{.window = 7}));
        EXPECT_TRUE(table.addEntry("Exit", 0, MenuTarget{}));
        EXPECT_EQ(table.entryCount(), 2);
        EXPECT_EQ(table.entryFor(2)->index, 1);
        EXPECT_EQ(table.entryFor(3), nullptr);
        EXPECT_EQ(table.entryFor(0), nullptr);
    }
    icons.expectAllDestroyedOnce();
}

TEST(TaskMenu, RowIPointsAtEntryIAndExitComesLast) {
    CountingIcons icons;
    icons.knownPaths = {{"c:\\editor.exe", 3}};
    {
        const std::vector<ListedWindow> windows{
            {.window = 0x10, .title = "memo.txt - Editor", .programPath = "c:\\editor.exe"},
            {.window = 0x20, .title = "Other", .programPath = ""},  // no path: no icon looked up
        };
        LauncherMenuContent menu(&icons);
        const MenuRows rows = menu.buildTaskMenu(windows, 0).value();
        EXPECT_THAT(column(rows, kId), ElementsAre(1, 2, 3));
        EXPECT_THAT(column(rows, &MenuRow::itemData), ElementsAre(0, 1, 2));
        EXPECT_THAT(column(rows, &MenuRow::style), testing::Each(RowStyle::OwnerDrawn));
        EXPECT_EQ(rows[2].text, "Exit");
        EXPECT_NE(menu.table().entryFor(1)->icon, 0u);
        EXPECT_EQ(menu.table().entryFor(2)->icon, 0u);
        EXPECT_EQ(icons.loadCalls, 1);
        EXPECT_EQ(menu.chosenTarget(2).window, 0x20u);
        EXPECT_TRUE(menu.chosenTarget(3).empty());
        LauncherMenuContent text;
        EXPECT_EQ((*text.buildTaskMenu(windows, 1))[0].style, RowStyle::Text);
    }
    icons.expectAllDestroyedOnce();
    // No window, or only a row that is neither titled nor a window: no menu.
    EXPECT_FALSE(LauncherMenuContent().buildTaskMenu({}, 0).has_value());
    const std::vector<ListedWindow> blank{{.window = 0, .title = ""}};
    EXPECT_FALSE(LauncherMenuContent().buildTaskMenu(blank, 0).has_value());
}

TEST(SameAppMenu, ListsTwoOrMoreWindowsAsTextThenExit) {
    EXPECT_FALSE(buildSameAppMenu({}).has_value());
    const std::vector<ListedWindow> one{{.window = 5, .title = "only"}};
    EXPECT_FALSE(buildSameAppMenu(one).has_value());
    const std::vector<ListedWindow> two{{.window = 5, .title = "first"}, {.window = 9, .title = "second"}};
    const SameAppMenu menu = buildSameAppMenu(two).value();
    EXPECT_THAT(column(menu.rows, kId), ElementsAre(1, 2, 3));
    EXPECT_THAT(column(menu.rows, &MenuRow::text), ElementsAre("first", "second", "Exit"));
    EXPECT_THAT(column(menu.rows, &MenuRow::style), testing::Each(RowStyle::Text));
    EXPECT_EQ(menu.chosenWindow(1), 5u);
    EXPECT_EQ(menu.chosenWindow(2), 9u);
    for (CommandId nothing : {0, 3, 4, -2}) {
        EXPECT_EQ(menu.chosenWindow(nothing), 0u) << nothing;
    }
}

// Both window menus stop at the window table and cut titles to their buffers on a
// whole character: "表" and "ソ" end in 0x5C, and a lead byte left at the end would
// make the title's next character swallow a backslash.
TEST(WindowMenus, StopAtTheTableAndCutTitlesOnAWholeCharacter) {
    EXPECT_EQ(titleInBuffer(std::string(600, 'x'), kTaskMenuTitleBytes), std::string(511, 'x'));
    EXPECT_EQ(titleInBuffer(std::string_view("ab\0cd", 5), kTaskMenuTitleBytes), "ab");
    EXPECT_EQ(titleInBuffer("abc", 0), "");
    std::string wide;
    for (int i = 0; i < 700; ++i) {
        wide += i % 2 == 0 ? "表" : "ソ";
    }
    std::vector<ListedWindow> windows;
    for (std::size_t i = 0; i < kWindowTableSize + 5; ++i) {
        windows.push_back(ListedWindow{.window = 0x100 + i, .title = wide});
    }
    LauncherMenuContent menu;
    const MenuRows rows = menu.buildTaskMenu(windows, 0).value();
    ASSERT_EQ(rows.size(), kWindowTableSize + 1);
    EXPECT_EQ(rows[0].text, wide.substr(0, 510));
    EXPECT_EQ(rows.back().id, static_cast<CommandId>(kWindowTableSize + 1));
    EXPECT_EQ(menu.chosenTarget(static_cast<CommandId>(kWindowTableSize)).window,
              windows[kWindowTableSize - 1].window);
    const SameAppMenu sameApp = buildSameAppMenu(windows).value();
    EXPECT_EQ(sameApp.rows.size(), kWindowTableSize + 1);
    EXPECT_EQ(sameApp.rows[0].text, wide.substr(0, 1022));  // 1023 bytes would halve a character
}

// A submenu whose rows are the entries 1..n of the table, in that order.
struct Submenu {
    MenuEntryTable table;
    std::vector<MenuRowState> rows;
    explicit Submenu(const std::vector<std::string_view>& texts) {
        for (std::string_view text : texts) {
            table.addEntry(text, 0, MenuTarget{.window = 1});
            rows.push_back({0, table.entryCount()});
        }
    }
    int press(std::uint32_t character) const { return findMenuChar(character, rows, table); }
};

TEST(FindMenuChar, FindsTheNextRowBelowTheHighlightWhoseFirstCharacterMatches) {
    const std::vector<std::string_view> ab{"Alpha", "beta", "Bravo", "Beta"};
    const std::vector<std::string_view> mnemonics{"R&D", "&Quit"};
    const std::vector<std::string_view> wide{"表示", "Ｂｅｔａ", "beta", "\x95"};
    const struct {
        const std::vector<std::string_view>& texts;
        int highlighted;  // -1: none, search from the top
        std::uint32_t key;
        int found;
    } cases[] = {
        {ab, 3, 'b', 1},  // nothing below Beta: wraps to the top
        {ab, 1, 'b', 2},  // Bravo: ASCII case does not matter
        {ab, 2, 'B', 3},
        {ab, 2, 'a', 0},
        {ab, 2, 'z', -1},
        {ab, -1, 'b', 1},
        {ab, 0, 'a', 0},  // the highlighted row itself is found again when it is the only match
        // Text menus leave a mnemonic letter to the system; every other first letter is ours.
        {mnemonics, -1, 'r', 0},
        {mnemonics, -1, 'q', -1},
        {wide, -1, 0x955C, 0},  // "表"
        {wide, -1, 0x8282, 1},  // "ｂ" finds "Ｂ": full-width letters fold too
        {wide, -1, 0x8261, 1},  // "Ｂ"
        {wide, -1, 'b', 2},     // an ASCII b is not a full-width one
        {wide, -1, 0x95, 0},    // a single-byte key compares with the first byte, whatever follows it
        {wide, 0, 0x95, 3},     // a lone lead byte at the end of a text is a character of its own
        {wide, 0, 0x955D, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.texts[0] << " " << c.highlighted << " " << c.key);
        Submenu menu(c.texts);
        if (c.highlighted >= 0) {
            menu.rows[c.highlighted].state = kMenuStateHilite;
        }
        EXPECT_EQ(menu.press(c.key), c.found);
    }
}

TEST(FindMenuChar, PassesOverRowsWithoutEntryOrTextAndCheckedHighlights) {
    Submenu menu({"Alpha", "beta", "Bravo"});
    // Only a state of exactly MFS_HILITE marks the current row: a highlighted row
    // that is also checked (MFS_CHECKED 0x08) does not.
    menu.rows[1].state = kMenuStateHilite | 0x08;
    EXPECT_EQ(menu.press('b'), 1);
    Submenu blank({"", "bx"});
    // A row of a plain window menu (no entry in this table) and one with id 0.
    blank.rows.insert(blank.rows.begin(), MenuRowState{0, 0});
    blank.rows.insert(blank.rows.begin(), MenuRowState{0, 99});
    EXPECT_EQ(blank.press('b'), 3);
    EXPECT_EQ(findMenuChar('b', {}, blank.table), -1);
    EXPECT_EQ(blank.press(0), -1);  // a NUL key never matches the end of an empty text
}

// The strip is 85 % of each channel, the selection fill the highlight 55 % of the
// way to white, both truncated like the scaled floating-point values.
TEST(MenuColours, AreScaledPerChannelAndTruncated) {
    EXPECT_EQ(stripColour(makeColour(255, 100, 1)), makeColour(216, 85, 0));
    EXPECT_EQ(stripColour(makeColour(240, 20, 7)), makeColour(204, 17, 5));
    EXPECT_EQ(selectionFillColour(makeColour(0, 120, 215)), makeColour(140, 194, 237));
    EXPECT_EQ(selectionFillColour(makeColour(255, 1, 100)), makeColour(255, 140, 185));
    EXPECT_EQ(stripColour(0xFF000000u | makeColour(10, 20, 30)), makeColour(8, 17, 25));  // high byte ignored
}

// A table of two rows, "Notepad" with an icon and "Exit".
struct TwoRows {
    MenuEntryTable table;
    TwoRows() {
        table.addEntry("Notepad", 0x77, MenuTarget{.window = 1});
        table.addEntry("Exit", 0, MenuTarget{});
    }
};

TEST(MeasureEntry, AddsRoomForStripAndMarginsAndExitIsThreeTaller) {
    TwoRows menu;
    std::string measured;
    const TextExtent extent = [&](std::string_view text) {
        measured = text;
        return Size{static_cast<int>(text.size()) * 6, 13};
    };
    const auto row = measureEntry(menu.table, 1, extent).value();
    EXPECT_EQ(measured, "Notepad");
    EXPECT_EQ(std::pair(row.cx, row.cy), std::pair(7 * 6 + 34, 13 + 8));
    const auto exit = measureEntry(menu.table, 2, extent).value();
    EXPECT_EQ(std::pair(exit.cx, exit.cy), std::pair(4 * 6 + 34, row.cy + 3));
    EXPECT_FALSE(measureEntry(menu.table, 3, extent).has_value());
    EXPECT_FALSE(measureEntry(menu.table, 0, extent).has_value());
    EXPECT_FALSE(measureEntry(menu.table, 1, TextExtent{}).has_value());
}

constexpr MenuColours kColours{
    .menu = makeColour(240, 240, 240), .highlight = makeColour(0, 120, 215), .menuText = makeColour(1, 2, 3)};
constexpr Colour kStrip = makeColour(204, 204, 204);
constexpr Colour kFill = makeColour(140, 194, 237);

std::tuple<IconHandle, int, int, int> iconOf(const EntryPaint& paint) {
    return {paint.icon.value().icon, paint.icon->x, paint.icon->y, paint.icon->size};
}
std::tuple<std::string_view, int, int, Colour> textOf(const EntryPaint& paint) {
    return {paint.text.text, paint.text.x, paint.text.y, paint.text.colour};
}

TEST(DrawEntry, RowHasStripBackgroundIconAndTextAndWhenSelectedFillAndFrame) {
    TwoRows menu;
    const auto paint = drawEntry(menu.table, 1, Rect{3, 40, 180, 61}, false, kColours).value();
    EXPECT_EQ(paint.strip, (ColouredRect{{0, 40, 20, 61}, kStrip}));  // from 0, not from the row's left
    EXPECT_EQ(paint.background, (ColouredRect{{20, 40, 180, 61}, kColours.menu}));
    EXPECT_FALSE(paint.frame.has_value());
    EXPECT_FALSE(paint.separator.has_value());
    EXPECT_EQ(iconOf(paint), std::tuple(0x77u, 5, 42, 16));
    EXPECT_EQ(textOf(paint), std::tuple("Notepad", 29, 44, kColours.menuText));
    // Selected: filled and framed, the icon one pixel up and left.
    const auto chosen = drawEntry(menu.table, 1, Rect{0, 40, 180, 61}, true, kColours).value();
    EXPECT_EQ(chosen.strip, (ColouredRect{{0, 40, 20, 61}, kStrip}));
    EXPECT_EQ(chosen.background, (ColouredRect{{0, 40, 180, 61}, kFill}));
    EXPECT_EQ(chosen.frame, (ColouredRect{{0, 40, 180, 61}, kColours.highlight}));
    EXPECT_EQ(iconOf(chosen), std::tuple(0x77u, 1, 41, 16));
    EXPECT_EQ(textOf(chosen), std::tuple("Notepad", 26, 44, kColours.menuText));
}

TEST(DrawEntry, ExitRowCarriesTheSeparatorAndLowerText) {
    TwoRows menu;
    const auto plain = drawEntry(menu.table, 2, Rect{0, 61, 180, 85}, false, kColours);
    ASSERT_TRUE(plain.has_value());
    EXPECT_EQ(plain->separator, (ColouredRect{{24, 62, 180, 63}, kStrip}));
    EXPECT_EQ(plain->background, (ColouredRect{{20, 61, 180, 85}, kColours.menu}));
    EXPECT_FALSE(plain->icon.has_value());
    EXPECT_EQ(textOf(*plain), std::tuple("Exit", 26, 68, kColours.menuText));
    const auto selected = drawEntry(menu.table, 2, Rect{2, 61, 180, 85}, true, kColours);
    ASSERT_TRUE(selected.has_value());
    EXPECT_EQ(selected->separator, (ColouredRect{{24, 62, 180, 63}, kStrip}));
    // The fill leaves the separator line above it visible.
    EXPECT_EQ(selected->background, (ColouredRect{{2, 64, 180, 85}, kFill}));
    EXPECT_EQ(selected->frame, (ColouredRect{{2, 64, 180, 85}, kColours.highlight}));
    EXPECT_EQ(textOf(*selected), std::tuple("Exit", 28, 68, kColours.menuText));
    EXPECT_FALSE(drawEntry(menu.table, 3, Rect{}, false, kColours).has_value());
    EXPECT_FALSE(drawEntry(menu.table, -1, Rect{}, true, kColours).has_value());
}

// At 144 DPI every figure of the layout is half again as large; the row's own
// rectangle comes from the system as it is.
TEST(DrawEntry, ScalesTheLayoutWithTheDpi) {
    TwoRows menu;
    const display::DpiScale scale(144);
    const auto row = measureEntry(
        menu.table, 2,
        [](std::string_view) {
            return Size{30, 20};
        },
        scale);
    EXPECT_EQ(std::pair(row->cx, row->cy), std::pair(30 + 51, 20 + 17));
    const auto paint = drawEntry(menu.table, 1, Rect{0, 40, 270, 72}, true, kColours, scale).value();
    EXPECT_EQ(paint.strip, (ColouredRect{{0, 40, 30, 72}, kStrip}));
    EXPECT_EQ(iconOf(paint), std::tuple(0x77u, 2, 42, 24));
    EXPECT_EQ(textOf(paint), std::tuple("Notepad", 39, 46, kColours.menuText));
    const auto exit = drawEntry(menu.table, 2, Rect{0, 72, 270, 108}, true, kColours, scale).value();
    EXPECT_EQ(exit.separator, (ColouredRect{{36, 74, 270, 75}, kStrip}));
    EXPECT_EQ(exit.background.rect, (Rect{0, 77, 270, 108}));
    EXPECT_EQ(exit.text.y, 72 + 11);
}

}  // namespace
}  // namespace zek::menus
