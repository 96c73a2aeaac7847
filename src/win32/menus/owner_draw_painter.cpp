#include "win32/menus/owner_draw_painter.h"

#include <algorithm>
#include <climits>

#include "win32/menus/icon_source_win32.h"
#include "win32/platform/gdi_scope.h"
#include "win32/platform/screen_dpi.h"

namespace zek::win32 {
namespace {

int clampedLength(std::string_view text) {
    return static_cast<int>(std::min<std::size_t>(text.size(), INT_MAX));
}

RECT toRect(const menus::Rect& rect) {
    return RECT{rect.left, rect.top, rect.right, rect.bottom};
}

void fill(HDC dc, const menus::ColouredRect& area) {
    const UniqueBrush brush(::CreateSolidBrush(area.colour));
    const RECT rect = toRect(area.rect);
    if (brush) {
        ::FillRect(dc, &rect, brush.get());
    }
}

void frame(HDC dc, const menus::ColouredRect& area) {
    const UniqueBrush brush(::CreateSolidBrush(area.colour));
    const RECT rect = toRect(area.rect);
    if (brush) {
        ::FrameRect(dc, &rect, brush.get());
    }
}

}  // namespace

MenuFont::MenuFont(const display::DpiScale& scale) {
    const int madeFor = systemDpi();
    if (scale.dpi() == madeFor) {
        return;
    }
    LOGFONTA face{};
    if (::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof face, &face) == sizeof face) {
        face.lfHeight = scale.px(display::DpiScale(madeFor).units(face.lfHeight));
        face.lfWidth = 0;
        scaled_.reset(::CreateFontIndirectA(&face));
    }
}

// Entries are measured and drawn in the same font, or their texts would not fit.
HGDIOBJ MenuFont::get() const {
    return scaled_ ? static_cast<HGDIOBJ>(scaled_.get()) : ::GetStockObject(DEFAULT_GUI_FONT);
}

menus::Size measureMenuText(std::string_view text, const MenuFont& menuFont) {
    const ScopedGetDC screen;
    if (!screen) {
        return {};
    }
    const ScopedSelectObject font(screen.get(), menuFont.get());
    SIZE size{};
    if (!::GetTextExtentPoint32A(screen.get(), text.data(), clampedLength(text), &size)) {
        return {};
    }
    return menus::Size{.cx = size.cx, .cy = size.cy};
}

menus::MenuColours systemMenuColours() {
    return menus::MenuColours{.menu = ::GetSysColor(COLOR_MENU),
                              .highlight = ::GetSysColor(COLOR_HIGHLIGHT),
                              .menuText = ::GetSysColor(COLOR_MENUTEXT)};
}

void paintEntry(HDC dc, const menus::EntryPaint& paint, const MenuFont& menuFont) {
    if (dc == nullptr) {
        return;
    }
    const ScopedSelectObject font(dc, menuFont.get());
    fill(dc, paint.strip);
    fill(dc, paint.background);
    if (paint.frame) {
        frame(dc, *paint.frame);
    }
    if (paint.separator) {
        fill(dc, *paint.separator);
    }
    if (paint.icon) {
        ::DrawIconEx(dc, paint.icon->x, paint.icon->y, toIcon(paint.icon->icon), paint.icon->size,
                     paint.icon->size, 0, nullptr, DI_NORMAL);
    }
    const int previousMode = ::SetBkMode(dc, TRANSPARENT);
    const COLORREF previousColour = ::SetTextColor(dc, paint.text.colour);
    ::TextOutA(dc, paint.text.x, paint.text.y, paint.text.text.data(), clampedLength(paint.text.text));
    ::SetTextColor(dc, previousColour);
    if (previousMode != 0) {
        ::SetBkMode(dc, previousMode);
    }
}

}  // namespace zek::win32
