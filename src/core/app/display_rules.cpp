#include "core/app/display_rules.h"

#include <algorithm>

namespace zek::app {

std::uint8_t alphaForTransparency(std::int32_t transparentPercent) {
    const std::int32_t percent = std::clamp<std::int32_t>(transparentPercent, 0, 100);
    return static_cast<std::uint8_t>(static_cast<int>((100 - percent) * 2.55));
}

unsigned animationIntervalMs(std::int32_t cpu) {
    return static_cast<unsigned>(120 - std::clamp<std::int32_t>(cpu, 1, 100));
}

}  // namespace zek::app
