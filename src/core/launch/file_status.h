#pragma once
// The file-system status the launch decisions ask for: whether a path exists and
// whether it is a folder or a regular file. The program answers from the system;
// tests answer from a table.

#include <optional>
#include <string>

namespace zek::launch {

struct FileStatus {
    bool directory = false;
    bool regularFile = false;
};

// A folder as the launcher treats it: the directory bit without the regular-file bit.
constexpr bool isFolder(FileStatus status) {
    return status.directory && !status.regularFile;
}

class FileStatusQuery {
  public:
    virtual ~FileStatusQuery() = default;
    // The status of `path`, or none when it cannot be had (the path does not exist).
    virtual std::optional<FileStatus> statusOf(const std::string& path) const = 0;
};

}  // namespace zek::launch
