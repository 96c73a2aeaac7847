// What only the system shows of the launcher's popup menus: plain rows drawn by the
// system, the place a menu opens at, a menu taller than the screen, and every
// handle given back. The menus open at a bar of this process; a second thread
// works them as a user does while this one tracks them. Choosing from owner-drawn
// node and list menus is the program's scenarios' business.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "bar_in_process.h"
#include "core/app/messages.h"
#include "core/data/item_store.h"
#include "core/data/launcher_item.h"
#include "core/menus/owner_draw.h"
#include "driver/object_counts.h"
#include "driver/screen.h"
#include "driver/window_query.h"
#include "win32/menus/launcher_menu.h"

namespace zek::win32 {
namespace {

constexpr std::int32_t kOwnerDrawn = 0;
constexpr std::int32_t kPlainText = 1;

HMENU menuOf(HWND menuWindow) {
    return reinterpret_cast<HMENU>(::SendMessageA(menuWindow, MN_GETHMENU, 0, 0));
}

struct Row {
    UINT id = 0;
    UINT type = 0;
    bool highlighted = false;
    std::string text;
};

std::vector<Row> rowsOf(HWND menuWindow) {
    std::vector<Row> rows;
    const HMENU menu = menuOf(menuWindow);
    for (int position = 0; position < ::GetMenuItemCount(menu); ++position) {
        char text[256] = {};
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = sizeof text;
        ::GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info);
        rows.push_back({info.wID, info.fType, (info.fState & MFS_HILITE) != 0, text});
    }
    return rows;
}

// The deepest open menu, once there are `depth` of them.
HWND menuAtDepth(std::size_t depth) {
    HWND deepest = nullptr;
    e2e::waitUntil(
        [&] {
            const std::vector<HWND> open = e2e::openMenus();
            deepest = open.size() == depth ? open.front() : nullptr;
            return deepest != nullptr;
        },
        5000);
    return deepest;
}

void press(HWND menuWindow, UINT key) {
    ::PostMessageA(menuWindow, WM_KEYDOWN, key, 1);
    ::PostMessageA(menuWindow, WM_KEYUP, key, 0xC0000001);
}

// `key` until the row at `position` is highlighted; whether it came to be.
bool highlight(HWND menuWindow, std::size_t position, UINT key = VK_DOWN) {
    return e2e::waitUntil(
        [&] {
            const std::vector<Row> rows = rowsOf(menuWindow);
            if (position < rows.size() && rows[position].highlighted) {
                return true;
            }
            press(menuWindow, key);
            return false;
        },
        5000);
}

// Presses Return on the row at `position` of the deepest of `depth` open menus.
void choose(std::size_t depth, std::size_t position, UINT key = VK_DOWN) {
    HWND open = menuAtDepth(depth);
    ASSERT_TRUE(highlight(open, position, key));
    press(open, VK_RETURN);
    e2e::waitUntil([] { return e2e::openMenus().empty(); }, 5000);
}

class LauncherMenuTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        suite_ = std::make_unique<BarInProcess>();
        ASSERT_TRUE(suite_->create());
        suite_->openNoFiles();
        ::SendMessageA(suite_->bar.window(), app::LM_SHOWBAR, 0, 0);
    }
    // Shown windows are slow to destroy under Wine without a window manager: one bar serves every test.
    static void TearDownTestSuite() {
        ::SendMessageA(suite_->bar.window(), WM_DESTROY, 0, 0);
        ::DestroyWindow(suite_->bar.window());
        suite_.reset();
        MSG quit;
        while (::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }

    data::LauncherItem* add(data::LauncherItem* parent, data::ItemType type, std::string name) {
        data::ItemFields fields{.type = type, .name = std::move(name), .app = "C:\\windows\\notepad.exe"};
        return store_.addChild(parent, store_.createItem(std::move(fields)));
    }
    // Shows a menu with `show` while `user` works it from another thread; Escape
    // closes whatever the user left open.
    static void track(const std::function<void()>& show, const std::function<void()>& user) {
        std::thread worker([&] {
            user();
            e2e::closeOpenMenus();
        });
        show();
        worker.join();
    }
    static LauncherProcess& process() { return suite_->process; }

    static inline std::unique_ptr<BarInProcess> suite_;
    data::ItemStore store_{data::RecordTable{}};
};

