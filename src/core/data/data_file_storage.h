#pragma once
// The file operations the data file needs, owned by the core and carried out by
// the platform: on Windows with the ANSI file functions and MoveFileExA.

#include <string>
#include <string_view>

namespace zek::data {

struct WholeFile {
    enum class Status {
        Missing,     // no such file
        Read,        // `bytes` holds all of it
        Unreadable,  // it exists but could not be read (locked, denied, too large)
    };
    Status status = Status::Missing;
    std::string bytes;
};

class DataFileStorage {
  public:
    virtual ~DataFileStorage() = default;

    virtual WholeFile readWholeFile(const std::string& path) = 0;
    virtual bool exists(const std::string& path) = 0;

    // Writes `content` to a new file beside `path`, flushes it to the disk, and only
    // then puts it in place of `path` in one step (replace existing, write through).
    // The file replaced, if there was one, is kept as `backupPath`, replacing an
    // older backup. When any step fails `path` is left as it was and false returned.
    virtual bool replaceWithBackup(const std::string& path, std::string_view content,
                                   const std::string& backupPath) = 0;

    // The platform's code for why the last replacement failed; 0 when it cannot tell.
    virtual unsigned long lastFailureCode() const { return 0; }

    // Renames `path` to `asidePath`, which does not exist. False when that fails.
    virtual bool moveAside(const std::string& path, const std::string& asidePath) = 0;
};

}  // namespace zek::data
