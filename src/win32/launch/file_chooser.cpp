#include "win32/launch/file_chooser.h"

#include <windows.h>

#include <commdlg.h>

#include <algorithm>
#include <cstddef>

#include "core/launch/default_icon.h"
#include "win32/platform/system_function.h"

namespace zek::win32 {
namespace {

using namespace std::string_view_literals;

// (display text, pattern) pairs, each part ended by NUL, the list by a second NUL
// (the literal's own terminator).
constexpr std::string_view kExecutableFilter = "実行ファイル(*.exe)\0*.exe\0全てのファイル(*.*)\0*.*\0"sv;
constexpr std::string_view kIconFileFilter = "アイコンファイル(*.ico)\0*.ico\0全てのファイル(*.*)\0*.*\0"sv;
constexpr std::string_view kAnyFileFilter = "全てのファイル(*.*)\0*.*\0"sv;

// The record without the Windows 2000 additions, which every version of the dialog
// accepts: it ends where those additions begin.
constexpr DWORD kRecordSizeBeforeWindows2000 = offsetof(OPENFILENAMEA, pvReserved);
static_assert(sizeof(void*) != 4 || kRecordSizeBeforeWindows2000 == 76);

std::optional<std::string> chooseFile(HWND owner, std::string_view initialName, std::string_view filter) {
    char path[launch::kIconTextCapacity] = {};
    if (initialName.size() < sizeof path) {
        std::copy(initialName.begin(), initialName.end(), path);
    }
    OPENFILENAMEA request{};
    request.lStructSize = kRecordSizeBeforeWindows2000;
    request.hwndOwner = owner;
    request.lpstrFilter = filter.data();
    request.nFilterIndex = 1;
    request.lpstrFile = path;
    request.nMaxFile = sizeof path;
    request.lpstrTitle = "ファイルを開く";
    request.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    static const auto getOpenFileName =
        systemFunction<decltype(::GetOpenFileNameA)>("comdlg32.dll", "GetOpenFileNameA");
    if (getOpenFileName == nullptr || !getOpenFileName(&request)) {
        return std::nullopt;
    }
    path[sizeof path - 1] = '\0';
    return std::string{path};
}

}  // namespace

std::optional<std::string> chooseExecutable(HWND owner, std::string_view initialName) {
    return chooseFile(owner, initialName, kExecutableFilter);
}

std::optional<std::string> chooseIconFile(HWND owner, std::string_view initialName) {
    return chooseFile(owner, initialName, kIconFileFilter);
}

std::optional<std::string> chooseAnyFile(HWND owner, std::string_view initialName) {
    return chooseFile(owner, initialName, kAnyFileFilter);
}

}  // namespace zek::win32
