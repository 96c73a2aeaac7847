// The program as a user sees it, read off the screen: the bar with a completed
// name, an owner-drawn node menu with the icons of its programs, the task menu.
// It leaves its pictures as bitmaps in its folder (scripts/pictures.sh
// turns them into the README's pictures).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "core/menus/owner_draw.h"
#include "driver/files.h"
#include "driver/input.h"
#include "driver/launcher_scenario.h"
#include "driver/screen.h"
#include "driver/window_query.h"
#include "win32/display/bar_look.h"

namespace zek::e2e {
namespace {

constexpr COLORREF kStatusTextColour = RGB(0x32, 0xDC, 0xA0);

COLORREF stripColour() {
    return menus::stripColour(::GetSysColor(COLOR_MENU));
}

// The part of the image inside the rectangle (clipped to the image).
ScreenImage crop(const ScreenImage& image, const RECT& area) {
    const LONG left = std::max(0L, area.left);
    const LONG top = std::max(0L, area.top);
    const LONG right = std::max(left, std::min<LONG>(image.width(), area.right));
    const LONG bottom = std::max(top, std::min<LONG>(image.height(), area.bottom));
    std::vector<std::uint32_t> part;
    for (LONG y = top; y < bottom; ++y) {
        for (LONG x = left; x < right; ++x) {
            const COLORREF colour = image.at(x, y);
            part.push_back(GetRValue(colour) << 16 | GetGValue(colour) << 8 | GetBValue(colour));
        }
    }
    return ScreenImage(right - left, bottom - top, std::move(part));
}

// Writes the image as a 24-bit bottom-up BMP file; false when it cannot be written.
bool saveBitmap(const ScreenImage& image, const std::string& path) {
    const std::size_t rowBytes = (static_cast<std::size_t>(image.width()) * 3 + 3) & ~std::size_t{3};
    const BITMAPINFOHEADER info{sizeof info,
                                image.width(),
                                image.height(),
                                1,
                                24,
                                BI_RGB,
                                static_cast<DWORD>(rowBytes * image.height()),
                                0,
                                0,
                                0,
                                0};
    const DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof info;
    const BITMAPFILEHEADER header{0x4D42 /* "BM" */, offset + info.biSizeImage, 0, 0, offset};
    std::string file(reinterpret_cast<const char*>(&header), sizeof header);
    file.append(reinterpret_cast<const char*>(&info), sizeof info);
    for (int y = image.height() - 1; y >= 0; --y) {  // bottom-up rows of blue, green, red
        const std::size_t start = file.size();
        for (int x = 0; x < image.width(); ++x) {
            const COLORREF colour = image.at(x, y);
            file += {static_cast<char>(GetBValue(colour)), static_cast<char>(GetGValue(colour)),
                     static_cast<char>(GetRValue(colour))};
        }
        file.resize(start + rowBytes, '\0');
    }
    return writeFileBytes(path, file);
}

// Menus are mapped and painted a while after they open: waits until exactly this
// many are open and each shows at least `pixels` pixels of this colour; whether they did.
bool waitForMenusShowing(std::size_t menuCount, COLORREF colour, int pixels, DWORD timeoutMs = 8000) {
    return waitUntil(
        [&] {
            const auto menus = openMenus();
            const ScreenImage screen = captureScreen();
            return menus.size() == menuCount && std::all_of(menus.begin(), menus.end(), [&](HWND menu) {
                       return screen.count(windowRect(menu), colour) >= pixels;
                   });
        },
        timeoutMs);
}

// Saves what the screen shows around these windows, with a margin of 8 pixels, as
// a BMP file; false when it cannot.
bool savePictureOf(const std::vector<HWND>& windows, const std::string& path) {
    if (windows.empty()) {
        return false;
    }
    RECT all = windowRect(windows.front());
    for (HWND window : windows) {
        const RECT rect = windowRect(window);
        ::UnionRect(&all, &all, &rect);
    }
    ::InflateRect(&all, 8, 8);
    return saveBitmap(crop(captureScreen(), all), path);
}

class Pictures : public LauncherScenario {
  protected:
    void startWithPrograms() {
        bar_ = startWith({{.name = "tools", .type = 2, .level = 1},
                          {.name = "notepad", .level = 2, .app = "C:\\windows\\notepad.exe"},
                          {.name = "notebook",
                           .level = 2,
                           .app = "C:\\windows\\notepad.exe",
                           .option = "book.txt",
                           .comment = "the notes of the week"},
                          {.name = "regedit", .level = 2, .app = "C:\\windows\\regedit.exe"},
                          {.name = "コマンド", .level = 2, .app = "C:\\windows\\system32\\cmd.exe"}});
        ASSERT_NE(bar_, nullptr);
    }
    void savePicture(const std::vector<HWND>& windows, const std::string& name) {
        EXPECT_TRUE(savePictureOf(windows, folder_ + name));
    }