// Which rows a menu has and their ids are the core's; here they are the system's menus.
TEST_F(LauncherMenuTest, TextMenuTypeShowsPlainRowsAtTheAnchor) {
    data::LauncherItem* node = add(store_.root(), data::ItemType::RootItem, "Node");
    add(add(node, data::ItemType::NodeItem, "A"), data::ItemType::DataItem, "A1");
    data::LauncherItem* b = add(node, data::ItemType::DataItem, "B");
    std::vector<Row> rows;
    RECT shown{};
    data::ItemRef chosen;
    track([&] { chosen = LauncherMenu(process()).showNodeMenu(*node, kPlainText); },
          [&] {
              HWND first = menuAtDepth(1);
              ::GetWindowRect(first, &shown);
              rows = rowsOf(first);
              ASSERT_TRUE(highlight(first, 0));
              press(first, VK_RIGHT);
              std::ranges::copy(rowsOf(menuAtDepth(2)), std::back_inserter(rows));
              choose(2, 1);
          });
    EXPECT_EQ(chosen.item, b->id());
    EXPECT_EQ(process().activeMenu(), nullptr);
    std::vector<std::string> texts;
    for (const Row& row : rows) {
        texts.push_back(row.text);
        EXPECT_EQ(row.type & MFT_OWNERDRAW, 0u) << row.text;
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"Node", "Exit", "A", "B"}));
    // Centred on the point 150 right of and 50 below the bar's client area corner.
    POINT anchor{150, 50};
    ::ClientToScreen(suite_->bar.window(), &anchor);
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
    data::ItemRef chosen;
    track([&] { chosen = LauncherMenu(process()).showListMenu(list, kOwnerDrawn); },
          [&] {
              HWND open = menuAtDepth(1);
              ::GetWindowRect(open, &shown);
              rowCount = rowsOf(open).size();
              choose(1, 1999, VK_UP);  // up from the top wraps to "Exit"; once more is the last item
          });
    EXPECT_EQ(chosen.item, list[1999]->id());
    EXPECT_EQ(rowCount, 2001u);
    EXPECT_LE(shown.bottom - shown.top, ::GetSystemMetrics(SM_CYSCREEN));
    EXPECT_GE(shown.top, 0);
}

TEST_F(LauncherMenuTest, OwnerDrawnMenusGiveBackEveryObjectAndMenu) {
    // The program's scenario cannot count another process's GDI objects under Wine;
    // here exact counts show any object a menu keeps.
    data::LauncherItem* node = add(store_.root(), data::ItemType::RootItem, "Node");
    add(add(node, data::ItemType::NodeItem, "A"), data::ItemType::DataItem, "A1");
    const COLORREF strip = menus::stripColour(::GetSysColor(COLOR_MENU));
    std::vector<HMENU> seenMenus;
    const auto openAndClose = [&] {
        track([&] { EXPECT_EQ(LauncherMenu(process()).showNodeMenu(*node, kOwnerDrawn).item, 0u); },
              [&] {
                  HWND open = menuAtDepth(1);
                  ASSERT_TRUE(highlight(open, 0));
                  press(open, VK_RIGHT);
                  HWND second = menuAtDepth(2);
                  ASSERT_TRUE(highlight(second, 0));
                  press(second, VK_RIGHT);
                  menuAtDepth(3);
                  // Drawn by the launcher: the first menu's "Exit" row shows its icon strip.
                  EXPECT_TRUE(e2e::waitUntil(
                      [&] { return e2e::captureScreen().count(e2e::windowRect(open), strip) >= 10; }, 5000));
                  for (HWND window : e2e::openMenus()) {
                      seenMenus.push_back(menuOf(window));
                  }
              });
    };
    openAndClose();  // the first menu loads what the system keeps for good (fonts, arrows)
    const std::optional<std::uint32_t> before = e2e::countGdiObjects();
    for (int round = 0; round < 20; ++round) {
        openAndClose();
    }
    EXPECT_EQ(e2e::countGdiObjects(), before);
    ASSERT_EQ(seenMenus.size(), 21u * 3);
    EXPECT_EQ(std::count_if(seenMenus.begin(), seenMenus.end(), [](HMENU menu) { return ::IsMenu(menu); }),
              0);
}

}  // namespace
}  // namespace zek::win32
