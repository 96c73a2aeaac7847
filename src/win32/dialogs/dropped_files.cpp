#include "win32/dialogs/dropped_files.h"

namespace zek::win32 {

std::vector<std::string> droppedPaths(HDROP drop) {
    constexpr UINT kPathBufferBytes = 512;
    std::vector<std::string> paths;
    const UINT count = ::DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT index = 0; index < count; ++index) {
        const UINT length = ::DragQueryFileA(drop, index, nullptr, 0);
        char path[kPathBufferBytes] = {};
        if (length > 0 && length < sizeof path &&
            ::DragQueryFileA(drop, index, path, sizeof path) == length) {
            paths.emplace_back(path, length);
        } else {
            paths.emplace_back();
        }
    }
    return paths;
}

}  // namespace zek::win32
