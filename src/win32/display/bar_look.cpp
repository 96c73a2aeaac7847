#include "win32/display/bar_look.h"

namespace zek::win32 {

BarLook BarLook::create(const display::DpiScale& scale) {
    BarLook look;
    look.background.reset(::CreateSolidBrush(kBarBackgroundColour));
    look.text.reset(::CreateFontA(scale.px(12), 0, 0, 0, 100, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, FIXED_PITCH,
                                  ""));
    look.small.reset(::CreateFontA(scale.px(11), 0, 0, 0, 100, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                                   OUT_TT_ONLY_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                                   FIXED_PITCH | FF_SCRIPT, ""));
    look.title.reset(::CreateFontA(scale.px(14), 0, 0, 4, 500, FALSE, TRUE, FALSE, ANSI_CHARSET,
                                   OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, 0,
                                   "Monotype Corsiva"));
    return look;
}

}  // namespace zek::win32
