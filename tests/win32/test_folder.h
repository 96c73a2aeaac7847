#pragma once
// A fresh folder of one's own under the system's temporary folder, removed with all
// it holds at the end. Files are read and written with the end-to-end driver's
// helpers, which the adapters under test do not use.
#include <windows.h>

#include <string>
#include <string_view>

#include "driver/files.h"
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
