#pragma once
// The GDI+ C++ headers. They expect min and max in their namespace, and the
// platform headers behind them define `small` as a macro: include this only in
// files that do not name anything `small`.
#include <windows.h>

#include <objidl.h>

#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>
