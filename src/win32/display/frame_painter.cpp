#include "win32/display/frame_painter.h"

#include <algorithm>
#include <optional>
#include <string>
#include <type_traits>

#include "win32/platform/gdi_scope.h"
#include "win32/platform/gdiplus_headers.h"

namespace zek::win32 {

namespace {

using display::Brush;
using display::Pen;

Gdiplus::Color argb(std::uint32_t value) {
    return Gdiplus::Color(static_cast<Gdiplus::ARGB>(value));
}

Gdiplus::Rect rectOf(const display::Box& box) {
    return {box.x, box.y, box.width, box.height};
}

// Linear gradients of the picture: angle-fixed, tiled.
class Gradient : public Gdiplus::LinearGradientBrush {
  public:
    Gradient(const display::Box& area, std::uint32_t from, std::uint32_t to, float angle)
        : LinearGradientBrush(rectOf(area), argb(from), argb(to), angle, FALSE) {
        SetWrapMode(Gdiplus::WrapModeTile);
    }
};

LOGFONTA logFontOf(HFONT font) {
    LOGFONTA logFont{};
    ::GetObjectA(font, sizeof logFont, &logFont);
    return logFont;
}

}  // namespace

struct FramePainter::Objects {
    Objects(HDC picture, const LOGFONTA& title, const LOGFONTA& text, const LOGFONTA& smallText)
        : titleFont(picture, &title), textFont(picture, &text), smallFont(picture, &smallText) {
        graphics.emplace(picture);
    }

    Gdiplus::Brush* brush(Brush which) {
        switch (which) {
            case Brush::Cyan:
                return &cyan;
            case Brush::Grey:
                return &grey;
            case Brush::Shadow:
                return &shadow;
            case Brush::Light:
                return &light;
            case Brush::Text:
                return &text;
            case Brush::Panel:
                return panel ? &*panel : nullptr;
            case Brush::OnLine:
                return onLine ? &*onLine : nullptr;
        }
        return nullptr;
    }
    Gdiplus::Pen* pen(Pen which) {
        switch (which) {
            case Pen::Ring:
                return &ringPen;
            case Pen::Outline:
                return &outlinePen;
            case Pen::Text:
                return &textPen;
            case Pen::Trail0:
            case Pen::Trail1:
            case Pen::Trail2:
                return &trailPens[static_cast<int>(which) - static_cast<int>(Pen::Trail0)];
        }
        return nullptr;
    }
    const Gdiplus::Font* font(display::Font which) const {
        switch (which) {
            case display::Font::Title:
                return &titleFont;
            case display::Font::Text:
                return &textFont;
            case display::Font::Small:
                return &smallFont;
        }
        return nullptr;
    }

    // Whether everything that lives from creation to destruction was made.
    bool complete() const {
        const Gdiplus::Status statuses[] = {
            graphics->GetLastStatus(),    cyan.GetLastStatus(),         grey.GetLastStatus(),
            ringPen.GetLastStatus(),      textPen.GetLastStatus(),      outlinePen.GetLastStatus(),
            shadow.GetLastStatus(),       light.GetLastStatus(),        text.GetLastStatus(),
            trailPens[0].GetLastStatus(), trailPens[1].GetLastStatus(), trailPens[2].GetLastStatus(),
            titleFont.GetLastStatus(),    textFont.GetLastStatus(),     smallFont.GetLastStatus()};
        return std::ranges::all_of(statuses, [](Gdiplus::Status status) { return status == Gdiplus::Ok; });
    }

