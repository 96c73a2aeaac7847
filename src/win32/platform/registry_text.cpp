#include "win32/platform/registry_text.h"

#include "core/launch/default_icon.h"
#include "win32/platform/unique_handle.h"

namespace zek::win32 {

std::optional<std::string> readDefaultText(HKEY root, std::string_view subKey) {
    const std::string keyName{subKey};
    HKEY opened = nullptr;
    if (::RegOpenKeyExA(root, keyName.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    const UniqueRegKey key(opened);
    char text[launch::kIconTextCapacity];
    DWORD type = REG_NONE;
    DWORD size = sizeof text;
    if (::RegQueryValueExA(key.get(), nullptr, nullptr, &type, reinterpret_cast<BYTE*>(text), &size) !=
            ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ)) {
        return std::nullopt;
    }
    // A value written without its terminator fills `size` bytes exactly; one written
    // with bytes after the terminator ends at the terminator.
    std::string_view value(text, size);
    value = value.substr(0, value.find('\0'));
    if (value.size() >= sizeof text) {
        return std::nullopt;
    }
    return std::string{value};
}

}  // namespace zek::win32
