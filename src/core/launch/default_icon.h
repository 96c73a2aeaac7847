#pragma once
// Where the icon of a path comes from, and the reading of the icon location that the
// registry names for a document type (the default value of "<class>\DefaultIcon",
// "file,index"). Registry values are hostile input: anything this cannot use
// yields no location, never a guess.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zek::launch {

// Bytes of a path or registry text the program handles, terminator included.
inline constexpr std::size_t kIconTextCapacity = 512;

enum class IconSource {
    None,            // an empty path
    FileResource,    // ".exe" or ".ico": the file's own first icon
    Shortcut,        // ".lnk": the icon of the shortcut's target
    RegisteredType,  // anything else: the icon the registry names for the extension
};

// Decided by the extension of the last path component, ignoring ASCII case.
IconSource iconSourceOf(std::string_view path);

// The extension of the last path component with its dot ("" for none): the name of
// the registry key that holds the class of a document type.
std::string_view extensionOf(std::string_view path);

// "<class>\DefaultIcon"; none for an empty class name or a key that would not fit.
std::optional<std::string> defaultIconKeyOf(std::string_view className);

struct IconLocation {
    std::string file;
    // As ExtractIconEx takes it: 0 or more counts icons in the file, a negative
    // number is minus a resource id.
    std::int32_t index = 0;

    bool operator==(const IconLocation&) const = default;
};

// Splits "file,index" at its last comma (a comma in the first place separates
// nothing) and reads the index as atoi would. No location for: no comma, a file part
// of kIconTextCapacity bytes or more, a quoted file ("), one with "%" (a placeholder
// such as %1 or an environment variable, which is never expanded), or a negative
// index beyond the 16-bit resource ids. The file part is used exactly as stored.
std::optional<IconLocation> parseDefaultIconLocation(std::string_view value);

}  // namespace zek::launch