    // Not on the heap: GDI+ allocates its objects itself and gives nothing when it
    // is not running.
    std::optional<Gdiplus::Graphics> graphics;
    Gradient cyan{{0, 0, 100, 100}, display::kCyanFrom, display::kCyanTo, 0};
    Gradient grey{{0, 0, 100, 100}, display::kGreyFrom, display::kGreyTo, 0};
    Gdiplus::SolidBrush ringSolid{argb(display::kRingColour)};
    Gdiplus::SolidBrush shadow{argb(display::kShadowColour)};
    Gdiplus::SolidBrush light{argb(display::kLightColour)};
    Gdiplus::SolidBrush text{argb(display::kTextColour)};
    Gdiplus::SolidBrush outlineSolid{argb(display::kOutlineColour)};
    Gdiplus::Pen ringPen{&ringSolid, 1};
    Gdiplus::Pen textPen{&text, 1};
    Gdiplus::Pen outlinePen{&outlineSolid, 1};
    // Each trail has a pen of its own, in the ring's colour.
    Gdiplus::SolidBrush trailSolids[3]{argb(display::kRingColour), argb(display::kRingColour),
                                       argb(display::kRingColour)};
    Gdiplus::Pen trailPens[3]{{&trailSolids[0], 1}, {&trailSolids[1], 1}, {&trailSolids[2], 1}};
    Gdiplus::Font titleFont;
    Gdiplus::Font textFont;
    Gdiplus::Font smallFont;
    // The two gradients that follow the animation, made and let go per frame.
    std::optional<Gradient> panel;
    std::optional<Gradient> onLine;
    std::wstring wide;
};

std::unique_ptr<FramePainter> FramePainter::create(HDC picture, const StatusFonts& fonts) {
    if (picture == nullptr || fonts.title == nullptr || fonts.text == nullptr || fonts.smallText == nullptr) {
        return nullptr;
    }
    auto objects = std::make_unique<Objects>(picture, logFontOf(fonts.title), logFontOf(fonts.text),
                                             logFontOf(fonts.smallText));
    if (!objects->complete()) {
        return nullptr;
    }
    return std::make_unique<FramePainter>(Key{}, picture, std::move(objects));
}

FramePainter::FramePainter(Key, HDC picture, std::unique_ptr<Objects> objects)
    : picture_(picture), objects_(std::move(objects)) {}

FramePainter::~FramePainter() = default;

void FramePainter::paint(const display::Frame& frame, const Icons& icons) {
    Objects& o = *objects_;
    const ScopedSelectObject blackBrush(picture_, ::GetStockObject(BLACK_BRUSH));
    bool gdiPending = false;
    for (const display::DrawOperation& operation : frame) {
        // GDI may hold its shapes back; they must be in the pixels before GDI+ draws over them.
        const bool byGdi = std::holds_alternative<display::BlackRectangle>(operation) ||
                           std::holds_alternative<display::BlackEllipse>(operation) ||
                           std::holds_alternative<display::PaintIcon>(operation);
        if (gdiPending && !byGdi) {
            ::GdiFlush();
        }
        gdiPending = byGdi;
        std::visit(
            [&](const auto& op) {
                using Kind = std::decay_t<decltype(op)>;
                if constexpr (std::is_same_v<Kind, display::BlackRectangle>) {
                    ::Rectangle(picture_, op.area.left, op.area.top, op.area.right, op.area.bottom);
                } else if constexpr (std::is_same_v<Kind, display::BlackEllipse>) {
                    ::Ellipse(picture_, op.area.left, op.area.top, op.area.right, op.area.bottom);
                } else if constexpr (std::is_same_v<Kind, display::MakeGradient>) {
                    auto& slot = op.slot == Brush::Panel ? o.panel : o.onLine;
                    slot.emplace(op.area, op.from, op.to, op.angle);
                } else if constexpr (std::is_same_v<Kind, display::FillPie>) {
                    if (Gdiplus::Brush* brush = o.brush(op.brush)) {
                        o.graphics->FillPie(brush, rectOf(op.bounds), op.start, op.sweep);
                    }
                } else if constexpr (std::is_same_v<Kind, display::FillEllipse>) {
                    if (Gdiplus::Brush* brush = o.brush(op.brush)) {
                        o.graphics->FillEllipse(brush, rectOf(op.bounds));
                    }
                } else if constexpr (std::is_same_v<Kind, display::DrawEllipse>) {
                    o.graphics->DrawEllipse(o.pen(op.pen), rectOf(op.bounds));
                } else if constexpr (std::is_same_v<Kind, display::PanelOutline>) {
                    Gdiplus::Point points[display::kOutlinePoints];
                    for (std::size_t i = 0; i < display::kOutlinePoints; ++i) {
                        points[i] = Gdiplus::Point(op.points[i].x, op.points[i].y);
                    }
                    if (Gdiplus::Brush* brush = o.brush(Brush::Panel)) {
                        o.graphics->FillPolygon(brush, points, display::kOutlinePoints,
                                                Gdiplus::FillModeAlternate);
                    }
                    o.graphics->DrawPolygon(&o.outlinePen, points, display::kOutlinePoints);
                } else if constexpr (std::is_same_v<Kind, display::DrawLine>) {
                    o.graphics->DrawLine(o.pen(op.pen), op.from.x, op.from.y, op.to.x, op.to.y);
                } else if constexpr (std::is_same_v<Kind, display::DrawLines>) {
                    static_assert(sizeof(display::PointF) == sizeof(Gdiplus::PointF));
                    o.graphics->DrawLines(o.pen(op.pen),
                                          reinterpret_cast<const Gdiplus::PointF*>(op.points.data()),
                                          static_cast<INT>(op.points.size()));
                } else if constexpr (std::is_same_v<Kind, display::PaintText>) {
                    paintText(op);
                } else if constexpr (std::is_same_v<Kind, display::PaintIcon>) {
                    if (HICON icon = icons[static_cast<std::size_t>(op.icon)]) {
                        ::DrawIconEx(picture_, op.bounds.x, op.bounds.y, icon, op.bounds.width,
                                     op.bounds.height, 0, nullptr, DI_NORMAL);
                    }
                }
            },
            operation);
    }
    o.panel.reset();
    o.onLine.reset();
    ::GdiFlush();
}

// Texts arrive in the system code page; GDI+ draws wide characters, as many as
// have been typed out.
void FramePainter::paintText(const display::PaintText& text) {
    Objects& o = *objects_;
    Gdiplus::Brush* brush = o.brush(text.brush);
    const int bytes = static_cast<int>(text.text.size());
    const int size = ::MultiByteToWideChar(CP_ACP, 0, text.text.data(), bytes, nullptr, 0);
    if (brush == nullptr || size <= 0) {
        return;
    }
    o.wide.resize(static_cast<std::size_t>(size));
    ::MultiByteToWideChar(CP_ACP, 0, text.text.data(), bytes, o.wide.data(), size);
    const auto letters = static_cast<INT>(std::min<std::size_t>(text.letters, o.wide.size()));
    const auto x = static_cast<Gdiplus::REAL>(text.at.x);
    const auto y = static_cast<Gdiplus::REAL>(text.at.y);
    if (text.clip) {
        const Gdiplus::RectF box(x, y, static_cast<Gdiplus::REAL>(text.clip->x),
                                 static_cast<Gdiplus::REAL>(text.clip->y));
        o.graphics->DrawString(o.wide.c_str(), letters, o.font(text.font), box, nullptr, brush);
    } else {
        o.graphics->DrawString(o.wide.c_str(), letters, o.font(text.font), Gdiplus::PointF(x, y), brush);
    }
}

}  // namespace zek::win32
