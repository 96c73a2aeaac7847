#include "win32/platform/process_path.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "win32/platform/unique_handle.h"

namespace zek::win32 {
namespace {

UniqueWindow createOwnWindow() {
    return UniqueWindow(::CreateWindowExA(0, "STATIC", "zek process path", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                          nullptr, ::GetModuleHandleA(nullptr), nullptr));
}

std::string thisProgram() {
    char path[MAX_PATH + 1] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, path, sizeof path);
    return std::string(path, length);
}

// Another program's windows are the running-window scenarios' business.
TEST(ProcessPath, AWindowNamesItsProgramOnlyWhenThePathFitsWhole) {
    const UniqueWindow window = createOwnWindow();
    ASSERT_TRUE(window);
    const std::string expected = thisProgram();
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(getWindowProcessPath(window.get()), expected);
    std::string buffer(expected.size() + 8, 'x');

    ASSERT_EQ(getWindowProcessPath(window.get(), buffer.data(), expected.size() + 1), 1);
    EXPECT_EQ(buffer.substr(0, expected.size() + 1), expected + '\0');
    EXPECT_EQ(buffer[expected.size() + 1], 'x');  // nothing beyond the size given

    buffer.assign(expected.size() + 8, 'x');
    EXPECT_EQ(getWindowProcessPath(window.get(), buffer.data(), expected.size()), 0);
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_EQ(buffer.find_first_not_of('x', 1), std::string::npos);
}

TEST(ProcessPath, NoWindowNoPath) {
    HWND destroyed = nullptr;
    {
        const UniqueWindow window = createOwnWindow();
        ASSERT_TRUE(window);
        destroyed = window.get();
    }
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
