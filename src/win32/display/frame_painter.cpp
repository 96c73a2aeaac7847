#include "win32/display/frame_painter.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <string>
#include <type_traits>

#include "win32/platform/gdi_scope.h"
#include "win32/platform/gdiplus_headers.h"
#include "win32/platform/wide_text.h"

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
    Objects(HDC picture, const display::DpiScale& scale, const LOGFONTA& titleLog, const LOGFONTA& textLog,
            const LOGFONTA& smallLog)
        : cyan{scale.px(kGradientSquare), display::kCyanFrom, display::kCyanTo, 0},
          grey{scale.px(kGradientSquare), display::kGreyFrom, display::kGreyTo, 0},
          ringPen{&ringSolid, scale.px(1.0F)},
          textPen{&text, scale.px(1.0F)},
          outlinePen{&outlineSolid, scale.px(1.0F)},
          trailPens{{&trailSolids[0], scale.px(1.0F)},
                    {&trailSolids[1], scale.px(1.0F)},
                    {&trailSolids[2], scale.px(1.0F)}},
          titleFont(picture, &titleLog),
          textFont(picture, &textLog),
          smallFont(picture, &smallLog) {
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
    static constexpr display::Box kGradientSquare{0, 0, 100, 100};
    std::optional<Gdiplus::Graphics> graphics;
    // The brushes come before the pens made from them.
    Gdiplus::SolidBrush ringSolid{argb(display::kRingColour)};
    Gdiplus::SolidBrush shadow{argb(display::kShadowColour)};
    Gdiplus::SolidBrush light{argb(display::kLightColour)};
    Gdiplus::SolidBrush text{argb(display::kTextColour)};
    Gdiplus::SolidBrush outlineSolid{argb(display::kOutlineColour)};
    // Each trail has a pen of its own, in the ring's colour.
    Gdiplus::SolidBrush trailSolids[3]{argb(display::kRingColour), argb(display::kRingColour),
                                       argb(display::kRingColour)};
    Gradient cyan;
    Gradient grey;
    // One pixel wide at 96 DPI.
    Gdiplus::Pen ringPen;
    Gdiplus::Pen textPen;
    Gdiplus::Pen outlinePen;
    Gdiplus::Pen trailPens[3];
    Gdiplus::Font titleFont;
    Gdiplus::Font textFont;
    Gdiplus::Font smallFont;
    // The two gradients that follow the animation, made and let go per frame.
    std::optional<Gradient> panel;
    std::optional<Gradient> onLine;
    std::wstring wide;
};

std::unique_ptr<FramePainter> FramePainter::create(HDC picture, const StatusFonts& fonts,
                                                   const display::DpiScale& scale) {
    if (picture == nullptr || fonts.title == nullptr || fonts.text == nullptr || fonts.smallText == nullptr) {
        return nullptr;
    }
    auto objects = std::make_unique<Objects>(picture, scale, logFontOf(fonts.title), logFontOf(fonts.text),
                                             logFontOf(fonts.smallText));
    if (!objects->complete()) {
        return nullptr;
    }
    return std::make_unique<FramePainter>(Key{}, picture, scale, std::move(objects));
}

FramePainter::FramePainter(Key, HDC picture, const display::DpiScale& scale, std::unique_ptr<Objects> objects)
    : picture_(picture), scale_(scale), objects_(std::move(objects)) {}

FramePainter::~FramePainter() = default;

