// What only the system shows of the launcher's popup menus: plain rows drawn by the
// system, the place a menu opens at, a menu taller than the screen, and every
// handle given back. Choosing from owner-drawn node and list menus is the program's
// scenarios' business.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/data/item_store.h"
#include "core/data/launcher_item.h"
#include "driver/menu_owner.h"
#include "driver/object_counts.h"
#include "win32/menus/launcher_menu.h"

namespace zek::win32 {
namespace {

constexpr std::int32_t kOwnerDrawn = 0;
constexpr std::int32_t kPlainText = 1;

class LauncherMenuTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { owner_ = std::make_unique<test::MenuOwner>(); }
    static void TearDownTestSuite() { owner_.reset(); }
    void SetUp() override { ASSERT_NE(owner_->window(), nullptr); }

    data::LauncherItem* add(data::LauncherItem* parent, data::ItemType type, std::string name) {
        data::ItemFields fields{.type = type, .name = std::move(name), .app = "C:\\windows\\notepad.exe"};
        return store_.addChild(parent, store_.createItem(std::move(fields)));
    }

    static inline std::unique_ptr<test::MenuOwner> owner_;
    data::ItemStore store_{data::RecordTable{}};
};

TEST_F(LauncherMenuTest, TextMenuTypeShowsPlainRowsAtTheAnchor) {
    // Node -> A (A1), B: the rows take ids A1 1, A 2, B 3, Node 4, "Exit" 5.
    data::LauncherItem* node = add(store_.root(), data::ItemType::RootItem, "Node");
    add(add(node, data::ItemType::NodeItem, "A"), data::ItemType::DataItem, "A1");
    data::LauncherItem* b = add(node, data::ItemType::DataItem, "B");
    std::vector<e2e::MenuRowInfo> top, level1;
    RECT shown{};
    e2e::MenuScript script;
    script.observe([&](HWND menuWindow) { ::GetWindowRect(menuWindow, &shown); })
        .highlight(0)
        .openSubmenu()
        .observe([&](HWND menuWindow) {
            level1 = e2e::readMenuRows(e2e::menuOfWindow(menuWindow));
            top = e2e::readMenuRows(e2e::menuOfWindow(e2e::openMenus().back()));
        })
        .highlight(1)
        .press(VK_RETURN);
    owner_->resetCounts();
    data::ItemRef chosen;
    {
        LauncherMenu menu(owner_->process());
        owner_->track(script, [&] { chosen = menu.showNodeMenu(*node, kPlainText); });
    }
    EXPECT_EQ(chosen.item, b->id());
    EXPECT_FALSE(script.closedByForce());
    EXPECT_EQ(owner_->process().activeMenu(), nullptr);
    EXPECT_EQ(e2e::textsOf(top), (std::vector<std::string>{"Node", "Exit"}));
    EXPECT_EQ(e2e::textsOf(level1), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(e2e::idsOf(level1), (std::vector<UINT>{2, 3}));
    for (const auto* rows : {&top, &level1}) {
        for (const e2e::MenuRowInfo& row : *rows) {
            EXPECT_EQ(row.type & MFT_OWNERDRAW, 0u) << row.text;
        }
    }
    EXPECT_EQ(owner_->measured, 0);
    EXPECT_EQ(owner_->drawn, 0);
    // Centred on the point 150 right of and 50 below the owner's client area corner.
    const POINT anchor = e2e::clientPointOnScreen(owner_->window(), 150, 50);
    EXPECT_NEAR((shown.left + shown.right) / 2, anchor.x, 1);
    EXPECT_NEAR((shown.top + shown.bottom) / 2, anchor.y, 1);
}

TEST_F(LauncherMenuTest, MenuOfMoreRowsThanTheScreenHoldsOpensAndReachesItsLastRow) {
    data::LauncherItem* holder = add(store_.root(), data::ItemType::RootItem, "Many");
    std::vector<data::LauncherItem*> list;
    for (int i = 0; i < 2000; ++i) {
        list.push_back(add(holder, data::ItemType::DataItem, "row " + std::to_string(i)));
    }
    RECT shown{};
    std::size_t rowCount = 0;
    e2e::MenuScript script;
    script
        .observe([&](HWND menuWindow) {
            ::GetWindowRect(menuWindow, &shown);
            rowCount = e2e::readMenuRows(e2e::menuOfWindow(menuWindow)).size();
        })
        .then([](HWND menuWindow) {
            // Up from the top wraps to "Exit"; once more is the last item.
            if (e2e::highlightedRow(e2e::menuOfWindow(menuWindow)) == 1999) {
                return true;
            }
            ::PostMessageA(menuWindow, WM_KEYDOWN, VK_UP, 1);
            return false;
        })
        .press(VK_RETURN);
    owner_->resetCounts();
    data::ItemRef chosen;
    {
        LauncherMenu menu(owner_->process());
        owner_->track(script, [&] { chosen = menu.showListMenu(list, kOwnerDrawn); });
    }
    EXPECT_EQ(chosen.item, list[1999]->id());
    EXPECT_FALSE(script.closedByForce());
    EXPECT_EQ(rowCount, 2001u);
    EXPECT_GE(owner_->drawn, 1);
    EXPECT_LE(shown.bottom - shown.top, ::GetSystemMetrics(SM_CYSCREEN));
    EXPECT_GE(shown.top, 0);
}

TEST_F(LauncherMenuTest, OwnerDrawnMenusGiveBackEveryObjectAndMenu) {
    // The program's scenario cannot count another process's GDI objects under Wine;
    // here exact counts show any object a menu keeps.
    data::LauncherItem* node = add(store_.root(), data::ItemType::RootItem, "Node");
    add(add(node, data::ItemType::NodeItem, "A"), data::ItemType::DataItem, "A1");
    std::vector<HMENU> seenMenus;
    const auto openAndClose = [&] {
        e2e::MenuScript script;
        script.highlight(0)
            .openSubmenu()
            .openSubmenu()
            .observe([&](HWND) {
                for (HWND window : e2e::openMenus()) {
                    seenMenus.push_back(e2e::menuOfWindow(window));
                }
            })
            .press(VK_ESCAPE)
            .press(VK_ESCAPE)
            .press(VK_ESCAPE);
        LauncherMenu menu(owner_->process());
        owner_->track(script, [&] { EXPECT_EQ(menu.showNodeMenu(*node, kOwnerDrawn).item, 0u); });
        EXPECT_FALSE(script.closedByForce());
    };
    openAndClose();  // the first menu loads what the system keeps for good (fonts, arrows)
    const std::optional<e2e::GuiObjectCounts> before = e2e::countGuiObjects();
    owner_->resetCounts();
    for (int round = 0; round < 50; ++round) {
        openAndClose();
    }
    EXPECT_GE(owner_->drawn, 50 * 3);
    if (before) {
        EXPECT_EQ(*e2e::countGuiObjects(), *before);
    }
    ASSERT_EQ(seenMenus.size(), 51u * 3);
    EXPECT_EQ(std::count_if(seenMenus.begin(), seenMenus.end(), [](HMENU menu) { return ::IsMenu(menu); }),
              0);
}

}  // namespace
}  // namespace zek::win32
