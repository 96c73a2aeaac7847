#include "win32/data/profile_store_win32.h"

#include <windows.h>

#include <algorithm>

#include "win32/platform/unique_handle.h"

namespace zek::win32 {

std::int32_t Win32ProfileStore::readInt(const std::string& path, const std::string& section,
                                        const std::string& key, std::int32_t defaultValue) {
    // The system hands the number back as UINT; a negative value comes through its
    // two's complement bits.
    return static_cast<std::int32_t>(
        ::GetPrivateProfileIntA(section.c_str(), key.c_str(), defaultValue, path.c_str()));
}

std::string Win32ProfileStore::readString(const std::string& path, const std::string& section,
                                          const std::string& key, const std::string& defaultValue,
                                          std::size_t bufferSize) {
    // The system counts the buffer in a DWORD; nothing larger can be asked for.
    const DWORD size = static_cast<DWORD>(std::min<std::size_t>(bufferSize, MAXDWORD));
    if (size == 0) {
        return {};
    }
    std::string value(size, '\0');
    const DWORD length = ::GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(),
                                                    value.data(), size, path.c_str());
    // The count alone is not to be trusted: when a double-byte character does not
    // fit, Wine leaves its byte unwritten yet counts it. The buffer starts zeroed,
    // so the first NUL is the true end.
    value.resize(std::min<DWORD>(length, size - 1));
    value.erase(std::min(value.find('\0'), value.size()));
    return value;
}

bool Win32ProfileStore::writeString(const std::string& path, const std::string& section,
                                    const std::string& key, const std::string& value) {
    return ::WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str()) != FALSE;
}

bool Win32ProfileStore::flush(const std::string& path) {
    // Commits whatever the system still caches for this file. Its result tells
    // nothing (Wine always reports failure here), so the file's own flush decides.
    ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
    const UniqueFileHandle file(::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file && ::FlushFileBuffers(file.get()) != FALSE;
}

bool Win32ProfileStore::removeFile(const std::string& path) {
    if (::DeleteFileA(path.c_str())) {
        return true;
    }
    const DWORD error = ::GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

bool Win32ProfileStore::replaceFile(const std::string& from, const std::string& to) {
    return ::MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) !=
           FALSE;
}

}  // namespace zek::win32
