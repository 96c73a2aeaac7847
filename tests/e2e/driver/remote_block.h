#pragma once
// Memory in another process, for messages whose parameters point to memory
// (structures and text buffers): written and read from here, freed when the object goes.
#include <windows.h>

#include <string>

namespace zek::e2e {

class RemoteBlock {
  public:
    RemoteBlock(HANDLE process, const std::string& bytes) : process_(process) {
        address_ = ::VirtualAllocEx(process, nullptr, bytes.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        if (address_ != nullptr &&
            !::WriteProcessMemory(process, address_, bytes.data(), bytes.size(), nullptr)) {
            release();
        }
    }
    ~RemoteBlock() { release(); }
    RemoteBlock(const RemoteBlock&) = delete;
    RemoteBlock& operator=(const RemoteBlock&) = delete;
    void* address() const { return address_; }
    char* at(std::size_t offset) const { return static_cast<char*>(address_) + offset; }
    // `size` bytes from `offset`; "" when they cannot be read.
    std::string read(std::size_t offset, std::size_t size) const {
        std::string bytes(size, '\0');
        SIZE_T got = 0;
        if (address_ == nullptr || !::ReadProcessMemory(process_, at(offset), bytes.data(), size, &got)) {
            return {};
        }
        bytes.resize(got);
        return bytes;
    }

  private:
    void release() {
        if (address_ != nullptr) {
            ::VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
            address_ = nullptr;
        }
    }
    HANDLE process_;
    void* address_ = nullptr;
};

}  // namespace zek::e2e
