#pragma once
// Files of a scenario folder, read and written byte for byte.
#include <windows.h>

#include <optional>
#include <string>

namespace zek::e2e {

std::optional<std::string> readFileBytes(const std::string& path);
bool writeFileBytes(const std::string& path, const std::string& bytes);
bool fileExists(const std::string& path);
// Last write time, for telling whether a file was rewritten even with equal bytes.
std::optional<FILETIME> lastWriteTime(const std::string& path);

}  // namespace zek::e2e
