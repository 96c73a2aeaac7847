// The launcher's popup menus as a user meets them: opened at a visible owner
// window, driven by keys while they are tracked, answering what was chosen.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "data/item_store.h"
#include "data/launcher_item.h"
#include "gui_object_counter.h"
#include "menu_test_support.h"
#include "menus/launcher_menu.h"

namespace zek::win32 {
namespace {

constexpr std::int32_t kOwnerDrawn = 0;
constexpr std::int32_t kPlainText = 1;
constexpr const char* kIconProgram = "C:\\windows\\notepad.exe";

using test::idsOf;
using test::textsOf;

class LauncherMenuTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (!sharedOwner_) {
            sharedOwner_ = std::make_unique<test::MenuOwner>();
        }
    }
    static void TearDownTestSuite() { sharedOwner_.reset(); }

    void SetUp() override {
        ASSERT_NE(owner_.window(), nullptr);
        owner_.resetCounts();
    }

    data::LauncherItem* add(data::LauncherItem* parent, data::ItemType type, std::string name,
                            std::string app = {}) {
        data::ItemFields fields{.type = type, .name = std::move(name), .app = std::move(app)};
        return store_->addChild(parent, store_->createItem(std::move(fields)));
    }

    // Node -> A (A1, A2), B: the rows take ids A1 1, A2 2, A 3, B 4, Node 5, "Exit" 6.
    void buildExampleTree() {
        node_ = add(store_->root(), data::ItemType::RootItem, "Node");
        a_ = add(node_, data::ItemType::NodeItem, "A");
        a1_ = add(a_, data::ItemType::DataItem, "A1", kIconProgram);
        a2_ = add(a_, data::ItemType::DataItem, "A2", kIconProgram);
        b_ = add(node_, data::ItemType::DataItem, "B", kIconProgram);
        ASSERT_NE(b_, nullptr);
        ASSERT_EQ(node_->children()[0].get(), a_);
        ASSERT_EQ(a_->children()[1].get(), a2_);
    }

    const data::LauncherItem* showNode(data::LauncherItem& node, std::int32_t menuType,
                                       test::MenuScript& script) {
        const data::LauncherItem* chosen = nullptr;
        LauncherMenu menu(owner_.context());
        owner_.track(script, [&] { chosen = menu.showNodeMenu(node, menuType); });
        return chosen;
    }

    const data::LauncherItem* showList(const std::vector<data::LauncherItem*>& items, std::int32_t menuType,
                                       test::MenuScript& script) {
        const data::LauncherItem* chosen = nullptr;
        LauncherMenu menu(owner_.context());
        owner_.track(script, [&] { chosen = menu.showListMenu(items, menuType); });
        return chosen;
    }

    static inline std::unique_ptr<test::MenuOwner> sharedOwner_;

    std::unique_ptr<data::ItemStore> store_ = std::make_unique<data::ItemStore>(data::RecordTable{});
    test::MenuOwner& owner_ = *sharedOwner_;
    data::LauncherItem* node_ = nullptr;
    data::LauncherItem* a_ = nullptr;
    data::LauncherItem* a1_ = nullptr;
    data::LauncherItem* a2_ = nullptr;
    data::LauncherItem* b_ = nullptr;
};

TEST_F(LauncherMenuTest, NodeMenuUnfoldsTheSubtreeAndReturnsTheChosenLeaf) {
    buildExampleTree();
    std::vector<test::MenuRowInfo> top, level1, level2;
    LauncherMenu* activeWhileOpen = nullptr;
    test::MenuScript script;
    script
        .observe([&](HWND menuWindow) {
            activeWhileOpen = owner_.context().activeMenu;
            top = test::readMenuRows(test::menuOfWindow(menuWindow));
            if (top.size() == 2) {
                level1 = test::readMenuRows(top[0].submenu);
            }
            if (level1.size() == 2) {
                level2 = test::readMenuRows(level1[0].submenu);
            }
        })
        .highlight(0)
        .openSubmenu()
        .highlight(0)
        .openSubmenu()
        .highlight(1)
        .press(VK_RETURN);

    const data::LauncherItem* chosen = showNode(*node_, kOwnerDrawn, script);

    EXPECT_EQ(chosen, a2_);
    EXPECT_TRUE(script.finished());
    EXPECT_FALSE(script.closedByForce());
    EXPECT_NE(activeWhileOpen, nullptr);
    EXPECT_EQ(owner_.context().activeMenu, nullptr);
    EXPECT_EQ(idsOf(top), (std::vector<UINT>{5, 6}));
    EXPECT_EQ(idsOf(level1), (std::vector<UINT>{3, 4}));
    EXPECT_EQ(idsOf(level2), (std::vector<UINT>{1, 2}));
    for (const auto* rows : {&top, &level1, &level2}) {
        for (const test::MenuRowInfo& row : *rows) {
            EXPECT_NE(row.type & MFT_OWNERDRAW, 0u) << row.id;
        }
    }
    EXPECT_EQ(top[1].submenu, nullptr);
    EXPECT_EQ(level1[1].submenu, nullptr);
    // Every row of the three menus was sized and painted through the menu object.
    EXPECT_GE(owner_.measured, 6);
    EXPECT_GE(owner_.drawn, 6);
}

