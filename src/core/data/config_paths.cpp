#include "core/data/config_paths.h"

#include "core/text/path_split.h"

namespace zek::data {
namespace {

std::string besideProgram(const text::PathParts& program, std::string_view fileName) {
    std::string path;
    path.reserve(program.drive.size() + program.directory.size() + fileName.size());
    path += program.drive;
    path += program.directory;
    path += fileName;
    return path;
}

}  // namespace

ConfigPaths configPathsFor(std::optional<std::string_view> programPath) {
    ConfigPaths paths;
    if (!programPath || programPath->empty()) {
        return paths;
    }
    const text::PathParts program = text::splitPath(*programPath);
    paths.iniPath = besideProgram(program, kIniFileName);
    paths.datPath = besideProgram(program, kDataFileName);
    return paths;
}

}  // namespace zek::data
