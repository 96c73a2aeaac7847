// What an owner-drawn menu row looks like on screen: the darker icon strip, the
// highlighted row filled and framed, the "Exit" row's separator line, the icon.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "data/item_store.h"
#include "data/launcher_item.h"
#include "menu_test_support.h"
#include "menus/launcher_menu.h"
#include "menus/owner_draw.h"
#include "menus/owner_draw_painter.h"
#include "platform/unique_handle.h"

namespace zek::win32 {
namespace {

// Pixels as COLORREF values (0x00BBGGRR), row by row.
struct Capture {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;

    COLORREF at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
    bool rowHas(int y, COLORREF colour) const {
        for (int x = 0; x < width; ++x) {
            if (at(x, y) == colour) {
                return true;
            }
        }
        return false;
    }
};

// Copies `area` of a device context into a 32-bit surface.
Capture capture(HDC source, const RECT& area) {
    Capture result;
    result.width = area.right - area.left;
    result.height = area.bottom - area.top;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = result.width;
    info.bmiHeader.biHeight = -result.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    const UniqueMemoryDC dc(::CreateCompatibleDC(source));
    const UniqueBitmap surface(::CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dc || !surface || result.width <= 0 || result.height <= 0) {
        return {};
    }
    const HGDIOBJ previous = ::SelectObject(dc.get(), surface.get());
    ::BitBlt(dc.get(), 0, 0, result.width, result.height, source, area.left, area.top, SRCCOPY);
    ::GdiFlush();
    const auto* raw = static_cast<const std::uint32_t*>(bits);
    for (int i = 0; i < result.width * result.height; ++i) {
        const std::uint32_t rgb = raw[i];
        result.pixels.push_back(RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF));
    }
    ::SelectObject(dc.get(), previous);
    return result;
}

// What a window paints of its client area when asked to print it into a surface.
Capture printClient(HWND window, const RECT& client) {
    const HDC screen = ::GetDC(nullptr);
    const UniqueMemoryDC dc(::CreateCompatibleDC(screen));
    const UniqueBitmap surface(::CreateCompatibleBitmap(screen, client.right, client.bottom));
    ::ReleaseDC(nullptr, screen);
    if (!dc || !surface) {
        return {};
    }
    const HGDIOBJ previous = ::SelectObject(dc.get(), surface.get());
    ::SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT | PRF_ERASEBKGND);
    Capture result = capture(dc.get(), client);
    ::SelectObject(dc.get(), previous);
    return result;
}

TEST(OwnerDrawnMenuPainting, PaintsInLayoutOrderAndLeavesTheContextAsFound) {
    const HDC screen = ::GetDC(nullptr);
    const UniqueMemoryDC dc(::CreateCompatibleDC(screen));
    const UniqueBitmap surface(::CreateCompatibleBitmap(screen, 120, 30));
    ::ReleaseDC(nullptr, screen);
    ASSERT_TRUE(dc && surface);
    const HGDIOBJ previousBitmap = ::SelectObject(dc.get(), surface.get());
    const HGDIOBJ fontBefore = ::GetCurrentObject(dc.get(), OBJ_FONT);
    ::SetBkMode(dc.get(), OPAQUE);
    ::SetTextColor(dc.get(), RGB(1, 2, 3));

    constexpr COLORREF kStrip = RGB(10, 20, 30);
    constexpr COLORREF kFill = RGB(200, 210, 220);
    constexpr COLORREF kFrame = RGB(0, 0, 255);
    constexpr COLORREF kLine = RGB(0, 128, 0);
    menus::EntryPaint paint;
    paint.strip = {{0, 0, 20, 30}, kStrip};
    paint.background = {{0, 0, 120, 30}, kFill};
    paint.frame = menus::ColouredRect{{0, 0, 120, 30}, kFrame};
    paint.separator = menus::ColouredRect{{24, 1, 120, 2}, kLine};
    paint.text = {.text = "W", .x = 26, .y = 7, .colour = RGB(255, 0, 0)};
    paintEntry(dc.get(), paint);

    const RECT all{0, 0, 120, 30};
    const Capture pixels = capture(dc.get(), all);
    ASSERT_EQ(pixels.pixels.size(), 120u * 30u);
    // The background is painted after the strip, the frame and the line after both.
    EXPECT_EQ(pixels.at(5, 15), kFill);
    EXPECT_EQ(pixels.at(0, 15), kFrame);
    EXPECT_EQ(pixels.at(119, 15), kFrame);
    EXPECT_EQ(pixels.at(60, 0), kFrame);
    EXPECT_EQ(pixels.at(60, 1), kLine);
    EXPECT_EQ(pixels.at(23, 1), kFill);
    bool textDrawn = false;
    for (int y = 7; y < 29; ++y) {
        textDrawn = textDrawn || pixels.rowHas(y, RGB(255, 0, 0));
    }
    EXPECT_TRUE(textDrawn);

    EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_FONT), fontBefore);
    EXPECT_EQ(::GetBkMode(dc.get()), OPAQUE);
    EXPECT_EQ(::GetTextColor(dc.get()), RGB(1, 2, 3));
    ::SelectObject(dc.get(), previousBitmap);
}

