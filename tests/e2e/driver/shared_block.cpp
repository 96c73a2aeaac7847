#include "driver/shared_block.h"

#include <algorithm>
#include <cstring>

#include "core/app/remote_command.h"

namespace zek::e2e {

SharedBlock::SharedBlock(std::size_t size, char fill) : size_(size) {
    mapping_.reset(::CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                        static_cast<DWORD>(size), app::kSharedMemoryName));
    if (mapping_) {
        view_.reset(::MapViewOfFile(mapping_.get(), FILE_MAP_ALL_ACCESS, 0, 0, size));
    }
    if (view_) {
        std::memset(view_.get(), fill, size);
    }
}

bool SharedBlock::allBytesAre(char fill) const {
    return std::all_of(bytes(), bytes() + size_, [fill](char byte) { return byte == fill; });
}

}  // namespace zek::e2e
