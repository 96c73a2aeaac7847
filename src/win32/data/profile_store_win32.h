#pragma once
// The settings file through the kernel's profile (INI) functions.

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/data/profile_store.h"

namespace zek::win32 {

class Win32ProfileStore final : public data::ProfileStore {
  public:
    std::int32_t readInt(const std::string& path, const std::string& section, const std::string& key,
                         std::int32_t defaultValue) override;
    std::string readString(const std::string& path, const std::string& section, const std::string& key,
                           const std::string& defaultValue, std::size_t bufferSize) override;
    bool writeString(const std::string& path, const std::string& section, const std::string& key,
                     const std::string& value) override;
    bool flush(const std::string& path) override;
    bool removeFile(const std::string& path) override;
    bool replaceFile(const std::string& from, const std::string& to) override;
};

}  // namespace zek::win32
