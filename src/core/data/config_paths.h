#pragma once
// Where the program keeps its two files: beside its own executable.

#include <optional>
#include <string>
#include <string_view>

namespace zek::data {

inline constexpr std::string_view kIniFileName = "ZekLauncher.ini";
inline constexpr std::string_view kDataFileName = "ZekLauncher.dat";

struct ConfigPaths {
    std::optional<std::string> iniPath;  // nothing when the program's folder is unknown
    std::optional<std::string> datPath;
};

// The paths of both files in the folder of `programPath` (the executable's full
// path); nothing when it is not known or empty.
ConfigPaths configPathsFor(std::optional<std::string_view> programPath);

}  // namespace zek::data
