#pragma once
// The bar's fonts, brush and colours, created with the window and again when it
// moves to a screen of another DPI.
#include <windows.h>

#include "core/display/dpi_scale.h"
#include "win32/platform/unique_handle.h"

namespace zek::win32 {

inline constexpr COLORREF kBarTextColour = 0x00B4DC32;
inline constexpr COLORREF kBarBackgroundColour = 0x000A0A0A;

struct BarLook {
    UniqueBrush background;
    UniqueFont text;   // the command box; name, date and time in the status picture
    UniqueFont small;  // path, option, comment and kind of the shown item
    UniqueFont title;  // the "On Line" words

    static BarLook create(const display::DpiScale& scale);
};

}  // namespace zek::win32
