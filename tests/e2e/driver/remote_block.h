#pragma once
// Memory in another process, for messages whose parameters point to memory
// (structures and text buffers): written and read from here, freed when the object goes.
#include <windows.h>

#include <cstring>
#include <string>

#include "win32/platform/unique_handle.h"

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

// The process that owns `window`, opened to take a RemoteBlock.
inline win32::UniqueKernelHandle openOwnerOf(HWND window) {
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    return win32::UniqueKernelHandle(
        ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId));
}

// Sends `message` to a control of another process with a RECT there that starts as
// `rect` (controls take their input in it); the RECT the control wrote back, or
// `rect` when it could not be read.
inline RECT exchangeRect(HWND control, UINT message, WPARAM wParam, RECT rect) {
    const win32::UniqueKernelHandle process = openOwnerOf(control);
    if (!process) {
        return rect;
    }
    std::string bytes(sizeof rect, '\0');
    std::memcpy(bytes.data(), &rect, sizeof rect);
    const RemoteBlock block(process.get(), bytes);
    ::SendMessageA(control, message, wParam, reinterpret_cast<LPARAM>(block.address()));
    bytes = block.read(0, sizeof rect);
    if (bytes.size() == sizeof rect) {
        std::memcpy(&rect, bytes.data(), sizeof rect);
    }
    return rect;
}

}  // namespace zek::e2e
