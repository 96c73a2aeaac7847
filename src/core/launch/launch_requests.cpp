#include "core/launch/launch_requests.h"

#include <string>

#include "core/text/compare.h"
#include "core/text/path_split.h"

namespace zek::launch {
namespace {

using data::ItemType;
using data::LauncherItem;
using data::LauncherSettings;

bool hasFiler(const LauncherSettings& settings) {
    return !settings.filer().fileApp.empty();
}

// The own association of the path's extension: the last component's text from its
// last dot, looked up without the dot and case-sensitively.
const data::Association* associationFor(std::string_view path, const LauncherSettings& settings) {
    const std::string_view extension = text::splitPath(path).extension;
    if (extension.size() < 2) {  // no extension, or a lone dot: an empty key finds nothing
        return nullptr;
    }
    return settings.findAssociation(extension.substr(1));
}

// Drive and directory, with the trailing separator.
std::string folderOf(std::string_view path) {
    const text::PathParts parts = text::splitPath(path);
    std::string folder{parts.drive};
    folder += parts.directory;
    return folder;
}

bool isProgram(std::string_view path) {
    return text::compareIgnoringCase(text::splitPath(path).extension, ".exe") == 0;
}

}  // namespace

std::optional<ShellRequest> requestForDataItem(const LauncherItem& item, const LauncherSettings& settings,
                                               const FileStatusQuery& files) {
    const data::ItemFields& fields = item.fields();
    if (fields.type != ItemType::DataItem || fields.app.empty()) {
        return std::nullopt;
    }
    const bool usesOwnAssociations = fields.extension == 1;
    // The status matters only for the filer; a failed query merely rules the filer out.
    if (usesOwnAssociations && hasFiler(settings)) {
        const std::optional<FileStatus> status = files.statusOf(fields.app);
        if (status && isFolder(*status)) {
            const data::FilerSetting& filer = settings.filer();
            return ShellRequest{
                filer.fileApp, composeParameters(filer.fileAppOption, fields.option, fields.app), fields.dir};
        }
    }
    if (usesOwnAssociations) {
        if (const data::Association* association = associationFor(fields.app, settings)) {
            return ShellRequest{association->appPath,
                                composeParameters(association->appOption, fields.option, fields.app),
                                fields.dir};
        }
    }
    return ShellRequest{fields.app, fields.option, fields.dir};
}

std::optional<ShellRequest> requestForOpenFile(const LauncherItem* item, std::string_view path,
                                               const LauncherSettings& settings,
                                               const FileStatusQuery& files) {
    if (path.empty()) {
        return std::nullopt;
    }
    if (item != nullptr) {
        // Only a program can take a file; the path goes as it is, file or folder.
        const data::ItemFields& fields = item->fields();
        if (fields.app.empty() || !isProgram(fields.app)) {
            return std::nullopt;
        }
        return ShellRequest{fields.app, composeParameters({}, fields.option, path), fields.dir};
    }
    const std::string pathText{path};
    const std::optional<FileStatus> status = files.statusOf(pathText);
    if (!status) {
        return std::nullopt;
    }
    if (isFolder(*status)) {
        if (hasFiler(settings)) {
            const data::FilerSetting& filer = settings.filer();
            return ShellRequest{filer.fileApp, composeParameters(filer.fileAppOption, {}, path), {}};
        }
        return ShellRequest{pathText, {}, {}};
    }
    std::string folder = folderOf(path);
    if (const data::Association* association = associationFor(path, settings)) {
        return ShellRequest{association->appPath, composeParameters(association->appOption, {}, path),
                            std::move(folder)};
    }
    return ShellRequest{pathText, {}, std::move(folder)};
}

std::optional<ShellRequest> requestForItemFolder(const LauncherItem* item, const LauncherSettings& settings,
                                                 const FileStatusQuery& files) {
    if (item == nullptr || item->type() != ItemType::DataItem || item->app().empty()) {
        return std::nullopt;
    }
    const data::ItemFields& fields = item->fields();
    const std::optional<FileStatus> status = files.statusOf(fields.app);
    if (!status) {
        return std::nullopt;
    }
    const data::FilerSetting& filer = settings.filer();
    if (isFolder(*status)) {
        if (hasFiler(settings)) {
            return ShellRequest{
                filer.fileApp, composeParameters(filer.fileAppOption, fields.option, fields.app), fields.dir};
        }
        return ShellRequest{fields.app, {}, fields.app};
    }
    if (status->regularFile) {
        std::string folder = folderOf(fields.app);
        if (hasFiler(settings)) {
            return ShellRequest{filer.fileApp, composeParameters(filer.fileAppOption, fields.option, folder),
                                std::move(folder)};
        }
        return ShellRequest{folder, {}, folder};
    }
    return std::nullopt;
}

}  // namespace zek::launch