TEST(OwnerDrawnMenuPainting, MenuFontExtentGrowsWithTheText) {
    const menus::Size one = measureMenuText("W");
    const menus::Size three = measureMenuText("WWW");
    EXPECT_GT(one.cx, 0);
    EXPECT_GT(one.cy, 0);
    EXPECT_GT(three.cx, one.cx);
    EXPECT_EQ(three.cy, one.cy);
}

TEST(OwnerDrawnMenuPainting, OpenMenuShowsStripSelectionAndExitLine) {
    test::MenuOwner owner;
    ASSERT_NE(owner.window(), nullptr);
    data::ItemStore store{data::RecordTable{}};
    data::LauncherItem* node = store.addChild(
        store.root(), store.createItem(data::ItemFields{.type = data::ItemType::RootItem, .name = "Node"}));
    store.addChild(node,
                   store.createItem(data::ItemFields{
                       .type = data::ItemType::DataItem, .name = "Pad", .app = "C:\\windows\\notepad.exe"}));

    const menus::MenuColours colours = systemMenuColours();
    const COLORREF strip = menus::stripColour(colours.menu);
    const COLORREF fill = menus::selectionFillColour(colours.highlight);
    Capture shown;
    test::MenuScript script;
    script.highlight(0)
        .observe([&](HWND menuWindow) {
            // The menu paints itself into a surface of ours (its rows through the
            // owner-draw messages): Wine's screen read-back does not see popups.
            RECT client{};
            ::GetClientRect(menuWindow, &client);
            shown = printClient(menuWindow, client);
        })
        .press(VK_ESCAPE);
    {
        LauncherMenu menu(owner.context());
        owner.track(script, [&] { EXPECT_EQ(menu.showNodeMenu(*node, 0), nullptr); });
    }
    ASSERT_GT(shown.width, 40);
    bool selectedRow = false;    // filled and framed
    bool plainRow = false;       // strip beside the menu colour
    bool separatorLine = false;  // the strip colour from 24 on, above the "Exit" row
    for (int y = 0; y < shown.height; ++y) {
        selectedRow = selectedRow || (shown.rowHas(y, fill) && shown.rowHas(y, colours.highlight));
        plainRow = plainRow || (shown.at(5, y) == strip && shown.at(21, y) == colours.menu);
        separatorLine = separatorLine || (shown.at(21, y) == colours.menu && shown.at(30, y) == strip &&
                                          shown.at(shown.width - 10, y) == strip);
    }
    EXPECT_TRUE(selectedRow);
    EXPECT_TRUE(plainRow);
    EXPECT_TRUE(separatorLine);
}

}  // namespace
}  // namespace zek::win32
