#include "win32/platform/shortcut.h"

#include <windows.h>

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include "core/launch/default_icon.h"
#include "win32/platform/com_ptr.h"

namespace zek::win32 {

std::optional<std::string> resolveShortcut(std::string_view path) {
    if (launch::iconSourceOf(path) != launch::IconSource::Shortcut) {
        return std::nullopt;
    }
    const std::string ansiPath{path};
    wchar_t widePath[MAX_PATH];
    if (::MultiByteToWideChar(CP_ACP, 0, ansiPath.c_str(), -1, widePath, MAX_PATH) == 0) {
        return std::nullopt;
    }

    // Every resolution owns its apartment and objects; nothing outlives the call.
    const ScopedComApartment apartment;
    ComPtr<IShellLinkA> link;
    if (FAILED(comCreateInstance(CLSID_ShellLink, IID_IShellLinkA, link.receive()))) {
        return std::nullopt;
    }
    ComPtr<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.receive())) ||
        FAILED(file->Load(widePath, STGM_READ))) {
        return std::nullopt;
    }
    char target[launch::kIconTextCapacity] = {};
    // S_FALSE: the shortcut points at no file-system path (a printer, a shell folder).
    // No find data is asked for: filling it looks the target up on disk, which costs
    // more than all the rest.
    if (link->GetPath(target, sizeof target, nullptr, SLGP_UNCPRIORITY) != S_OK || target[0] == '\0') {
        return std::nullopt;
    }
    target[sizeof target - 1] = '\0';
    return std::string{target};
}

std::optional<std::wstring> shortcutTarget(const std::wstring& path) {
    const ScopedComApartment apartment;
    ComPtr<IShellLinkW> link;
    if (FAILED(comCreateInstance(CLSID_ShellLink, IID_IShellLinkW, link.receive()))) {
        return std::nullopt;
    }
    ComPtr<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.receive())) ||
        FAILED(file->Load(path.c_str(), STGM_READ))) {
        return std::nullopt;
    }
    wchar_t target[MAX_PATH] = {};
    // As above: no find data, and S_FALSE for what is no file-system path.
    if (link->GetPath(target, MAX_PATH, nullptr, SLGP_UNCPRIORITY) != S_OK || target[0] == L'\0') {
        return std::nullopt;
    }
    target[MAX_PATH - 1] = L'\0';
    return std::wstring{target};
}

}  // namespace zek::win32
