#pragma once
#include <windows.h>

#include "win32/platform/unique_handle.h"

namespace zek::win32 {

// A copy of the icon in which every pixel of exactly 0 becomes 0x000F0F0F, so that
// its black parts stay visible where black is the see-through colour. None for none.
UniqueIcon recolouredCopy(HICON icon);

}  // namespace zek::win32
