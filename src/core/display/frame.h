#pragma once
// One frame of the status picture as a list of drawing operations with their
// exact numbers. The animation decides the list; the platform only draws it, in
// order, onto the 640 x 100 picture.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace zek::display {

inline constexpr int kPictureWidth = 640;
inline constexpr int kPictureHeight = 100;

// x, y, width, height, as GDI+ takes rectangles.
struct Box {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Box&) const = default;
};

// Left, top, right, bottom, as GDI takes rectangles and ellipses.
struct Corners {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const Corners&) const = default;
};

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct PointF {
    float x = 0;
    float y = 0;
    bool operator==(const PointF&) const = default;
};

// The drawing objects the display keeps from creation to destruction, and the
// two gradient slots a frame fills for itself.
enum class Brush : std::uint8_t { Cyan, Grey, Shadow, Light, Text, Panel, OnLine };
enum class Pen : std::uint8_t { Ring, Outline, Text, Trail0, Trail1, Trail2 };
enum class Font : std::uint8_t { Title, Text, Small };
enum class Icon : std::uint8_t { Item, Boot, Task, Extension };

inline constexpr std::uint32_t kCyanFrom = 0xFF14E6E6;
inline constexpr std::uint32_t kCyanTo = 0xFF059696;
inline constexpr std::uint32_t kGreyFrom = 0xFFC8C8C8;
inline constexpr std::uint32_t kGreyTo = 0xFF323232;
inline constexpr std::uint32_t kRingColour = 0xFF4B4B4B;
inline constexpr std::uint32_t kShadowColour = 0xFF0F0F0F;
inline constexpr std::uint32_t kLightColour = 0xFFFAFAFA;
inline constexpr std::uint32_t kTextColour = 0xFF32DCA0;
inline constexpr std::uint32_t kOutlineColour = 0xFF191919;
inline constexpr std::uint32_t kPanelFrom = 0xFF0A0A0A;
inline constexpr std::uint32_t kOnLineFrom = 0xFFFFFFFF;
inline constexpr std::uint32_t kOnLineTo = 0xFF78D2FA;

// Plain black shapes, drawn with a GDI black brush and the picture's own pen.
struct BlackRectangle {
    Corners area;
    bool operator==(const BlackRectangle&) const = default;
};
struct BlackEllipse {
    Corners area;
    bool operator==(const BlackEllipse&) const = default;
};
// Fills a gradient slot (Panel or OnLine) for the rest of the frame: a linear
// gradient over `area` at `angle` degrees, not angle-scalable, tiled.
struct MakeGradient {
    Brush slot = Brush::Panel;
    Box area;
    float angle = 0;
    std::uint32_t from = 0;
    std::uint32_t to = 0;
    bool operator==(const MakeGradient&) const = default;
};
struct FillPie {
    Brush brush = Brush::Cyan;
    Box bounds;
    float start = 0;  // degrees, clockwise
    float sweep = 0;
    bool operator==(const FillPie&) const = default;
};
struct FillEllipse {
    Brush brush = Brush::Cyan;
    Box bounds;
    bool operator==(const FillEllipse&) const = default;
};
struct DrawEllipse {
    Pen pen = Pen::Ring;
    Box bounds;
    bool operator==(const DrawEllipse&) const = default;
};
inline constexpr std::size_t kOutlinePoints = 15;
// Filled with the Panel gradient (alternate fill mode), then drawn with the outline pen.
struct PanelOutline {
    std::array<Point, kOutlinePoints> points{};
    bool operator==(const PanelOutline&) const = default;
};
struct DrawLine {
    Pen pen = Pen::Text;
    Point from;
    Point to;
    bool operator==(const DrawLine&) const = default;
};
// A connected line through the points.
struct DrawLines {
    Pen pen = Pen::Trail0;
    std::vector<PointF> points;
    bool operator==(const DrawLines&) const = default;
};
// The first `letters` characters of `text` (bytes in the system code page).
struct PaintText {
    Brush brush = Brush::Text;
    Font font = Font::Text;
    Point at;
    std::string text;
    std::size_t letters = 0;
    // Width and height of the box the text is clipped to, if any.
    std::optional<Point> clip;
    bool operator==(const PaintText&) const = default;
};
struct PaintIcon {
    Icon icon = Icon::Item;
    Box bounds;
    bool operator==(const PaintIcon&) const = default;
};

using DrawOperation = std::variant<BlackRectangle, BlackEllipse, MakeGradient, FillPie, FillEllipse,
                                   DrawEllipse, PanelOutline, DrawLine, DrawLines, PaintText, PaintIcon>;

// What one update draws, in order; empty when it draws nothing.
using Frame = std::vector<DrawOperation>;

}  // namespace zek::display
