#include "win32/platform/icons.h"

#include <windows.h>

#include <shellapi.h>

#include <climits>
#include <string>

#include "core/data/launcher_item.h"
#include "core/launch/default_icon.h"
#include "win32/platform/registry_text.h"
#include "win32/platform/shortcut.h"

namespace zek::win32 {
namespace {

// A shortcut may point at another shortcut; a ring of them must end somewhere.
constexpr int kMaxShortcutHops = 8;

UniqueIcon extractIcon(const std::string& file, int index, IconSize size) {
    // Only the wanted size is asked for: asking for both makes some systems hand
    // back a small icon shrunk from the large one. The handle stays untouched when
    // nothing is extracted, and a missing file gives UINT_MAX rather than 0.
    HICON icon = nullptr;
    const UINT extracted = ::ExtractIconExA(file.c_str(), index, size == IconSize::Large ? &icon : nullptr,
                                            size == IconSize::Small ? &icon : nullptr, 1);
    if (extracted == 0 || extracted == UINT_MAX) {
        return {};
    }
    return UniqueIcon(icon);
}

UniqueIcon registeredTypeIcon(std::string_view path, IconSize size) {
    const std::optional<std::string> className =
        readDefaultText(HKEY_CLASSES_ROOT, launch::extensionOf(path));
    if (!className) {
        return {};
    }
    const std::optional<std::string> iconKey = launch::defaultIconKeyOf(*className);
    if (!iconKey) {
        return {};
    }
    const std::optional<std::string> value = readDefaultText(HKEY_CLASSES_ROOT, *iconKey);
    if (!value) {
        return {};
    }
    const std::optional<launch::IconLocation> location = launch::parseDefaultIconLocation(*value);
    if (!location) {
        return {};
    }
    return extractIcon(location->file, location->index, size);
}

UniqueIcon loadIconFollowing(std::string_view path, IconSize size, int hopsLeft) {
    switch (launch::iconSourceOf(path)) {
        case launch::IconSource::None:
            return {};
        case launch::IconSource::FileResource:
            return extractIcon(std::string{path}, 0, size);
        case launch::IconSource::Shortcut: {
            if (hopsLeft == 0) {
                return {};
            }
            const std::optional<std::string> target = resolveShortcut(path);
            return target ? loadIconFollowing(*target, size, hopsLeft - 1) : UniqueIcon{};
        }
        case launch::IconSource::RegisteredType:
            return registeredTypeIcon(path, size);
    }
    return {};
}

}  // namespace

UniqueIcon loadIcon(std::string_view path, IconSize size) {
    return loadIconFollowing(path, size, kMaxShortcutHops);
}

UniqueIcon loadItemSmallIcon(const data::LauncherItem& item) {
    UniqueIcon icon = loadSmallIcon(item.icon());
    return icon ? std::move(icon) : loadSmallIcon(item.app());
}

}  // namespace zek::win32
