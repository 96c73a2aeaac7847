#include "core/menus/launcher_menu_content.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
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

// Hands out a fresh handle per load of a known path; each has to come back exactly once.
class CountingIcons : public IconSource {
  public:
    std::map<std::string, int, std::less<>> knownPaths;  // path -> base handle
    std::map<IconHandle, std::string> live;              // loaded and not destroyed: handle -> path
    int loadCalls = 0;
    IconHandle loadSmallIcon(std::string_view path) override {
        ++loadCalls;
        const auto known = knownPaths.find(path);
        if (known == knownPaths.end()) {
            return 0;
        }
        const auto handle = static_cast<IconHandle>(known->second * 1000 + loadCalls);
        live[handle] = std::string(path);
        return handle;
    }
    void destroyIcon(IconHandle icon) override { EXPECT_EQ(live.erase(icon), 1u) << "not live: " << icon; }
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

// Every row, at any depth, has the style and the entry of its id, standing for what it shows.
void expectRowsMatchEntries(const MenuRows& rows, const MenuEntryTable& table, const data::ItemStore& store,
                            RowStyle style) {
    for (const MenuRow& row : rows) {
        EXPECT_EQ(row.style, style) << row.text;
        const MenuEntry* entry = table.entryFor(row.id);
        ASSERT_NE(entry, nullptr) << row.text;
        EXPECT_EQ(entry->text, row.text);
        if (entry->target.item != 0) {
            const LauncherItem* item = store.find({store.identity(), entry->target.item});
            ASSERT_NE(item, nullptr) << row.text;
            EXPECT_EQ(item->name(), row.text);
        }
        expectRowsMatchEntries(row.submenu, table, store, style);
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

TEST(ItemMenus, NumberRowsBelowAChildBeforeTheChildAndEndWithExit) {
    Tree tree;
    LauncherMenuContent menu;
    const MenuRows rows = menu.buildNodeMenu(tree.node, 0).value();
    ASSERT_THAT(column(rows, kId), ElementsAre(5, 6));                        // node, "Exit"
    ASSERT_THAT(column(rows[0].submenu, kId), ElementsAre(3, 4));             // A, B
    EXPECT_THAT(column(rows[0].submenu[0].submenu, kId), ElementsAre(1, 2));  // A1, A2
    expectRowsMatchEntries(rows, menu.table(), *tree.store, RowStyle::OwnerDrawn);
    EXPECT_EQ(menu.chosenTarget(2).item, tree.a2->id());
    for (CommandId nothing : {0, 6, 7, -1}) {
        EXPECT_TRUE(menu.chosenTarget(nothing).empty()) << nothing;
    }
    // A used object refuses a second build and keeps its table.
    EXPECT_FALSE(menu.buildListMenu({}, 0).has_value());
    EXPECT_EQ(menu.table().entryCount(), 6);
    // No menu for a childless node or none.
    LauncherMenuContent forLeaf;
    EXPECT_FALSE(forLeaf.buildNodeMenu(tree.b, 0).has_value());
    EXPECT_FALSE(forLeaf.buildNodeMenu(nullptr, 0).has_value());

    // A list menu gives each item its subtree.
    LauncherMenuContent listMenu;
    std::vector<LauncherItem*> list{tree.b, nullptr, tree.a};
    const MenuRows listRows = listMenu.buildListMenu(list, -1).value();  // any type but 0 is plain text
    // B = 1; A's children 2, 3, then A = 4; "Exit" = 5. A null entry is no row.
    EXPECT_THAT(column(listRows, kId), ElementsAre(1, 4, 5));
    EXPECT_THAT(column(listRows[1].submenu, kId), ElementsAre(2, 3));
    expectRowsMatchEntries(listRows, listMenu.table(), *tree.store, RowStyle::Text);
    LauncherMenuContent empty;
    EXPECT_THAT(column(empty.buildListMenu({}, 0).value(), &MenuRow::text), ElementsAre("Exit"));
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
            paths.push_back(icon == 0 ? std::string("-") : icons.live.at(icon));
        }
        EXPECT_THAT(paths, ElementsAre("c:\\own.ico", "c:\\app.exe", "-", "-", "-"));
        EXPECT_EQ(icons.loadCalls, 4);     // empty paths are not loaded
        EXPECT_EQ(icons.live.size(), 2u);  // none destroyed while the menu lives
    }
    EXPECT_TRUE(icons.live.empty());
}

// A row needs a title or a window; the icon of a refused row is destroyed at once.
TEST(TaskMenu, RowIPointsAtEntryIAndExitComesLast) {
    CountingIcons icons;
    icons.knownPaths = {{"c:\\editor.exe", 3}};
    {
        const std::vector<ListedWindow> windows{
            {.window = 0x10, .title = "memo.txt - Editor", .programPath = "c:\\editor.exe"},
            {.window = 0x20, .title = "Other", .programPath = ""},  // no path: no icon looked up
            {.window = 0x30, .title = ""},
        };
        LauncherMenuContent menu(&icons);
        const MenuRows rows = menu.buildTaskMenu(windows, 0).value();
        EXPECT_THAT(column(rows, kId), ElementsAre(1, 2, 3, 4));
        EXPECT_THAT(column(rows, &MenuRow::itemData), ElementsAre(0, 1, 2, 3));
        EXPECT_THAT(column(rows, &MenuRow::style), testing::Each(RowStyle::OwnerDrawn));
        EXPECT_NE(menu.table().entryFor(1)->icon, 0u);
        EXPECT_EQ(icons.loadCalls, 1);
        EXPECT_EQ(menu.chosenTarget(3).window, 0x30u);
        // No window, or only a row that is neither titled nor a window: no menu.
        EXPECT_FALSE(LauncherMenuContent().buildTaskMenu({}, 0).has_value());
        const std::vector<ListedWindow> blank{{.window = 0, .title = "", .programPath = "c:\\editor.exe"}};
        EXPECT_FALSE(LauncherMenuContent(&icons).buildTaskMenu(blank, 0).has_value());
    }
    EXPECT_TRUE(icons.live.empty());
}

// Both window menus stop at the window table and cut titles to their buffers on a
// whole character: "表" and "ソ" end in 0x5C, and a lead byte left at the end would
// make the title's next character swallow a backslash.
TEST(WindowMenus, StopAtTheTableCutTitlesOnAWholeCharacterAndTheSameAppMenuNeedsTwo) {
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
    const SameAppMenu sameApp = buildSameAppMenu(windows).value();
    EXPECT_EQ(sameApp.rows.size(), kWindowTableSize + 1);
    EXPECT_EQ(sameApp.rows[0].text, wide.substr(0, 1022));  // 1023 bytes would halve a character
    // The same-application menu lists two or more windows as text, then "Exit".
    const std::vector<ListedWindow> one{{.window = 5, .title = "only"}};
    EXPECT_FALSE(buildSameAppMenu(one).has_value());
    const std::vector<ListedWindow> two{{.window = 5, .title = "first"}, {.window = 9, .title = "second"}};
    const SameAppMenu ofTwo = buildSameAppMenu(two).value();
    EXPECT_THAT(column(ofTwo.rows, kId), ElementsAre(1, 2, 3));
    EXPECT_THAT(column(ofTwo.rows, &MenuRow::text), ElementsAre("first", "second", "Exit"));
    // Dismissed, the two windows, "Exit" and an id no row has.
    EXPECT_THAT((std::array{ofTwo.chosenWindow(0), ofTwo.chosenWindow(1), ofTwo.chosenWindow(2),
                            ofTwo.chosenWindow(3), ofTwo.chosenWindow(-2)}),
                ElementsAre(0u, 5u, 9u, 0u, 0u));
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

// Rows without an entry of the table or without text are passed over.
TEST(FindMenuChar, FindsTheNextRowBelowTheHighlightWhoseFirstCharacterMatches) {
    const std::vector<std::string_view> ab{"Alpha", "beta", "Bravo", "Beta"};
    const std::vector<std::string_view> wide{"表示", "\x95"};
    const struct {
        const std::vector<std::string_view>& texts;
        int highlighted;  // -1: none, search from the top
        std::uint32_t key;
        int found;
    } cases[] = {
        {ab, 3, 'b', 1},  // nothing below Beta: wraps to the top
        {ab, 1, 'b', 2},  // Bravo: ASCII case does not matter
        {ab, 2, 'B', 3},  // nor that of the key
        {ab, 2, 'z', -1},
        {ab, 0, 'a', 0},        // the highlighted row itself is found again when it is the only match
        {wide, -1, 0x955C, 0},  // "表"
        {wide, -1, 0x95, 0},    // a single-byte key compares with the first byte, whatever follows it
        {wide, 0, 0x95, 1},     // a lone lead byte at the end of a text is a character of its own
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
    // Only a state of exactly MFS_HILITE marks the current row: a highlighted row
    // that is also checked (MFS_CHECKED 0x08) does not.
    Submenu checked(ab);
    checked.rows[2].state = kMenuStateHilite | 0x08;
    EXPECT_EQ(checked.press('b'), 1);
    Submenu blank({"", "bx"});
    // A row of a plain window menu (no entry in this table) and one with id 0.
    blank.rows.insert(blank.rows.begin(), MenuRowState{0, 0});
    blank.rows.insert(blank.rows.begin(), MenuRowState{0, 99});
    EXPECT_EQ(blank.press('b'), 3);
    EXPECT_EQ(blank.press(0), -1);  // a NUL key never matches the end of an empty text
}

constexpr MenuColours kColours{
    .menu = makeColour(240, 240, 240), .highlight = makeColour(0, 120, 215), .menuText = makeColour(1, 2, 3)};
constexpr Colour kStrip = makeColour(204, 204, 204);
constexpr Colour kFill = makeColour(140, 194, 237);

// The icon's handle, x, y and size.
std::optional<std::array<int, 4>> iconOf(const EntryPaint& paint) {
    if (!paint.icon) {
        return std::nullopt;
    }
    return std::array{static_cast<int>(paint.icon->icon), paint.icon->x, paint.icon->y, paint.icon->size};
}

// The strip is 85 % of each channel, the selection fill the highlight 55 % of the
// way to white, both truncated like the scaled floating-point values.
TEST(OwnerDraw, ColoursAreScaledPerChannelAndTruncated) {
    EXPECT_EQ(stripColour(makeColour(255, 100, 1)), makeColour(216, 85, 0));
    EXPECT_EQ(selectionFillColour(makeColour(255, 1, 100)), makeColour(255, 140, 185));
    EXPECT_EQ(stripColour(0xFF000000u | makeColour(10, 20, 30)), makeColour(8, 17, 25));  // high byte ignored
}

// Of the rows "Notepad" (with an icon) and "Exit": a row's size adds room for strip
// and margins, "Exit" is three taller. A selected row is filled and framed, its icon
// one pixel up and left; "Exit" carries the separator and lower text, and its fill
// leaves the separator visible. At 144 DPI every figure is half again as large; the
// text is measured as it is and the row's rectangle is the system's.
TEST(OwnerDraw, MeasuresAndPlacesStripBackgroundFrameSeparatorIconAndText) {
    MenuEntryTable table;
    table.addEntry("Notepad", 0x77, MenuTarget{.window = 1});
    table.addEntry("Exit", 0, MenuTarget{});
    const TextExtent extent = [](std::string_view text) {
        return Size{static_cast<int>(text.size()) * 6, 13};
    };
    const auto row = measureEntry(table, 1, extent).value();
    EXPECT_EQ(std::pair(row.cx, row.cy), std::pair(7 * 6 + 34, 13 + 8));
    const auto exit = measureEntry(table, 2, extent).value();
    EXPECT_EQ(std::pair(exit.cx, exit.cy), std::pair(4 * 6 + 34, row.cy + 3));
    const auto scaled = measureEntry(table, 2, extent, display::DpiScale(144));
    EXPECT_EQ(std::pair(scaled->cx, scaled->cy), std::pair(4 * 6 + 51, 13 + 17));
    EXPECT_FALSE(measureEntry(table, 3, extent).has_value());
    EXPECT_FALSE(measureEntry(table, 1, TextExtent{}).has_value());
    EXPECT_FALSE(drawEntry(table, 3, Rect{}, false, kColours).has_value());

    const struct {
        CommandId id;
        Rect item;
        bool selected;
        int dpi;
        Rect strip, background;
        std::optional<Rect> separator;
        std::optional<std::array<int, 4>> icon;
        int textX, textY;
    } cases[] = {
        // The strip starts at 0, not at the row's left.
        {1, {3, 40, 90, 61}, false, 96, {0, 40, 20, 61}, {20, 40, 90, 61}, {}, {{0x77, 5, 42, 16}}, 29, 44},
        // The fill of a selected row starts at 0 too, but that of "Exit" at the row's left.
        {1, {3, 40, 90, 61}, true, 96, {0, 40, 20, 61}, {0, 40, 90, 61}, {}, {{0x77, 4, 41, 16}}, 29, 44},
        {2, {2, 61, 90, 85}, true, 96, {0, 61, 20, 85}, {2, 64, 90, 85}, Rect{24, 62, 90, 63}, {}, 28, 68},
        {1, {0, 40, 99, 72}, true, 144, {0, 40, 30, 72}, {0, 40, 99, 72}, {}, {{0x77, 2, 42, 24}}, 39, 46},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "row " << c.id << (c.selected ? " selected" : "") << " at " << c.dpi);
        const auto paint =
            drawEntry(table, c.id, c.item, c.selected, kColours, display::DpiScale(c.dpi)).value();
        EXPECT_EQ(paint.strip, (ColouredRect{c.strip, kStrip}));
        EXPECT_EQ(paint.background, (ColouredRect{c.background, c.selected ? kFill : kColours.menu}));
        EXPECT_EQ(paint.frame,
                  c.selected ? std::optional(ColouredRect{c.background, kColours.highlight}) : std::nullopt);
        EXPECT_EQ(paint.separator,
                  c.separator ? std::optional(ColouredRect{*c.separator, kStrip}) : std::nullopt);
        EXPECT_EQ(iconOf(paint), c.icon);
        EXPECT_EQ(paint.text.text, c.id == 1 ? "Notepad" : "Exit");
        EXPECT_EQ(std::tuple(paint.text.x, paint.text.y, paint.text.colour),
                  std::tuple(c.textX, c.textY, kColours.menuText));
    }
}

}  // namespace
}  // namespace zek::menus
