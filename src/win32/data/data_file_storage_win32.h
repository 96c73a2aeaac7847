#pragma once
// The data file's storage on Windows: the ANSI file functions, with every
// replacement built aside, flushed, and moved into place in one step.

#include <string>
#include <string_view>

#include "core/data/data_file_storage.h"

namespace zek::win32 {

class Win32DataFileStorage final : public data::DataFileStorage {
  public:
    // A file that another program holds open for writing counts as unreadable: what
    // it holds at that moment may be half written.
    data::WholeFile readWholeFile(const std::string& path) override;
    bool exists(const std::string& path) override;

    // The new content is first written to `path` + ".new", and the backup is made
    // before the new file takes the old one's place; if that last step fails, the
    // backup has become a copy of the unchanged file. An empty `backupPath` keeps no
    // backup.
    bool replaceWithBackup(const std::string& path, std::string_view content,
                           const std::string& backupPath) override;
    bool moveAside(const std::string& path, const std::string& asidePath) override;
    // The system error code of the step that failed last.
    unsigned long lastFailureCode() const override { return lastFailureCode_; }

  private:
    unsigned long lastFailureCode_ = 0;
};

}  // namespace zek::win32
