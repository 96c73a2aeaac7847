#pragma once
// GDI for the owner-drawn menu rows: the text extent the core sizes a row from, the
// system colours it is drawn in, and the painting of the layout the core decided.
#include <windows.h>

#include <string_view>

#include "core/display/dpi_scale.h"
#include "core/menus/owner_draw.h"
#include "win32/platform/unique_handle.h"

namespace zek::win32 {

// The menu font (DEFAULT_GUI_FONT) at a DPI: the system's own at the DPI it was
// made for, its face at the height for the other DPI otherwise.
class MenuFont {
  public:
    explicit MenuFont(const display::DpiScale& scale);
    HGDIOBJ get() const;

  private:
    UniqueFont scaled_;
};

// The extent of `text` in the menu font on the screen.
menus::Size measureMenuText(std::string_view text, const MenuFont& font);

// COLOR_MENU, COLOR_HIGHLIGHT and COLOR_MENUTEXT as the system has them now.
menus::MenuColours systemMenuColours();

// Paints in the layout's order: strip, background, frame, separator, icon, text.
// The device context is left as it was found (font, background mode, text colour).
void paintEntry(HDC dc, const menus::EntryPaint& paint, const MenuFont& font);

}  // namespace zek::win32
