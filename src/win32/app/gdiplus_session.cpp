#include "win32/app/gdiplus_session.h"

#include "win32/platform/gdiplus_headers.h"

namespace zek::win32 {

GdiplusSession::GdiplusSession() {
    Gdiplus::GdiplusStartupInput input;  // version 1, no debug callback, background thread on
    ULONG_PTR token = 0;
    started_ = Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
    token_ = token;
}

void GdiplusSession::shutdown() {
    if (started_) {
        Gdiplus::GdiplusShutdown(token_);
        started_ = false;
    }
}

}  // namespace zek::win32
