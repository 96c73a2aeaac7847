#pragma once
// The driver's own view of the hand-over block, to play a hostile or watching peer.
#include <windows.h>

#include <cstddef>

#include "win32/platform/unique_handle.h"

namespace zek::e2e {

class SharedBlock {
  public:
    // Creates (or opens) the named block with this size and fills it with `fill`.
    SharedBlock(std::size_t size, char fill);
    explicit operator bool() const { return static_cast<bool>(view_); }
    char* bytes() const { return static_cast<char*>(view_.get()); }
    std::size_t size() const { return size_; }
    bool allBytesAre(char fill) const;

  private:
    win32::UniqueKernelHandle mapping_;
    win32::UniqueMappedView view_;
    std::size_t size_;
};

}  // namespace zek::e2e
