#include "app/gdiplus_session.h"

#include <windows.h>

#include <objidl.h>

#include <algorithm>
// The GDI+ headers expect min and max in scope.
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>

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
