#include "core/display/dpi_scale.h"

#include <cstdint>
#include <type_traits>
#include <variant>

namespace zek::display {
namespace {

// value * numerator / denominator, rounded half away from zero, in 64 bits so no
// figure a screen can hold overflows on the way.
int mulDiv(int value, int numerator, int denominator) {
    const std::int64_t product = static_cast<std::int64_t>(value) * numerator;
    const std::int64_t half = denominator / 2;
    const std::int64_t rounded =
        product >= 0 ? (product + half) / denominator : (product - half) / denominator;
    return static_cast<int>(rounded);
}

}  // namespace

int DpiScale::px(int units) const {
    return mulDiv(units, dpi_, kBaseDpi);
}

float DpiScale::px(float units) const {
    return units * static_cast<float>(dpi_) / static_cast<float>(kBaseDpi);
}

int DpiScale::units(int pixels) const {
    return mulDiv(pixels, kBaseDpi, dpi_);
}

Box DpiScale::px(const Box& box) const {
    const int left = px(box.x);
    const int top = px(box.y);
    return {left, top, px(box.x + box.width) - left, px(box.y + box.height) - top};
}

Corners DpiScale::px(const Corners& corners) const {
    return {px(corners.left), px(corners.top), px(corners.right), px(corners.bottom)};
}

Point DpiScale::px(const Point& point) const {
    return {px(point.x), px(point.y)};
}

Frame scaledFrame(Frame frame, const DpiScale& scale) {
    if (scale.isBase()) {
        return frame;
    }
    for (DrawOperation& operation : frame) {
        std::visit(
            [&](auto& op) {
                using Kind = std::decay_t<decltype(op)>;
                if constexpr (std::is_same_v<Kind, BlackRectangle> || std::is_same_v<Kind, BlackEllipse>) {
                    op.area = scale.px(op.area);
                } else if constexpr (std::is_same_v<Kind, MakeGradient>) {
                    op.area = scale.px(op.area);
                } else if constexpr (std::is_same_v<Kind, PanelOutline>) {
                    for (Point& point : op.points) {
                        point = scale.px(point);
                    }
                } else if constexpr (std::is_same_v<Kind, DrawLine>) {
                    op.from = scale.px(op.from);
                    op.to = scale.px(op.to);
                } else if constexpr (std::is_same_v<Kind, DrawLines>) {
                    for (PointF& point : op.points) {
                        point = {scale.px(point.x), scale.px(point.y)};
                    }
                } else if constexpr (std::is_same_v<Kind, PaintText>) {
                    op.at = scale.px(op.at);
                    if (op.clip) {
                        op.clip = scale.px(*op.clip);
                    }
                } else {
                    op.bounds = scale.px(op.bounds);
                }
            },
            operation);
    }
    return frame;
}

}  // namespace zek::display
