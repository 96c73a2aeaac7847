#pragma once
// The driver's own view of the hand-over block, to play a hostile or watching peer.
#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "core/app/remote_command.h"
#include "win32/platform/unique_handle.h"

namespace zek::e2e {

class SharedBlock {
  public:
    // Creates (or opens) the named block with this size and fills it with `fill`.
    SharedBlock(std::size_t size, char fill)
        : mapping_(::CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                        static_cast<DWORD>(size), app::kSharedMemoryName)),
          view_(mapping_ ? ::MapViewOfFile(mapping_.get(), FILE_MAP_ALL_ACCESS, 0, 0, size) : nullptr),
          size_(size) {
        if (view_) {
            std::memset(bytes(), fill, size);
        }
    }
    explicit operator bool() const { return static_cast<bool>(view_); }
    char* bytes() const { return static_cast<char*>(view_.get()); }
    std::size_t size() const { return size_; }
    bool allBytesAre(char fill) const {
        return std::all_of(bytes(), bytes() + size_, [fill](char byte) { return byte == fill; });
    }

  private:
    win32::UniqueKernelHandle mapping_;
    win32::UniqueMappedView view_;
    std::size_t size_;
};

}  // namespace zek::e2e
