// Another program's windows are the running-window scenarios' business.
#include "win32/platform/process_path.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "icon_kit.h"
#include "win32/platform/unique_handle.h"

namespace zek::win32 {
namespace {

UniqueWindow createOwnWindow() {
    return UniqueWindow(::CreateWindowExA(0, "STATIC", "zek process path", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                          nullptr, ::GetModuleHandleA(nullptr), nullptr));
}

TEST(ProcessPath, AWindowNamesItsProgramOnlyWhenThePathFitsWhole) {
    const UniqueWindow window = createOwnWindow();
    ASSERT_TRUE(window);
    const std::string expected = e2e::ownProgramPath();
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(getWindowProcessPath(window.get()), expected);
    // Exactly the room it needs, and a byte less: nothing is written beyond the size given.
    for (const std::size_t size : {expected.size() + 1, expected.size()}) {
        std::string buffer(expected.size() + 8, 'x');
        const bool fits = size > expected.size();
        EXPECT_EQ(getWindowProcessPath(window.get(), buffer.data(), size), fits ? 1 : 0);
        const std::string written = fits ? expected + '\0' : std::string(1, '\0');
        EXPECT_EQ(buffer, written + std::string(buffer.size() - written.size(), 'x')) << size;
    }
}

TEST(ProcessPath, NoWindowNoPath) {
    HWND destroyed = createOwnWindow().get();
    HWND bogus = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x7FFFFFF0));
    ASSERT_FALSE(::IsWindow(bogus));
    ASSERT_FALSE(::IsWindow(destroyed));
    for (HWND window : {HWND{nullptr}, bogus, destroyed}) {
        char buffer[kProcessPathBufferBytes] = "stale";
        EXPECT_EQ(getWindowProcessPath(window, buffer, sizeof buffer), 0) << window;
        EXPECT_EQ(buffer[0], '\0') << window;
        EXPECT_EQ(getWindowProcessPath(window), std::nullopt) << window;
    }
}

}  // namespace
}  // namespace zek::win32
