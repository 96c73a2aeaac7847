#pragma once
// The item store's file on disk: loads the store from "ZekLauncher.dat" and saves
// it back, without ever losing what the user had in the file.
//
// - An old-format file is converted on loading and the converted file replaces it,
//   the old one kept as "ZekLauncher.dat.bak".
// - Saving replaces the file in one step once the new content is complete; the
//   previous file becomes "ZekLauncher.dat.bak".
// - A file that holds something but yields no item at all is renamed to
//   "ZekLauncher.dat.unreadable" (or ".unreadable1", ... when taken) before the
//   default tree is used, so no later save writes over it. While a file could be
//   neither read nor set aside (or was too large for the memory at hand), saving
//   is refused.

#include <cstddef>
#include <memory>
#include <optional>
#include <string>

#include "core/data/data_file_storage.h"
#include "core/data/item_store.h"

namespace zek::data {

// Larger files are not read (their offsets would not fit the record table).
inline constexpr std::size_t kMaxDataFileBytes = std::size_t{1} << 30;

struct LoadReport {
    WholeFile::Status fileStatus = WholeFile::Status::Missing;
    bool convertedFromOldFormat = false;
    bool conversionWritten = false;
    std::string keptAsidePath;  // where an unreadable file went, "" when it stayed
};

enum class SaveResult {
    Written,
    Refused,      // an empty store
    NoPath,       // the program's folder is unknown: nothing is written
    Blocked,      // the file on disk could not be read nor set aside: it is not overwritten
    WriteFailed,  // the file on disk is as it was
};

class ItemStoreFile {
  public:
    // `datPath` is nothing when the program's folder could not be found.
    ItemStoreFile(DataFileStorage& storage, std::optional<std::string> datPath);

    std::unique_ptr<ItemStore> load();
    const LoadReport& lastLoad() const { return report_; }

    SaveResult save(const ItemStore& store);
    // Why the last WriteFailed happened, as the storage tells it (0: unknown).
    unsigned long lastFailureCode() const { return storage_.lastFailureCode(); }

    std::string backupPath() const;

  private:
    std::unique_ptr<ItemStore> loadFile();
    bool keepAside();

    DataFileStorage& storage_;
    std::optional<std::string> datPath_;
    LoadReport report_;
    bool saveBlocked_ = false;
};

}  // namespace zek::data
