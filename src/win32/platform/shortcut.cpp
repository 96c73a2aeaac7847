#include "win32/platform/shortcut.h"

#include <windows.h>

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include "core/launch/default_icon.h"
#include "win32/platform/com_ptr.h"
#include "win32/platform/wide_text.h"

namespace zek::win32 {

std::optional<std::string> resolveShortcut(std::string_view path) {
    if (launch::iconSourceOf(path) != launch::IconSource::Shortcut) {
        return std::nullopt;
    }
    const std::optional<std::wstring> target = shortcutTarget(wideText(path));
    if (!target) {
        return std::nullopt;
    }
    return narrowText(*target);
}

std::optional<std::wstring> shortcutTarget(const std::wstring& path) {
    // Every resolution owns its apartment and objects; nothing outlives the call.
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
    // S_FALSE: the shortcut points at no file-system path (a printer, a shell folder).
    // No find data is asked for: filling it looks the target up on disk, which costs
    // more than all the rest.
    if (link->GetPath(target, MAX_PATH, nullptr, SLGP_UNCPRIORITY) != S_OK || target[0] == L'\0') {
        return std::nullopt;
    }
    target[MAX_PATH - 1] = L'\0';
    return std::wstring{target};
}

}  // namespace zek::win32