namespace {

// Opaque, unsmoothed and the same whatever the frame: every brush but the two
// gradients a frame makes for itself, every pen.
bool isFixedShape(const display::DrawOperation& operation) {
    if (const auto* pie = std::get_if<display::FillPie>(&operation)) {
        return pie->brush != Brush::Panel && pie->brush != Brush::OnLine;
    }
    if (const auto* ellipse = std::get_if<display::FillEllipse>(&operation)) {
        return ellipse->brush != Brush::Panel && ellipse->brush != Brush::OnLine;
    }
    return std::holds_alternative<display::BlackEllipse>(operation) ||
           std::holds_alternative<display::DrawEllipse>(operation);
}

bool drawnByGdi(const display::DrawOperation& operation) {
    return std::holds_alternative<display::BlackRectangle>(operation) ||
           std::holds_alternative<display::BlackEllipse>(operation) ||
           std::holds_alternative<display::PaintIcon>(operation);
}

// Every pixel a fixed shape may touch, with a margin for the pen's width.
RECT reachOf(const display::DrawOperation& operation, int margin) {
    RECT reach{};
    std::visit(
        [&](const auto& op) {
            using Kind = std::decay_t<decltype(op)>;
            if constexpr (std::is_same_v<Kind, display::BlackEllipse>) {
                reach = {op.area.left, op.area.top, op.area.right, op.area.bottom};
            } else if constexpr (requires { op.bounds.width; }) {
                reach = {op.bounds.x, op.bounds.y, op.bounds.x + op.bounds.width,
                         op.bounds.y + op.bounds.height};
            }
        },
        operation);
    return {reach.left - margin, reach.top - margin, reach.right + margin, reach.bottom + margin};
}

}  // namespace

void FramePainter::paint(const display::Frame& frame, const Icons& icons) {
    Objects& o = *objects_;
    const ScopedSelectObject blackBrush(picture_, ::GetStockObject(BLACK_BRUSH));
    bool gdiPending = false;
    const auto inLastFrame = [&](const display::DrawOperation& operation) {
        return isFixedShape(operation) &&
               std::ranges::find(lastFixedShapes_, operation) != lastFixedShapes_.end();
    };
    for (auto at = frame.begin(); at != frame.end();) {
        // A run of fixed shapes the last frame drew too is likely to come again.
        auto runEnd = at;
        while (runEnd != frame.end() && inLastFrame(*runEnd)) {
            ++runEnd;
        }
        const bool still = runEnd - at >= 2;
        // GDI may hold its shapes back; they must be in the pixels before GDI+ draws over them.
        const bool byGdi = still || drawnByGdi(*at);
        if (gdiPending && !byGdi) {
            ::GdiFlush();
        }
        gdiPending = byGdi;
        if (still) {
            paintStill(at, runEnd, icons);
            at = runEnd;
        } else {
            draw(*o.graphics, picture_, *at, icons);
            ++at;
        }
    }
    lastFixedShapes_.clear();
    std::ranges::copy_if(frame, std::back_inserter(lastFixedShapes_), isFixedShape);
    o.panel.reset();
    o.onLine.reset();
    ::GdiFlush();
}

// A run is kept as a layer once two frames in a row have drawn it; the first
// frames after a clearing one still hold shapes that are about to move.
void FramePainter::paintStill(display::Frame::const_iterator begin, display::Frame::const_iterator end,
                              const Icons& icons) {
    const auto isRun = [&](const std::vector<display::DrawOperation>& run) {
        return std::ranges::equal(begin, end, run.begin(), run.end());
    };
    if (!(still_ && isRun(stillRun_)) && isRun(candidateRun_)) {
        const int width = scale_.px(display::kPictureWidth);
        const int height = scale_.px(display::kPictureHeight);
        const int margin = scale_.px(2);
        RECT area{width, height, 0, 0};
        for (auto at = begin; at != end; ++at) {
            const RECT reach = reachOf(*at, margin);
            area = {std::min(area.left, reach.left), std::min(area.top, reach.top),
                    std::max(area.right, reach.right), std::max(area.bottom, reach.bottom)};
        }
        area = {std::max(area.left, 0L), std::max(area.top, 0L), std::min<LONG>(area.right, width),
                std::min<LONG>(area.bottom, height)};
        still_ = StillLayer::capture(area, [&](HDC dc) {
            Gdiplus::Graphics graphics(dc);
            const ScopedSelectObject blackBrush(dc, ::GetStockObject(BLACK_BRUSH));
            drawRun(graphics, dc, begin, end, icons);
        });
        stillRun_.assign(begin, end);
    }
    if (still_ && isRun(stillRun_)) {
        still_->putOnto(picture_);
        return;
    }
    candidateRun_.assign(begin, end);
    drawRun(*objects_->graphics, picture_, begin, end, icons);
}

