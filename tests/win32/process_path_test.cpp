#include "platform/process_path.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/unique_handle.h"

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

TEST(ProcessPath, AWindowOfThisProcessNamesTheTestProgram) {
    const UniqueWindow window = createOwnWindow();
    ASSERT_TRUE(window);
    const std::string expected = thisProgram();
    ASSERT_FALSE(expected.empty());

    char buffer[kProcessPathBufferBytes];
    ASSERT_EQ(getWindowProcessPath(window.get(), buffer, sizeof buffer), 1);
    EXPECT_EQ(std::string{buffer}, expected);
    EXPECT_EQ(getWindowProcessPath(window.get()), expected);
}

TEST(ProcessPath, APathThatDoesNotFitWholeIsNotWrittenAtAll) {
    const UniqueWindow window = createOwnWindow();
    ASSERT_TRUE(window);
    const std::string expected = thisProgram();
    std::string buffer(expected.size() + 8, 'x');

    ASSERT_EQ(getWindowProcessPath(window.get(), buffer.data(), expected.size() + 1), 1);
    EXPECT_EQ(buffer.substr(0, expected.size() + 1), expected + '\0');
    EXPECT_EQ(buffer[expected.size() + 1], 'x');  // nothing beyond the size given

    buffer.assign(expected.size() + 8, 'x');
    EXPECT_EQ(getWindowProcessPath(window.get(), buffer.data(), expected.size()), 0);
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_EQ(buffer.find_first_not_of('x', 1), std::string::npos);

    EXPECT_EQ(getWindowProcessPath(window.get(), buffer.data(), 1), 0);
    EXPECT_EQ(buffer[0], '\0');
    buffer[0] = 'x';
    EXPECT_EQ(getWindowProcessPath(window.get(), buffer.data(), 0), 0);
    EXPECT_EQ(buffer[0], 'x');
    EXPECT_EQ(getWindowProcessPath(window.get(), nullptr, 512), 0);
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

// Another program's window: the path comes from that process, not from ours.
struct WindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK findWindowOfProcess(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<WindowSearch*>(context);
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    if (processId != search->processId) {
        return TRUE;
    }
    search->found = window;
    return FALSE;
}

TEST(ProcessPath, AWindowOfAnotherProgramNamesThatProgram) {
    char systemFolder[MAX_PATH + 1] = {};
    ::GetSystemDirectoryA(systemFolder, sizeof systemFolder);
    std::string program = std::string{systemFolder} + "\\notepad.exe";
    if (::GetFileAttributesA(program.c_str()) == INVALID_FILE_ATTRIBUTES) {
        GTEST_SKIP() << "no " << program;
    }
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWMINNOACTIVE;
    PROCESS_INFORMATION started{};
    std::string commandLine = "\"" + program + "\"";
    ASSERT_TRUE(::CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                 nullptr, &startup, &started));
    const UniqueKernelHandle process(started.hProcess);
    const UniqueKernelHandle thread(started.hThread);
    struct Ending {
        HANDLE process;
        ~Ending() {
            ::TerminateProcess(process, 0);
            ::WaitForSingleObject(process, 5000);
        }
    } ending{process.get()};

    ::WaitForInputIdle(process.get(), 10000);
    WindowSearch search{started.dwProcessId, nullptr};
    for (const ULONGLONG deadline = ::GetTickCount64() + 10000;
         search.found == nullptr && ::GetTickCount64() < deadline; ::Sleep(20)) {
        ::EnumWindows(findWindowOfProcess, reinterpret_cast<LPARAM>(&search));
    }
    ASSERT_NE(search.found, nullptr) << "no window of " << program;

    char image[MAX_PATH + 1] = {};
    DWORD imageLength = sizeof image;
    ASSERT_TRUE(::QueryFullProcessImageNameA(process.get(), 0, image, &imageLength));
    EXPECT_EQ(getWindowProcessPath(search.found), std::string(image, imageLength));
    EXPECT_NE(getWindowProcessPath(search.found), thisProgram());
}

}  // namespace
}  // namespace zek::win32
