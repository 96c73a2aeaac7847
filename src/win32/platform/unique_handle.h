#pragma once
// One move-only owner for every kind of Windows handle: the traits say what an
// empty handle is and how to release one.
#include <windows.h>

#include <commctrl.h>

#include <utility>

namespace zek::win32 {

template <typename Traits>
class UniqueHandle {
  public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            reset(other.release());
        }
        return *this;
    }
    ~UniqueHandle() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Traits::empty(); }
    Handle release() { return std::exchange(handle_, Traits::empty()); }
    void reset(Handle handle = Traits::empty()) {
        const Handle old = std::exchange(handle_, handle);
        if (old != Traits::empty()) {
            Traits::close(old);
        }
    }

  private:
    Handle handle_ = Traits::empty();
};

template <typename H, auto Close>
struct NullIsEmpty {
    using Handle = H;
    static constexpr Handle empty() { return nullptr; }
    static void close(Handle handle) { Close(handle); }
};

// Files and searches report failure as INVALID_HANDLE_VALUE, not null.
template <auto Close>
struct InvalidIsEmpty {
    using Handle = HANDLE;
    static Handle empty() { return INVALID_HANDLE_VALUE; }
    static void close(Handle handle) { Close(handle); }
};

inline void unmapView(void* view) {
    ::UnmapViewOfFile(view);
}
template <typename GdiObject>
void deleteGdiObject(GdiObject object) {
    ::DeleteObject(object);
}
inline void destroyImageList(HIMAGELIST list) {
    ::ImageList_Destroy(list);
}

using UniqueKernelHandle = UniqueHandle<NullIsEmpty<HANDLE, ::CloseHandle>>;
using UniqueFileHandle = UniqueHandle<InvalidIsEmpty<::CloseHandle>>;
using UniqueFindHandle = UniqueHandle<InvalidIsEmpty<::FindClose>>;
using UniqueMappedView = UniqueHandle<NullIsEmpty<void*, unmapView>>;
using UniqueModule = UniqueHandle<NullIsEmpty<HMODULE, ::FreeLibrary>>;
using UniqueWindow = UniqueHandle<NullIsEmpty<HWND, ::DestroyWindow>>;
using UniqueMenu = UniqueHandle<NullIsEmpty<HMENU, ::DestroyMenu>>;
using UniqueIcon = UniqueHandle<NullIsEmpty<HICON, ::DestroyIcon>>;
using UniqueMemoryDC = UniqueHandle<NullIsEmpty<HDC, ::DeleteDC>>;
using UniqueFont = UniqueHandle<NullIsEmpty<HFONT, deleteGdiObject<HFONT>>>;
using UniqueBrush = UniqueHandle<NullIsEmpty<HBRUSH, deleteGdiObject<HBRUSH>>>;
using UniqueBitmap = UniqueHandle<NullIsEmpty<HBITMAP, deleteGdiObject<HBITMAP>>>;
using UniqueRegKey = UniqueHandle<NullIsEmpty<HKEY, ::RegCloseKey>>;
using UniqueImageList = UniqueHandle<NullIsEmpty<HIMAGELIST, destroyImageList>>;

// A mutex wait that releases the mutex only if the wait obtained it. A mutex its
// last owner left without releasing counts as obtained.
class ScopedMutexWait {
  public:
    ScopedMutexWait(HANDLE mutex, DWORD timeoutMs) : mutex_(mutex) {
        if (mutex_ != nullptr) {
            const DWORD result = ::WaitForSingleObject(mutex_, timeoutMs);
            owned_ = result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
        }
    }
    ScopedMutexWait(const ScopedMutexWait&) = delete;
    ScopedMutexWait& operator=(const ScopedMutexWait&) = delete;
    bool owned() const { return owned_; }
    ~ScopedMutexWait() {
        if (owned_) {
            ::ReleaseMutex(mutex_);
        }
    }

  private:
    HANDLE mutex_;
    bool owned_ = false;
};

}  // namespace zek::win32
