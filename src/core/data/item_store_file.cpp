#include "core/data/item_store_file.h"

#include <new>
#include <utility>

#include "core/data/data_file.h"
#include "core/data/data_file_writer.h"

namespace zek::data {
namespace {

constexpr int kMaxAsideNames = 100;

}  // namespace

ItemStoreFile::ItemStoreFile(DataFileStorage& storage, std::optional<std::string> datPath)
    : storage_(storage), datPath_(std::move(datPath)) {}

std::string ItemStoreFile::backupPath() const {
    return datPath_ ? *datPath_ + ".bak" : std::string();
}

std::unique_ptr<ItemStore> ItemStoreFile::load() {
    report_ = LoadReport{};
    saveBlocked_ = false;
    try {
        return loadFile();
    } catch (const std::bad_alloc&) {
        // A file too large for the memory at hand is left as it is, and no save may
        // write over what could not be read.
        report_ = LoadReport{.fileStatus = WholeFile::Status::Unreadable};
        saveBlocked_ = true;
        return std::make_unique<ItemStore>(RecordTable{});
    }
}

std::unique_ptr<ItemStore> ItemStoreFile::loadFile() {
    if (!datPath_ || datPath_->empty()) {
        return std::make_unique<ItemStore>(RecordTable{});
    }
    WholeFile file = storage_.readWholeFile(*datPath_);
    if (file.status == WholeFile::Status::Read && file.bytes.size() > kMaxDataFileBytes) {
        file.status = WholeFile::Status::Unreadable;
    }
    report_.fileStatus = file.status;
    if (file.status != WholeFile::Status::Read) {
        saveBlocked_ = file.status == WholeFile::Status::Unreadable;
        return std::make_unique<ItemStore>(RecordTable{});
    }

    const bool fileIsEmpty = file.bytes.empty();
    DataFileReading reading = readDataFile(std::move(file.bytes));
    auto store = std::make_unique<ItemStore>(reading.records);
    report_.convertedFromOldFormat = reading.convertedFromOldFormat;

    if (store->itemsFromFile() == 0 && !fileIsEmpty && !reading.onlyHeader) {
        saveBlocked_ = !keepAside();
    } else if (reading.convertedFromOldFormat) {
        // When the converted file cannot be written the old one stays and still
        // loads next time; the tree in memory is the converted one either way.
        report_.conversionWritten =
            storage_.replaceWithBackup(*datPath_, reading.convertedText, backupPath());
    }
    return store;
}

bool ItemStoreFile::keepAside() {
    const std::string stem = *datPath_ + ".unreadable";
    for (int attempt = 0; attempt < kMaxAsideNames; ++attempt) {
        std::string aside = attempt == 0 ? stem : stem + std::to_string(attempt);
        if (storage_.exists(aside)) {
            continue;
        }
        if (storage_.moveAside(*datPath_, aside)) {
            report_.keptAsidePath = std::move(aside);
            return true;
        }
        return false;
    }
    return false;
}

SaveResult ItemStoreFile::save(const ItemStore& store) {
    if (store.root() == nullptr || store.count() == 0) {
        return SaveResult::Refused;
    }
    if (!datPath_ || datPath_->empty()) {
        return SaveResult::NoPath;
    }
    if (saveBlocked_) {
        return SaveResult::Blocked;
    }
    const std::string content = writeItemTree(store);
    if (!storage_.replaceWithBackup(*datPath_, content, backupPath())) {
        return SaveResult::WriteFailed;
    }
    return SaveResult::Written;
}

}  // namespace zek::data