TEST_F(LauncherMenuTest, ExitRowAndEscapeChooseNothing) {
    buildExampleTree();
    test::MenuScript exitScript;
    exitScript.highlight(1).press(VK_RETURN);
    EXPECT_EQ(showNode(*node_, kOwnerDrawn, exitScript), nullptr);
    EXPECT_TRUE(exitScript.finished());
    EXPECT_FALSE(exitScript.closedByForce());
    EXPECT_EQ(owner_.context().activeMenu, nullptr);

    LauncherMenu* activeWhileOpen = nullptr;
    test::MenuScript escapeScript;
    escapeScript.observe([&](HWND) { activeWhileOpen = owner_.context().activeMenu; })
        .highlight(0)
        .press(VK_ESCAPE);
    EXPECT_EQ(showNode(*node_, kPlainText, escapeScript), nullptr);
    EXPECT_TRUE(escapeScript.finished());
    EXPECT_FALSE(escapeScript.closedByForce());
    EXPECT_NE(activeWhileOpen, nullptr);
    EXPECT_EQ(owner_.context().activeMenu, nullptr);
}

TEST_F(LauncherMenuTest, NodeWithoutChildrenShowsNoMenu) {
    data::LauncherItem* leaf = add(store_->root(), data::ItemType::RootItem, "Empty");
    ASSERT_NE(leaf, nullptr);
    test::MenuScript script;
    script.press(VK_RETURN);
    EXPECT_EQ(showNode(*leaf, kOwnerDrawn, script), nullptr);
    EXPECT_FALSE(script.sawMenu());
    EXPECT_EQ(owner_.context().activeMenu, nullptr);
}

TEST_F(LauncherMenuTest, TextMenuTypeShowsPlainRowsDrawnByTheSystem) {
    buildExampleTree();
    std::vector<test::MenuRowInfo> top, level1;
    test::MenuScript script;
    script.highlight(0)
        .openSubmenu()
        .observe([&](HWND menuWindow) {
            level1 = test::readMenuRows(test::menuOfWindow(menuWindow));
            top = test::readMenuRows(test::menuOfWindow(test::openMenuWindows().back()));
        })
        .highlight(1)
        .press(VK_RETURN);

    EXPECT_EQ(showNode(*node_, kPlainText, script), b_);
    EXPECT_FALSE(script.closedByForce());
    EXPECT_EQ(textsOf(top), (std::vector<std::string>{"Node", "Exit"}));
    EXPECT_EQ(textsOf(level1), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(idsOf(level1), (std::vector<UINT>{3, 4}));
    for (const auto* rows : {&top, &level1}) {
        for (const test::MenuRowInfo& row : *rows) {
            EXPECT_EQ(row.type & MFT_OWNERDRAW, 0u) << row.text;
        }
    }
    EXPECT_EQ(owner_.measured, 0);
    EXPECT_EQ(owner_.drawn, 0);
}

TEST_F(LauncherMenuTest, ListMenuRowsFollowTheListAndEndWithExit) {
    buildExampleTree();
    std::vector<test::MenuRowInfo> rows;
    RECT shown{};
    test::MenuScript script;
    script
        .observe([&](HWND menuWindow) {
            rows = test::readMenuRows(test::menuOfWindow(menuWindow));
            ::GetWindowRect(menuWindow, &shown);
        })
        .highlight(0)
        .press(VK_RETURN);
    EXPECT_EQ(showList({b_, a_}, kPlainText, script), b_);
    // Centred on the point 150 right of and 50 below the owner's client area corner.
    const POINT anchor = test::clientPointOnScreen(owner_.window(), 150, 50);
    EXPECT_NEAR((shown.left + shown.right) / 2, anchor.x, 1);
    EXPECT_NEAR((shown.top + shown.bottom) / 2, anchor.y, 1);
    EXPECT_EQ(textsOf(rows), (std::vector<std::string>{"B", "A", "Exit"}));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].submenu, nullptr);
    EXPECT_NE(rows[1].submenu, nullptr);

    std::vector<test::MenuRowInfo> emptyRows;
    test::MenuScript emptyScript;
    emptyScript
        .observe([&](HWND menuWindow) { emptyRows = test::readMenuRows(test::menuOfWindow(menuWindow)); })
        .highlight(0)
        .press(VK_RETURN);
    EXPECT_EQ(showList({}, kPlainText, emptyScript), nullptr);
    EXPECT_TRUE(emptyScript.sawMenu());
    EXPECT_EQ(textsOf(emptyRows), (std::vector<std::string>{"Exit"}));
    EXPECT_EQ(owner_.context().activeMenu, nullptr);
}

// Letters select the next row below the highlighted one that starts with them,
// wrapping to the top, whichever way the rows are drawn. The arrows put the
// highlight in place before each letter, so that each answer is checked against a
// known highlight on systems that ignore the "select" answer as well.
class LauncherMenuLetters : public LauncherMenuTest, public ::testing::WithParamInterface<std::int32_t> {};

