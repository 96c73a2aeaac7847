#pragma once
// Files of a scenario folder, read and written byte for byte.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace zek::e2e {

std::optional<std::string> readFileBytes(const std::string& path);
bool writeFileBytes(const std::string& path, const std::string& bytes);
bool fileExists(const std::string& path);
// Last write time, for telling whether a file was rewritten even with equal bytes.
std::optional<FILETIME> lastWriteTime(const std::string& path);

bool isFile(const std::string& path);
bool isFolder(const std::string& path);
// A folder's path the way programs report their current folder: no backslash at the end.
inline std::string withoutTrailingBackslash(std::string path) {
    if (!path.empty() && path.back() == '\\') {
        path.pop_back();
    }
    return path;
}
// Removes the file, or the folder with everything in it.
void removeTree(const std::string& path);

// A fresh folder of one's own under the system's temporary folder, removed with all
// it holds at the end.
class TestFolder {
  public:
    // `nameTail` ends the folder's name, to put awkward characters into the paths.
    explicit TestFolder(std::string_view nameTail = {});
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

}  // namespace zek::e2e