// GDI may hold its shapes back; each GDI+ shape goes after a flush.
void FramePainter::drawRun(Gdiplus::Graphics& graphics, HDC dc, display::Frame::const_iterator begin,
                           display::Frame::const_iterator end, const Icons& icons) {
    for (auto at = begin; at != end; ++at) {
        if (!drawnByGdi(*at)) {
            ::GdiFlush();
        }
        draw(graphics, dc, *at, icons);
    }
}

void FramePainter::draw(Gdiplus::Graphics& graphics, HDC dc, const display::DrawOperation& operation,
                        const Icons& icons) {
    Objects& o = *objects_;
    std::visit(
        [&](const auto& op) {
            using Kind = std::decay_t<decltype(op)>;
            if constexpr (std::is_same_v<Kind, display::BlackRectangle>) {
                ::Rectangle(dc, op.area.left, op.area.top, op.area.right, op.area.bottom);
            } else if constexpr (std::is_same_v<Kind, display::BlackEllipse>) {
                ::Ellipse(dc, op.area.left, op.area.top, op.area.right, op.area.bottom);
            } else if constexpr (std::is_same_v<Kind, display::MakeGradient>) {
                auto& slot = op.slot == Brush::Panel ? o.panel : o.onLine;
                slot.emplace(op.area, op.from, op.to, op.angle);
            } else if constexpr (std::is_same_v<Kind, display::FillPie>) {
                if (Gdiplus::Brush* brush = o.brush(op.brush)) {
                    graphics.FillPie(brush, rectOf(op.bounds), op.start, op.sweep);
                }
            } else if constexpr (std::is_same_v<Kind, display::FillEllipse>) {
                if (Gdiplus::Brush* brush = o.brush(op.brush)) {
                    graphics.FillEllipse(brush, rectOf(op.bounds));
                }
            } else if constexpr (std::is_same_v<Kind, display::DrawEllipse>) {
                graphics.DrawEllipse(o.pen(op.pen), rectOf(op.bounds));
            } else if constexpr (std::is_same_v<Kind, display::PanelOutline>) {
                Gdiplus::Point points[display::kOutlinePoints];
                for (std::size_t i = 0; i < display::kOutlinePoints; ++i) {
                    points[i] = Gdiplus::Point(op.points[i].x, op.points[i].y);
                }
                if (Gdiplus::Brush* brush = o.brush(Brush::Panel)) {
                    graphics.FillPolygon(brush, points, display::kOutlinePoints, Gdiplus::FillModeAlternate);
                }
                graphics.DrawPolygon(&o.outlinePen, points, display::kOutlinePoints);
            } else if constexpr (std::is_same_v<Kind, display::DrawLine>) {
                graphics.DrawLine(o.pen(op.pen), op.from.x, op.from.y, op.to.x, op.to.y);
            } else if constexpr (std::is_same_v<Kind, display::DrawLines>) {
                static_assert(sizeof(display::PointF) == sizeof(Gdiplus::PointF));
                graphics.DrawLines(o.pen(op.pen), reinterpret_cast<const Gdiplus::PointF*>(op.points.data()),
                                   static_cast<INT>(op.points.size()));
            } else if constexpr (std::is_same_v<Kind, display::PaintText>) {
                paintText(op);
            } else if constexpr (std::is_same_v<Kind, display::PaintIcon>) {
                if (HICON icon = icons[static_cast<std::size_t>(op.icon)]) {
                    ::DrawIconEx(dc, op.bounds.x, op.bounds.y, icon, op.bounds.width, op.bounds.height, 0,
                                 nullptr, DI_NORMAL);
                }
            }
        },
        operation);
}

// Texts arrive in the system code page; GDI+ draws wide characters, as many as
// have been typed out.
void FramePainter::paintText(const display::PaintText& text) {
    Objects& o = *objects_;
    Gdiplus::Brush* brush = o.brush(text.brush);
    toWideText(text.text, o.wide);
    if (brush == nullptr || o.wide.empty()) {
        return;
    }
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
