// What only the system shows of the launcher's popup menus: plain rows drawn by the
// system, the place a menu opens at, a menu taller than the screen, and every
// object and handle given back. The menus open at a bar of this process; a second thread
// works them as a user does while this one tracks them. Choosing from owner-drawn
// node and list menus is the program's scenarios' business. And the painter of
// owner-drawn rows: pieces in layout order, the device context left as it was found.
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
#include "driver/screen.h"
#include "driver/window_query.h"
#include "icon_kit.h"
#include "win32/menus/launcher_menu.h"
#include "win32/menus/owner_draw_painter.h"
#include "win32/platform/screen_dpi.h"

namespace zek::win32 {
namespace {

constexpr std::int32_t kOwnerDrawn = 0;
constexpr std::int32_t kPlainText = 1;

HMENU menuOf(HWND menuWindow) {
    return reinterpret_cast<HMENU>(::SendMessageA(menuWindow, MN_GETHMENU, 0, 0));
}

struct Row {
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
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = sizeof text;
        ::GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info);
        rows.push_back({info.fType, (info.fState & MFS_HILITE) != 0, text});
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

// Opens the submenu of the row at `position` in the deepest of `depth` open menus.
HWND openSubmenu(std::size_t depth, std::size_t position) {
    HWND open = menuAtDepth(depth);
    EXPECT_TRUE(highlight(open, position));
    press(open, VK_RIGHT);
    return menuAtDepth(depth + 1);
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
        suite_->leave();
        suite_.reset();
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
              ::GetWindowRect(menuAtDepth(1), &shown);
              rows = rowsOf(menuAtDepth(1));
              std::ranges::copy(rowsOf(openSubmenu(1, 0)), std::back_inserter(rows));
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

// Exact counts of this process's GDI objects and handles show anything a menu keeps:
// the rows, their icons, the program paths the task menu looks up.
TEST_F(LauncherMenuTest, OwnerDrawnMenusAndTheTaskMenuGiveBackEveryObjectHandleAndMenu) {
    data::LauncherItem* node = add(store_.root(), data::ItemType::RootItem, "Node");
    add(add(node, data::ItemType::NodeItem, "A"), data::ItemType::DataItem, "A1");
    const UniqueWindow task(::CreateWindowExA(0, "STATIC", "Zek task row", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                              0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr));
    const COLORREF strip = menus::stripColour(::GetSysColor(COLOR_MENU));
    std::vector<HMENU> seenMenus;
    const auto keepOpenMenus = [&] {
        for (HWND window : e2e::openMenus()) {
            seenMenus.push_back(menuOf(window));
        }
    };
    const auto openAndClose = [&] {
        track([&] { EXPECT_EQ(LauncherMenu(process()).showNodeMenu(*node, kOwnerDrawn).item, 0u); },
              [&] {
                  HWND first = menuAtDepth(1);
                  openSubmenu(1, 0);
                  openSubmenu(2, 0);
                  // Drawn by the launcher: the first menu's "Exit" row shows its icon strip.
                  EXPECT_TRUE(e2e::waitUntil(
                      [&] { return e2e::captureScreen().count(e2e::windowRect(first), strip) >= 10; }, 5000));
                  keepOpenMenus();
              });
        track([&] { LauncherMenu(process()).showTaskMenu(kOwnerDrawn); },
              [&] {
                  EXPECT_NE(menuAtDepth(1), nullptr) << "no task menu";
                  keepOpenMenus();
              });
    };
    openAndClose();  // the first menus load what the system keeps for good (fonts, arrows, libraries)
    const std::optional<std::uint32_t> before = e2e::countGdiObjects();
    const DWORD handlesBefore = e2e::countHandles();
    // The counts are exact: a few rounds show a leak, even of one handle a round.
    for (int round = 0; round < 5; ++round) {
        openAndClose();
    }
    EXPECT_EQ(e2e::countGdiObjects(), before);
    EXPECT_LE(e2e::countHandles(), handlesBefore + 2);
    ASSERT_EQ(seenMenus.size(), 6u * 4);
    EXPECT_EQ(std::count_if(seenMenus.begin(), seenMenus.end(), [](HMENU menu) { return ::IsMenu(menu); }),
              0);
}

TEST(OwnerDrawnMenuPainting, PaintsInLayoutOrderAndLeavesTheContextAsFound) {
    constexpr COLORREF kStrip = RGB(10, 20, 30);
    constexpr COLORREF kFill = RGB(200, 210, 220);
    constexpr COLORREF kFrame = RGB(0, 0, 255);
    constexpr COLORREF kLine = RGB(0, 128, 0);
    constexpr COLORREF kText = RGB(255, 0, 0);
    menus::EntryPaint paint;
    paint.strip = {{0, 0, 20, 30}, kStrip};
    paint.background = {{0, 0, 120, 30}, kFill};
    paint.frame = menus::ColouredRect{{0, 0, 120, 30}, kFrame};
    paint.separator = menus::ColouredRect{{24, 1, 120, 2}, kLine};
    paint.text = {.text = "W", .x = 26, .y = 7, .colour = kText};
    const e2e::ScreenImage pixels(120, 30, e2e::renderPixels(120, 30, [&](HDC dc) {
                                      const HGDIOBJ fontBefore = ::GetCurrentObject(dc, OBJ_FONT);
                                      ::SetBkMode(dc, OPAQUE);
                                      ::SetTextColor(dc, RGB(1, 2, 3));
                                      paintEntry(dc, paint, MenuFont(display::DpiScale(systemDpi())));
                                      EXPECT_EQ(::GetCurrentObject(dc, OBJ_FONT), fontBefore);
                                      EXPECT_EQ(::GetBkMode(dc), OPAQUE);
                                      EXPECT_EQ(::GetTextColor(dc), RGB(1, 2, 3));
                                  }));
    ASSERT_FALSE(pixels.empty());
    // The background is painted after the strip, the frame and the line after both.
    EXPECT_EQ(pixels.at(5, 15), kFill);
    EXPECT_EQ(pixels.at(0, 15), kFrame);
    EXPECT_EQ(pixels.at(119, 15), kFrame);
    EXPECT_EQ(pixels.at(60, 0), kFrame);
    EXPECT_EQ(pixels.at(60, 1), kLine);
    EXPECT_EQ(pixels.at(23, 1), kFill);
    EXPECT_GT(pixels.count(RECT{20, 7, 119, 29}, kText), 0);
}

// At twice the DPI the system's fonts were made for, the rows' font is twice as high.
TEST(OwnerDrawnMenuPainting, TheMenuFontFollowsTheDpi) {
    const auto heightOf = [](HGDIOBJ font) {
        LOGFONTA face{};
        ::GetObjectA(font, sizeof face, &face);
        return face.lfHeight;
    };
    const LONG stock = heightOf(::GetStockObject(DEFAULT_GUI_FONT));
    EXPECT_EQ(heightOf(MenuFont(display::DpiScale(systemDpi())).get()), stock);
    EXPECT_EQ(heightOf(MenuFont(display::DpiScale(2 * systemDpi())).get()), 2 * stock);
}

}  // namespace
}  // namespace zek::win32