    // Where the status picture types the item's comment.
    RECT commentArea() const {
        const RECT bar = windowRect(bar_);
        return {bar.left + scale_.px(110), bar.top + scale_.px(45), bar.right, bar.top + scale_.px(57)};
    }

    // The pictures are taken at the screen's DPI (the test command takes the bar at 144 too).
    const display::DpiScale scale_ = screenScale();
    HWND bar_ = nullptr;
};

// The intro unfolding, then a name typed and its panel growing, frame by frame;
// then the bar with the completed name, a node's menu and the task menu.
TEST_F(Pictures, TheIntroTypingTheBarWithACompletedNameAndTheMenus) {
    startWithPrograms();
    std::vector<ScreenImage> frames;
    const auto capture = [&](int count) {
        for (int i = 0; i < count; ++i) {
            const RECT bar = windowRect(bar_);
            frames.push_back(crop(captureScreen(), {bar.left - 8, bar.top - 8, bar.left + scale_.px(300),
                                                    bar.top + scale_.px(100) + 8}));
            ::Sleep(30);
        }
    };
    ASSERT_EQ(runLauncher("/s"), 0u);
    ::SetForegroundWindow(bar_);
    capture(24);
    for (char letter : std::string("note")) {
        typeAscii(std::string(1, letter));
        capture(4);
    }
    capture(20);
    for (std::size_t i = 0; i < frames.size(); ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "frame-%03zu.bmp", i);
        EXPECT_TRUE(saveBitmap(frames[i], folder_ + name));
    }

    HWND box = findCommandBox(bar_);
    ASSERT_EQ(windowText(box), "notebook");
    // The typed part in the bar's text colour, the completed tail selected.
    ASSERT_GE(waitForColourIn(box, win32::kBarTextColour, 10, 10000), 10);
    EXPECT_GT(captureScreen().count(windowRect(box), ::GetSysColor(COLOR_HIGHLIGHT)), scale_.px(40));
    // The item's texts typed out in the status picture, the comment last.
    ASSERT_TRUE(
        waitUntil([&] { return captureScreen().count(commentArea(), kStatusTextColour) >= 20; }, 5000));
    ::Sleep(500);
    savePicture({bar_}, "bar.bmp");

    // An owner-drawn node menu with the icons of its programs, then the task menu.
    ::SendMessageA(findCommandEdit(bar_), EM_SETSEL, 0, -1);
    typeAscii("tools");
    ASSERT_TRUE(waitUntil([&] { return windowText(findCommandBox(bar_)) == "tools"; }, 5000));
    pressKey(VK_RETURN);
    ASSERT_NE(waitForOpenMenu(5000), nullptr);
    pressKey(VK_DOWN);   // the node's row
    pressKey(VK_RIGHT);  // its items
    // Each menu's icon strip, less what its icons and the highlighted row cover.
    ASSERT_TRUE(waitForMenusShowing(2, stripColour(), 300)) << "the node's row and Exit, and its four items";
    std::vector<HWND> shown = openMenus();
    shown.push_back(bar_);
    savePicture(shown, "node-menu.bmp");
    ASSERT_TRUE(closeOpenMenus());
    pressKey(VK_ESCAPE);  // the task menu opens from a hidden bar
    ASSERT_TRUE(waitUntil([&] { return !::IsWindowVisible(bar_); }, 5000));

    for (const char* title : {"Report.txt - Notepad", "Inbox - Mail", "build log"}) {
        ASSERT_NE(e2e::startProbeWindow(folder_ + "probe.exe", title), nullptr) << title;
    }
    pressChord({VK_LWIN, VK_SPACE});
    ASSERT_NE(waitForOpenMenu(5000), nullptr);
    ASSERT_TRUE(waitForMenusShowing(1, stripColour(), 1000)) << "three windows and Exit";
    savePicture(openMenus(), "task-menu.bmp");
    EXPECT_TRUE(closeOpenMenus());
}

}  // namespace
}  // namespace zek::e2e
