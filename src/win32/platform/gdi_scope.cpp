#include "win32/platform/gdi_scope.h"

namespace zek::win32 {

bool PictureSurface::create(HWND compatibleWith, int width, int height) {
    destroy();
    {
        const ScopedGetDC windowDC(compatibleWith);
        dc_.reset(::CreateCompatibleDC(windowDC.get()));
        // Compatible with the window's DC, not the memory DC, which starts monochrome.
        bitmap_.reset(::CreateCompatibleBitmap(windowDC.get(), width, height));
    }
    if (!dc_ || !bitmap_) {
        destroy();
        return false;
    }
    const HGDIOBJ original = ::SelectObject(dc_.get(), bitmap_.get());
    if (original == nullptr || original == HGDI_ERROR) {
        destroy();
        return false;
    }
    originalBitmap_ = original;
    width_ = width;
    height_ = height;
    clear();
    return true;
}

void PictureSurface::destroy() {
    if (originalBitmap_ != nullptr) {
        ::SelectObject(dc_.get(), originalBitmap_);
        originalBitmap_ = nullptr;
    }
    bitmap_.reset();
    dc_.reset();
    width_ = 0;
    height_ = 0;
}

void PictureSurface::clear() const {
    if (dc_) {
        ::PatBlt(dc_.get(), 0, 0, width_, height_, BLACKNESS);
    }
}

void PictureSurface::copyTo(HDC target, int width, int height) const {
    if (dc_) {
        ::BitBlt(target, 0, 0, width, height, dc_.get(), 0, 0, SRCCOPY);
    }
}

}  // namespace zek::win32
