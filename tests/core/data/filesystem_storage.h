#pragma once
// DataFileStorage on std::filesystem, for native tests. The program's own storage
// is the Win32 one; this one does the same steps with the POSIX guarantee that a
// rename replaces its target in one step.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "data/data_file_storage.h"

namespace zek::data::test {

class FilesystemStorage final : public DataFileStorage {
  public:
    WholeFile readWholeFile(const std::string& path) override {
        WholeFile file;
        std::error_code error;
        if (!std::filesystem::exists(path, error)) {
            return file;
        }
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            file.status = WholeFile::Status::Unreadable;
            return file;
        }
        file.bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        file.status = in.bad() ? WholeFile::Status::Unreadable : WholeFile::Status::Read;
        return file;
    }

    bool exists(const std::string& path) override {
        std::error_code error;
        return std::filesystem::exists(path, error);
    }

    bool replaceWithBackup(const std::string& path, std::string_view content,
                           const std::string& backupPath) override {
        const std::string temporary = path + ".new";
        {
            std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
            out.write(content.data(), static_cast<std::streamsize>(content.size()));
            out.flush();
            if (!out) {
                std::error_code ignored;
                std::filesystem::remove(temporary, ignored);
                return false;
            }
        }
        std::error_code error;
        if (std::filesystem::exists(path, error) && !backupPath.empty()) {
            std::filesystem::copy_file(path, backupPath, std::filesystem::copy_options::overwrite_existing,
                                       error);
            if (error) {
                std::filesystem::remove(temporary, error);
                return false;
            }
        }
        std::filesystem::rename(temporary, path, error);
        return !error;
    }

    bool moveAside(const std::string& path, const std::string& asidePath) override {
        std::error_code error;
        if (std::filesystem::exists(asidePath, error)) {
            return false;
        }
        std::filesystem::rename(path, asidePath, error);
        return !error;
    }
};

}  // namespace zek::data::test
