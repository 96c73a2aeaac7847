#include "launch/file_chooser.h"

#include <gtest/gtest.h>

#include <dlgs.h>

#include <string>
#include <thread>
#include <vector>

#include "test_folder.h"

namespace zek::win32 {
namespace {

// What the open-file dialog showed when it came up.
struct DialogView {
    bool found = false;
    std::string title;
    std::vector<std::string> filters;
    int selectedFilter = -1;
    std::string name;
};

std::string windowText(HWND window) {
    char text[512] = {};
    ::SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

struct DialogSearch {
    DWORD threadId;
    HWND found;
};

BOOL CALLBACK findDialogOfThread(HWND window, LPARAM search) {
    auto* wanted = reinterpret_cast<DialogSearch*>(search);
    char className[16] = {};
    ::GetClassNameA(window, className, sizeof className);
    if (::GetWindowThreadProcessId(window, nullptr) == wanted->threadId &&
        std::string{className} == "#32770" && ::IsWindowVisible(window)) {
        wanted->found = window;
        return FALSE;
    }
    return TRUE;
}

// The box the file name is typed into: an edit of its own, or a combo box's edit.
HWND nameBox(HWND dialog) {
    if (HWND edit = ::GetDlgItem(dialog, edt1)) {
        return edit;
    }
    return ::GetDlgItem(dialog, cmb13);
}

// Waits on its own thread for the dialog that `chooserThread` opens, reads it, then
// types `pick` and confirms, or cancels when `pick` is empty.
class DialogDriver {
  public:
    DialogDriver(DWORD chooserThread, std::string pick)
        : worker_([this, chooserThread, pick = std::move(pick)] { drive(chooserThread, pick); }) {}

    const DialogView& finish() {
        worker_.join();
        return view_;
    }

  private:
    void drive(DWORD chooserThread, const std::string& pick) {
        DialogSearch search{chooserThread, nullptr};
        for (int attempt = 0; attempt < 500 && search.found == nullptr; ++attempt) {
            ::Sleep(20);
            ::EnumWindows(findDialogOfThread, reinterpret_cast<LPARAM>(&search));
        }
        const HWND dialog = search.found;
        if (dialog == nullptr) {
            return;
        }
        view_.found = true;
        view_.title = windowText(dialog);
        const HWND types = ::GetDlgItem(dialog, cmb1);
        const auto count = ::SendMessageA(types, CB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            char text[256] = {};
            ::SendMessageA(types, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
            view_.filters.emplace_back(text);
        }
        view_.selectedFilter = static_cast<int>(::SendMessageA(types, CB_GETCURSEL, 0, 0));
        view_.name = windowText(nameBox(dialog));
        if (pick.empty()) {
            ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            return;
        }
        ::SendMessageA(nameBox(dialog), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(pick.c_str()));
        ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDOK)));
    }

    DialogView view_;
    std::thread worker_;
};

const std::vector<std::string> kAllFiles = {"全てのファイル(*.*)"};

TEST(IconFileChoosers, EachShowsItsTitleAndFiltersAndCancelGivesNone) {
    struct Case {
        std::optional<std::string> (*choose)(HWND, std::string_view);
        std::vector<std::string> filters;
    };
    const Case cases[] = {
        {chooseExecutable, {"実行ファイル(*.exe)", "全てのファイル(*.*)"}},
        {chooseIconFile, {"アイコンファイル(*.ico)", "全てのファイル(*.*)"}},
        {chooseAnyFile, kAllFiles},
    };
    for (const Case& c : cases) {
        DialogDriver driver(::GetCurrentThreadId(), "");
        const std::optional<std::string> picked = c.choose(nullptr, "");
        const DialogView& view = driver.finish();
        ASSERT_TRUE(view.found);
        EXPECT_EQ(view.title, "ファイルを開く");
        EXPECT_EQ(view.filters, c.filters);
        EXPECT_EQ(view.selectedFilter, 0);
        EXPECT_EQ(view.name, "");
        EXPECT_EQ(picked, std::nullopt);
    }
}

TEST(IconFileChoosers, PickedFileComesBackWithItsFullPath) {
    test::TestFolder folder("_表ソ");
    ASSERT_TRUE(folder.created());
    const std::string program = folder.file("予定表.exe");
    ASSERT_TRUE(test::writeBytes(program, "MZ"));

    DialogDriver driver(::GetCurrentThreadId(), program);
    const std::optional<std::string> picked = chooseExecutable(nullptr, "start.exe");
    const DialogView& view = driver.finish();
    ASSERT_TRUE(view.found);
    EXPECT_EQ(view.name, "start.exe");
    EXPECT_EQ(picked, program);
}

}  // namespace
}  // namespace zek::win32
