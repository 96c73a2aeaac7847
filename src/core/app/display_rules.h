#pragma once
// How the stored display settings become the bar's opacity and animation pace.
#include <cstdint>

namespace zek::app {

// Layered-window alpha for a transparency percent: (100 - percent) * 2.55,
// truncated (0 gives 254, 50 gives 127). A hand-edited value outside 0..100
// is held to that range, so the alpha always fits a byte.
std::uint8_t alphaForTransparency(std::int32_t transparentPercent);

// Milliseconds between animation frames for a CPU-load level: 120 - cpu. A
// hand-edited level outside 1..100 is held to that range (no zero or negative
// interval, no timer slower than the slowest the settings offer).
unsigned animationIntervalMs(std::int32_t cpu);

}  // namespace zek::app
