#include "driver/start_menu.h"

#include <windows.h>

#include <shlobj.h>

#include <algorithm>

#include "driver/files.h"
#include "win32/platform/com_ptr.h"

namespace zek::e2e {

bool createShortcut(const std::string& linkPath, const std::string& target, const std::string& arguments) {
    const win32::ScopedComApartment apartment;
    win32::ComPtr<IShellLinkA> link;
    win32::ComPtr<IPersistFile> file;
    wchar_t widePath[MAX_PATH];
    return SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                        link.receive())) &&
           SUCCEEDED(link->SetPath(target.c_str())) && SUCCEEDED(link->SetArguments(arguments.c_str())) &&
           SUCCEEDED(link->QueryInterface(IID_IPersistFile, file.receive())) &&
           ::MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, widePath, MAX_PATH) != 0 &&
           SUCCEEDED(file->Save(widePath, TRUE));
}

StartMenuShortcuts::~StartMenuShortcuts() {
    for (const std::string& entry : made_) {
        removeTree(entry);
    }
}

std::string StartMenuShortcuts::programsFolder(Menu menu) {
    char folder[MAX_PATH] = {};
    const int which = menu == Menu::User ? CSIDL_PROGRAMS : CSIDL_COMMON_PROGRAMS;
    if (FAILED(::SHGetFolderPathA(nullptr, which | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, folder))) {
        return {};
    }
    return folder;
}

std::string StartMenuShortcuts::add(Menu menu, const std::string& relativePath, const std::string& target,
                                    const std::string& arguments) {
    const std::string programs = programsFolder(menu);
    if (programs.empty()) {
        return {};
    }
    const std::string top = programs + "\\" + relativePath.substr(0, relativePath.find('\\'));
    if (std::find(made_.begin(), made_.end(), top) == made_.end()) {
        made_.push_back(top);
    }
    for (std::size_t slash = relativePath.find('\\'); slash != std::string::npos;
         slash = relativePath.find('\\', slash + 1)) {
        ::CreateDirectoryA((programs + "\\" + relativePath.substr(0, slash)).c_str(), nullptr);
    }
    const std::string staged = staging_ + "staged.lnk";
    const std::string path = programs + "\\" + relativePath;
    if (!createShortcut(staged, target, arguments) || !::MoveFileA(staged.c_str(), path.c_str())) {
        return {};
    }
    return path;
}

}  // namespace zek::e2e
