// The task menus: every titled, visible, unowned window, or the windows of the
// program in front, offered at the owner window; the chosen one comes forward.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "menu_test_support.h"
#include "menus/launcher_menu.h"

namespace zek::win32 {
namespace {

constexpr std::int32_t kOwnerDrawn = 0;
constexpr std::int32_t kPlainText = 1;

const std::string kOne = "ZekTaskProbe One";
const std::string kTwo = "ZekTaskProbe Two";
const std::string kHidden = "ZekTaskProbe Hidden";
const std::string kOwned = "ZekTaskProbe Owned";

using test::textsOf;

bool contains(const std::vector<std::string>& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

HWND createProbe(const std::string& title, DWORD style, HWND owner = nullptr) {
    static const ATOM probeClass = [] {
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = ::DefWindowProcA;
        windowClass.hInstance = ::GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "ZekTaskProbe";
        return ::RegisterClassExA(&windowClass);
    }();
    return ::CreateWindowExA(0, MAKEINTATOM(probeClass), title.c_str(), style, 40, 400, 300, 120, owner,
                             nullptr, ::GetModuleHandleA(nullptr), nullptr);
}

class TaskMenuTest : public ::testing::Test {
  protected:
    // Shown windows cost Wine without a window manager seconds to destroy: the
    // suite shares them and each test puts back what it changed.
    static void SetUpTestSuite() {
        owner_ = std::make_unique<test::MenuOwner>();
        one_ = createProbe(kOne, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
        two_ = createProbe(kTwo, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
        hidden_ = createProbe(kHidden, WS_OVERLAPPEDWINDOW);
        owned_ = createProbe(kOwned, WS_OVERLAPPEDWINDOW | WS_VISIBLE, one_);
    }
    static void TearDownTestSuite() {
        for (HWND window : {owned_, hidden_, two_, one_}) {
            ::DestroyWindow(window);
        }
        owner_.reset();
    }

    void SetUp() override {
        ASSERT_NE(one_, nullptr);
        ASSERT_NE(two_, nullptr);
        ASSERT_NE(owned_, nullptr);
        owner_->resetCounts();
    }

    // As the hotkey does: the owner comes forward, then the menu opens.
    void showTaskMenu(std::int32_t menuType, test::MenuScript& script) {
        ::SetForegroundWindow(owner_->window());
        {
            LauncherMenu menu(owner_->context());
            owner_->track(script, [&] { menu.showTaskMenu(menuType); });
        }
        EXPECT_EQ(owner_->context().activeMenu, nullptr);
    }

    void showSameAppMenu(HWND inFront, test::MenuScript& script) {
        ::SetForegroundWindow(inFront);
        ASSERT_EQ(::GetForegroundWindow(), inFront);
        {
            LauncherMenu menu(owner_->context());
            owner_->track(script, [&] { menu.showSameAppMenu(); });
        }
        EXPECT_EQ(owner_->context().activeMenu, nullptr);
    }

    static inline std::unique_ptr<test::MenuOwner> owner_;
    static inline HWND one_ = nullptr;
    static inline HWND two_ = nullptr;
    static inline HWND hidden_ = nullptr;
    static inline HWND owned_ = nullptr;
};

TEST_F(TaskMenuTest, TextRowsListTheTaskWindowsAndBringTheChosenOneForward) {
    std::vector<test::MenuRowInfo> rows;
    test::MenuScript script;
    script.observe([&](HWND menuWindow) { rows = test::readMenuRows(test::menuOfWindow(menuWindow)); })
        .highlightText(kTwo)
        .press(VK_RETURN);
    showTaskMenu(kPlainText, script);

    EXPECT_FALSE(script.closedByForce());
    const std::vector<std::string> texts = textsOf(rows);
    EXPECT_TRUE(contains(texts, kOne));
    EXPECT_TRUE(contains(texts, kTwo));
    EXPECT_FALSE(contains(texts, kHidden));
    EXPECT_FALSE(contains(texts, kOwned));
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.back(), "Exit");
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].id, i + 1);
        EXPECT_EQ(rows[i].type & MFT_OWNERDRAW, 0u);
    }
    EXPECT_EQ(::GetForegroundWindow(), two_);
}

TEST_F(TaskMenuTest, OwnerDrawnRowsStandForTheSameWindows) {
    // The text menu tells where the second probe's row is; the owner-drawn rows
    // carry no text of their own.
    std::vector<std::string> texts;
    test::MenuScript textScript;
    textScript
        .observe(
            [&](HWND menuWindow) { texts = textsOf(test::readMenuRows(test::menuOfWindow(menuWindow))); })
        .press(VK_ESCAPE);
    showTaskMenu(kPlainText, textScript);
    const auto twoAt = std::find(texts.begin(), texts.end(), kTwo);
    ASSERT_NE(twoAt, texts.end());
    const int twoPosition = static_cast<int>(twoAt - texts.begin());

    std::vector<test::MenuRowInfo> rows;
    test::MenuScript script;
    script.observe([&](HWND menuWindow) { rows = test::readMenuRows(test::menuOfWindow(menuWindow)); })
        .highlight(twoPosition)
        .press(VK_RETURN);
    showTaskMenu(kOwnerDrawn, script);

    EXPECT_FALSE(script.closedByForce());
    ASSERT_EQ(rows.size(), texts.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_NE(rows[i].type & MFT_OWNERDRAW, 0u);
        EXPECT_EQ(rows[i].id, i + 1);
        EXPECT_EQ(rows[i].data, i);
    }
    EXPECT_GE(owner_->measured, static_cast<int>(rows.size()));
    EXPECT_GE(owner_->drawn, static_cast<int>(rows.size()));
    EXPECT_EQ(::GetForegroundWindow(), two_);
}

TEST_F(TaskMenuTest, ExitActivatesNothing) {
    test::MenuScript script;
    script
        .then([](HWND menuWindow) {
            // Up from nothing highlighted lands on the last row, "Exit".
            const HMENU menu = test::menuOfWindow(menuWindow);
            if (test::highlightedRow(menu) == ::GetMenuItemCount(menu) - 1) {
                return true;
            }
            ::PostMessageA(menuWindow, WM_KEYDOWN, VK_UP, 1);
            return false;
        })
        .press(VK_RETURN);
    showTaskMenu(kOwnerDrawn, script);
    EXPECT_FALSE(script.closedByForce());
    EXPECT_EQ(::GetForegroundWindow(), owner_->window());
}

TEST_F(TaskMenuTest, SameAppMenuListsTheWindowsOfTheProgramInFront) {
    std::vector<test::MenuRowInfo> rows;
    RECT shown{};
    test::MenuScript script;
    script
        .observe([&](HWND menuWindow) {
            rows = test::readMenuRows(test::menuOfWindow(menuWindow));
            ::GetWindowRect(menuWindow, &shown);
        })
        .highlightText(kTwo)
        .press(VK_RETURN);
    showSameAppMenu(one_, script);

    EXPECT_FALSE(script.closedByForce());
    // This program's titled, visible, unowned windows: both probes; the owner has
    // no title, the hidden and the owned probes do not count.
    std::vector<std::string> texts = textsOf(rows);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts.back(), "Exit");
    std::sort(texts.begin(), texts.end() - 1);
    EXPECT_EQ(texts, (std::vector<std::string>{kOne, kTwo, "Exit"}));
    for (const test::MenuRowInfo& row : rows) {
        EXPECT_EQ(row.type & MFT_OWNERDRAW, 0u);
    }
    // Centred on the owner's client area.
    RECT client{};
    ::GetClientRect(owner_->window(), &client);
    const POINT centre = test::clientPointOnScreen(owner_->window(), client.right / 2, client.bottom / 2);
    EXPECT_NEAR((shown.left + shown.right) / 2, centre.x, 1);
    EXPECT_NEAR((shown.top + shown.bottom) / 2, centre.y, 1);
    EXPECT_EQ(::GetForegroundWindow(), two_);
}

}  // namespace
}  // namespace zek::win32