constexpr LRESULT selectRow(int position) {
    return (static_cast<LRESULT>(MNC_SELECT) << 16) | position;
}

TEST_P(LauncherMenuLetters, SelectTheNextRowStartingWithTheLetter) {
    data::LauncherItem* holder = add(store_->root(), data::ItemType::RootItem, "Holder");
    std::vector<data::LauncherItem*> list;
    for (const char* name : {"Alpha", "beta", "Bravo", "Beta"}) {
        list.push_back(add(holder, data::ItemType::DataItem, name));
    }
    std::vector<int> highlightAfterLetter;
    const auto record = [&](HWND menuWindow) {
        highlightAfterLetter.push_back(test::highlightedRow(test::menuOfWindow(menuWindow)));
    };
    test::MenuScript script;
    script
        .highlight(3)  // Beta: nothing below starts with b, so the search wraps
        .typeChar('b')
        .observe(record)
        .highlight(1)  // beta: Bravo is next, whatever the case
        .typeChar('B')
        .observe(record)
        .highlight(2)
        .typeChar('b')
        .observe(record)
        .highlight(0)  // only the highlighted row itself starts with a
        .typeChar('a')
        .observe(record)
        .typeChar('e')  // the "Exit" row answers letters too
        .observe(record)
        .typeChar('x')
        .observe(record)
        .highlight(2)
        .press(VK_RETURN);

    EXPECT_EQ(showList(list, GetParam(), script), list[2]);
    EXPECT_FALSE(script.closedByForce());
    const std::vector<LRESULT> answers{selectRow(1), selectRow(2), selectRow(3),
                                       selectRow(0), selectRow(4), 0};
    EXPECT_EQ(owner_.menuCharAnswers, answers);
    if (!test::systemIgnoresMenuCharSelect()) {
        EXPECT_EQ(highlightAfterLetter, (std::vector<int>{1, 2, 3, 0, 4, 4}));
    }
}

INSTANTIATE_TEST_SUITE_P(BothMenuTypes, LauncherMenuLetters, ::testing::Values(kOwnerDrawn, kPlainText));

TEST_F(LauncherMenuTest, MenuOfMoreRowsThanTheScreenHoldsOpensAndReachesItsLastRow) {
    data::LauncherItem* holder = add(store_->root(), data::ItemType::RootItem, "Many");
    std::vector<data::LauncherItem*> list;
    for (int i = 0; i < 2000; ++i) {
        list.push_back(add(holder, data::ItemType::DataItem, "row " + std::to_string(i)));
    }
    RECT shown{};
    std::size_t rowCount = 0;
    test::MenuScript script;
    script
        .observe([&](HWND menuWindow) {
            ::GetWindowRect(menuWindow, &shown);
            rowCount = test::readMenuRows(test::menuOfWindow(menuWindow)).size();
        })
        .then([](HWND menuWindow) {
            // Up from the top wraps to "Exit"; once more is the last item.
            if (test::highlightedRow(test::menuOfWindow(menuWindow)) == 1999) {
                return true;
            }
            ::PostMessageA(menuWindow, WM_KEYDOWN, VK_UP, 1);
            return false;
        })
        .press(VK_RETURN);

    EXPECT_EQ(showList(list, kOwnerDrawn, script), list[1999]);
    EXPECT_FALSE(script.closedByForce());
    EXPECT_EQ(rowCount, 2001u);
    EXPECT_LE(shown.bottom - shown.top, ::GetSystemMetrics(SM_CYSCREEN));
    EXPECT_GE(shown.top, 0);
}

TEST_F(LauncherMenuTest, FiftyMenusGiveBackEveryHandle) {
    // Any object kept per menu shows in the exact counts; the 200-menu run is the program's scenario.
    constexpr int kRounds = 50;
    buildExampleTree();
    std::vector<HMENU> seenMenus;
    const auto openAndClose = [&] {
        test::MenuScript script;
        script.highlight(0)
            .openSubmenu()
            .openSubmenu()
            .observe([&](HWND) {
                for (HWND window : test::openMenuWindows()) {
                    seenMenus.push_back(test::menuOfWindow(window));
                }
            })
            .press(VK_ESCAPE)
            .press(VK_ESCAPE)
            .press(VK_ESCAPE);
        EXPECT_EQ(showNode(*node_, kOwnerDrawn, script), nullptr);
        EXPECT_FALSE(script.closedByForce());
    };
    // The first menu loads what the system keeps for good (fonts, arrow bitmaps).
    openAndClose();
    const std::optional<test::GuiObjectCounts> before = test::countGuiObjects();
    const int drawnBefore = owner_.drawn;
    for (int round = 0; round < kRounds; ++round) {
        openAndClose();
    }
    EXPECT_GE(owner_.drawn - drawnBefore, kRounds * 6);
    if (before) {
        EXPECT_EQ(*test::countGuiObjects(), *before);
    }
    ASSERT_EQ(seenMenus.size(), (kRounds + 1u) * 3);
    EXPECT_EQ(std::count_if(seenMenus.begin(), seenMenus.end(), [](HMENU menu) { return ::IsMenu(menu); }),
              0);
}

}  // namespace
}  // namespace zek::win32
