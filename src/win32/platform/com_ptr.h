#pragma once
// The two COM owners the shell link needs: a reference that is released once, and a
// COM apartment that is left only if entering it succeeded.
#include <windows.h>

#include <objbase.h>

#include <utility>

#include "win32/platform/system_function.h"

namespace zek::win32 {

template <typename Interface>
class ComPtr {
  public:
    ComPtr() = default;
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            reset();
            pointer_ = std::exchange(other.pointer_, nullptr);
        }
        return *this;
    }
    ~ComPtr() { reset(); }

    Interface* get() const { return pointer_; }
    Interface* operator->() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }

    // For the out parameter of CoCreateInstance and QueryInterface; drops any
    // reference held before.
    void** receive() {
        reset();
        return reinterpret_cast<void**>(&pointer_);
    }

    void reset() {
        if (Interface* old = std::exchange(pointer_, nullptr)) {
            old->Release();
        }
    }

  private:
    Interface* pointer_ = nullptr;
};

class ScopedComApartment {
  public:
    ScopedComApartment() : entered_(SUCCEEDED(comInitialize())) {}
    ScopedComApartment(const ScopedComApartment&) = delete;
    ScopedComApartment& operator=(const ScopedComApartment&) = delete;
    ~ScopedComApartment() {
        // A thread already in another apartment kind refuses (RPC_E_CHANGED_MODE) but
        // can still use COM; it must not be left on its owner's behalf.
        if (entered_) {
            comUninitialize();
        }
    }

  private:
    bool entered_;
};

}  // namespace zek::win32
