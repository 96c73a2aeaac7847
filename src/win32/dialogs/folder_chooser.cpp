#include "win32/dialogs/folder_chooser.h"

#include <shlobj.h>
#include <optional>

namespace zek::win32 {
namespace {

// SHGetPathFromIDListA writes up to MAX_PATH bytes; the room is the browser's own.
constexpr std::size_t kPathBufferBytes = 1040;

// An ID list the shell allocated, given back to the shell's allocator.
struct ShellIdList {
    LPITEMIDLIST list = nullptr;
    ShellIdList() = default;
    explicit ShellIdList(LPITEMIDLIST owned) : list(owned) {}
    ShellIdList(const ShellIdList&) = delete;
    ShellIdList& operator=(const ShellIdList&) = delete;
    ~ShellIdList() {
        if (list == nullptr) {
            return;
        }
        IMalloc* allocator = nullptr;
        if (SUCCEEDED(::SHGetMalloc(&allocator)) && allocator != nullptr) {
            allocator->Free(list);
            allocator->Release();
        }
    }
};

// The selection's path as the browser's status text, so the user sees where it is.
int CALLBACK browseCallback(HWND browser, UINT message, LPARAM lParam, LPARAM) {
    if (message == BFFM_SELCHANGED) {
        char path[kPathBufferBytes] = {};
        if (::SHGetPathFromIDListA(reinterpret_cast<LPCITEMIDLIST>(lParam), path)) {
            ::SendMessageA(browser, BFFM_SETSTATUSTEXTA, 0, reinterpret_cast<LPARAM>(path));
        }
    }
    return 0;
}

}  // namespace

std::optional<std::string> chooseFolder(HWND owner) {
    LPITEMIDLIST desktop = nullptr;
    if (FAILED(::SHGetSpecialFolderLocation(owner, CSIDL_DESKTOP, &desktop))) {
        desktop = nullptr;
    }
    const ShellIdList root(desktop);
    char displayName[kPathBufferBytes] = {};
    BROWSEINFOA request{};
    request.hwndOwner = owner;
    request.pidlRoot = root.list;
    request.pszDisplayName = displayName;
    request.lpszTitle = "ディレクトリを選択してください";
    request.ulFlags = BIF_RETURNONLYFSDIRS | BIF_STATUSTEXT;
    request.lpfn = browseCallback;
    const ShellIdList chosen(::SHBrowseForFolderA(&request));
    if (chosen.list == nullptr) {
        return std::nullopt;
    }
    char path[kPathBufferBytes] = {};
    if (!::SHGetPathFromIDListA(chosen.list, path) || path[0] == '\0') {
        return std::nullopt;
    }
    path[sizeof path - 1] = '\0';
    return std::string(path);
}

}  // namespace zek::win32
