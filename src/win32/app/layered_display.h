#pragma once
#include <windows.h>

#include <cstdint>

namespace zek::win32 {

// Black is see-through and the rest is drawn with `alpha`. The function is looked
// up at run time; where the system lacks it, nothing happens.
void applyLayeredAttributes(HWND bar, std::uint8_t alpha);

}  // namespace zek::win32
