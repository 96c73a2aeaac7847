#pragma once
// A fresh folder of one's own under the system's temporary folder, removed with all
// it holds at the end; and file access through the C runtime, so that what the
// adapters under test wrote is checked by other means than their own.
#include <windows.h>

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/unique_handle.h"

namespace zek::win32::test {

struct FindHandleTraits {
    using Handle = HANDLE;
    static Handle empty() { return INVALID_HANDLE_VALUE; }
    static void close(Handle handle) { ::FindClose(handle); }
};
using UniqueFindHandle = UniqueHandle<FindHandleTraits>;

inline void removeTree(const std::string& path) {
    WIN32_FIND_DATAA entry{};
    const UniqueFindHandle find(::FindFirstFileA((path + "\\*").c_str(), &entry));
    if (find) {
        do {
            const std::string name = entry.cFileName;
            if (name == "." || name == "..") {
                continue;
            }
            const std::string child = path + "\\" + name;
            ::SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                removeTree(child);
            } else {
                ::DeleteFileA(child.c_str());
            }
        } while (::FindNextFileA(find.get(), &entry));
    }
    ::RemoveDirectoryA(path.c_str());
}

class TestFolder {
  public:
    // `nameTail` ends the folder's name, to put awkward characters into the paths.
    explicit TestFolder(std::string_view nameTail = {}) {
        static unsigned serial = 0;
        char temp[MAX_PATH + 1] = {};
        ::GetTempPathA(sizeof temp, temp);
        path_ = std::string{temp} + "zek_win32_" + std::to_string(::GetCurrentProcessId()) + "_" +
                std::to_string(++serial) + std::string{nameTail};
        removeTree(path_);
        created_ = ::CreateDirectoryA(path_.c_str(), nullptr) != FALSE;
    }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;
    ~TestFolder() { removeTree(path_); }

    bool created() const { return created_; }
    const std::string& path() const { return path_; }
    std::string file(std::string_view name) const { return path_ + "\\" + std::string{name}; }

  private:
    std::string path_;
    bool created_ = false;
};

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using UniqueCFile = std::unique_ptr<std::FILE, FileCloser>;

inline bool writeBytes(const std::string& path, std::string_view bytes) {
    const UniqueCFile file(std::fopen(path.c_str(), "wb"));
    return file && std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size() &&
           std::fflush(file.get()) == 0;
}

// Nothing when the file cannot be opened.
inline std::optional<std::string> readBytes(const std::string& path) {
    const UniqueCFile file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        return std::nullopt;
    }
    std::string bytes;
    char chunk[4096];
    for (std::size_t got; (got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0;) {
        bytes.append(chunk, got);
    }
    return bytes;
}

inline bool isFile(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

inline bool isFolder(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

inline bool isAbsent(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES;
}

}  // namespace zek::win32::test
