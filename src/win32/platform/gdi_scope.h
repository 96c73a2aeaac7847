#pragma once
// Scoped GDI state beside the handle owners: a borrowed DC, an object selected
// into a DC, a paint cycle, and an off-screen picture. Each gives back what it
// took on every path, in the order GDI needs.
#include <windows.h>

#include "win32/platform/unique_handle.h"

namespace zek::win32 {

// A window's DC, or the whole screen's when the window is null, released at scope end.
class ScopedGetDC {
  public:
    explicit ScopedGetDC(HWND window = nullptr) : window_(window), dc_(::GetDC(window)) {}
    ScopedGetDC(const ScopedGetDC&) = delete;
    ScopedGetDC& operator=(const ScopedGetDC&) = delete;
    ~ScopedGetDC() {
        if (dc_ != nullptr) {
            ::ReleaseDC(window_, dc_);
        }
    }

    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

  private:
    HWND window_;
    HDC dc_;
};

// An object selected into a DC for the scope; the DC gets its previous object back.
class ScopedSelectObject {
  public:
    ScopedSelectObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
    ScopedSelectObject(const ScopedSelectObject&) = delete;
    ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;
    ~ScopedSelectObject() {
        // A selection that failed took nothing to give back.
        if (previous_ != nullptr && previous_ != HGDI_ERROR) {
            ::SelectObject(dc_, previous_);
        }
    }

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

// One WM_PAINT cycle: BeginPaint now, EndPaint at scope end.
class PaintScope {
  public:
    explicit PaintScope(HWND window) : window_(window), dc_(::BeginPaint(window, &paint_)) {}
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    ~PaintScope() { ::EndPaint(window_, &paint_); }

    HDC dc() const { return dc_; }
    const PAINTSTRUCT& paint() const { return paint_; }

  private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// An off-screen picture: a memory DC compatible with a window and a bitmap of its
// own selected into it. The DC's original bitmap goes back in before either is
// deleted, as a bitmap still selected into a DC cannot be.
class PictureSurface {
  public:
    PictureSurface() = default;
    PictureSurface(const PictureSurface&) = delete;
    PictureSurface& operator=(const PictureSurface&) = delete;
    ~PictureSurface() { destroy(); }

    // A black picture of this size; false, and nothing held, when GDI could not make one.
    bool create(HWND compatibleWith, int width, int height);
    void destroy();

    HDC dc() const { return dc_.get(); }
    explicit operator bool() const { return static_cast<bool>(dc_); }
    // The whole picture black again.
    void clear() const;
    // The picture's top left corner, this size, onto the target's.
    void copyTo(HDC target, int width, int height) const;

  private:
    UniqueMemoryDC dc_;
    UniqueBitmap bitmap_;
    HGDIOBJ originalBitmap_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace zek::win32
