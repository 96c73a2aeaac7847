#pragma once
// Moved to the driver's kit; kept for tests written against the old name.
#include "driver/object_counts.h"
namespace zek::win32::test {
using namespace zek::e2e;
}  // namespace zek::win32::test
