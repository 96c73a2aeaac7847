#include "driver/files.h"

#include <shellapi.h>

#include "win32/platform/unique_handle.h"

namespace zek::e2e {

std::optional<std::string> readFileBytes(const std::string& path) {
    win32::UniqueFileHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                               nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return std::nullopt;
    }
    std::string bytes;
    char buffer[65536];
    DWORD read = 0;
    while (::ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0) {
        bytes.append(buffer, read);
    }
    return bytes;
}

bool writeFileBytes(const std::string& path, const std::string& bytes) {
    win32::UniqueFileHandle file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                               FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    return file &&
           ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

bool fileExists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool isFile(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool isFolder(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

void removeTree(const std::string& path) {
    const std::string from = path + '\0';  // a list of names, ended by an empty one
    SHFILEOPSTRUCTA remove{};
    remove.wFunc = FO_DELETE;
    remove.pFrom = from.c_str();
    remove.fFlags = FOF_NO_UI;
    ::SHFileOperationA(&remove);
}

TestFolder::TestFolder(std::string_view nameTail) {
    static unsigned serial = 0;
    char temp[MAX_PATH + 1] = {};
    ::GetTempPathA(sizeof temp, temp);
    path_ = std::string{temp} + "zek_win32_" + std::to_string(::GetCurrentProcessId()) + "_" +
            std::to_string(++serial) + std::string{nameTail};
    removeTree(path_);
    created_ = ::CreateDirectoryA(path_.c_str(), nullptr) != FALSE;
}

std::optional<FILETIME> lastWriteTime(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) {
        return std::nullopt;
    }
    return data.ftLastWriteTime;
}

}  // namespace zek::e2e
