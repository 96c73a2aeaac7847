#include "win32/data/data_file_storage_win32.h"

#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>

#include "core/data/item_store_file.h"
#include "win32/platform/unique_handle.h"

namespace zek::win32 {
namespace {

using data::WholeFile;

constexpr std::string_view kNewFileSuffix = ".new";

// ReadFile and WriteFile count in DWORDs; a whole file goes through in slices.
constexpr std::size_t kMaxSliceBytes = std::size_t{1} << 30;

bool isAbsence(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

bool writeAll(HANDLE file, std::string_view content) {
    while (!content.empty()) {
        const DWORD slice = static_cast<DWORD>(std::min(content.size(), kMaxSliceBytes));
        DWORD written = 0;
        if (!::WriteFile(file, content.data(), slice, &written, nullptr) || written != slice) {
            return false;
        }
        content.remove_prefix(slice);
    }
    return true;
}

// The new content under its own name beside the target. Removed again unless it
// has been moved into place.
class NewFile {
  public:
    explicit NewFile(std::string path) : path_(std::move(path)) {}
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;
    ~NewFile() {
        if (created_ && !placed_) {
            ::DeleteFileA(path_.c_str());
        }
    }

    // Complete and on the disk when this returns true.
    bool write(std::string_view content) {
        const UniqueFileHandle file(::CreateFileA(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                                  FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) {
            return false;  // not ours to delete: a leftover that could not be replaced
        }
        created_ = true;
        return writeAll(file.get(), content) && ::FlushFileBuffers(file.get()) != FALSE;
    }

    bool moveTo(const std::string& target) {
        placed_ = ::MoveFileExA(path_.c_str(), target.c_str(),
                                MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
        return placed_;
    }

  private:
    std::string path_;
    bool created_ = false;
    bool placed_ = false;
};

WholeFile readWhole(const std::string& path) {
    WholeFile result;
    const UniqueFileHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                              OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file) {
        result.status =
            isAbsence(::GetLastError()) ? WholeFile::Status::Missing : WholeFile::Status::Unreadable;
        return result;
    }
    result.status = WholeFile::Status::Unreadable;
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.get(), &size) || size.QuadPart < 0 ||
        static_cast<std::uint64_t>(size.QuadPart) > data::kMaxDataFileBytes) {
        return result;
    }
    // Writers are shut out while this handle is open, so the size holds; should the
    // file still end early, what was read is all there is.
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const DWORD slice = static_cast<DWORD>(std::min(bytes.size() - filled, kMaxSliceBytes));
        DWORD read = 0;
        if (!::ReadFile(file.get(), bytes.data() + filled, slice, &read, nullptr)) {
            return result;
        }
        if (read == 0) {
            break;
        }
        filled += read;
    }
    bytes.resize(filled);
    result.bytes = std::move(bytes);
    result.status = WholeFile::Status::Read;
    return result;
}

// The current file becomes the backup, which it replaces in one step, so a failure
// never leaves a half-written backup either. True also when there is no current
// file to keep. Written afresh rather than copied so that the backup does not take
// over attributes, such as read-only, that would stop the next replacement.
bool keepBackup(const std::string& path, const std::string& backupPath) {
    const WholeFile current = readWhole(path);
    if (current.status == WholeFile::Status::Missing) {
        return true;
    }
    if (current.status != WholeFile::Status::Read) {
        return false;
    }
    NewFile backup(backupPath + std::string{kNewFileSuffix});
    return backup.write(current.bytes) && backup.moveTo(backupPath);
}

}  // namespace

WholeFile Win32DataFileStorage::readWholeFile(const std::string& path) {
    return readWhole(path);
}

bool Win32DataFileStorage::exists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool Win32DataFileStorage::replaceWithBackup(const std::string& path, std::string_view content,
                                             const std::string& backupPath) {
    // The code is taken at the failing step, before clean-up can change it.
    lastFailureCode_ = 0;
    NewFile newFile(path + std::string{kNewFileSuffix});
    if (!newFile.write(content)) {
        lastFailureCode_ = ::GetLastError();
        return false;
    }
    if (!backupPath.empty() && !keepBackup(path, backupPath)) {
        lastFailureCode_ = ::GetLastError();
        return false;
    }
    if (!newFile.moveTo(path)) {
        lastFailureCode_ = ::GetLastError();
        return false;
    }
    return true;
}

bool Win32DataFileStorage::moveAside(const std::string& path, const std::string& asidePath) {
    // Without replace-existing: a file already at `asidePath` is never overwritten.
    return ::MoveFileExA(path.c_str(), asidePath.c_str(), MOVEFILE_WRITE_THROUGH) != FALSE;
}

}  // namespace zek::win32
