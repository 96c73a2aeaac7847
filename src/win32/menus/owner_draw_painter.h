#pragma once
// GDI for the owner-drawn menu rows: the text extent the core sizes a row from, the
// system colours it is drawn in, and the painting of the layout the core decided.
#include <windows.h>

#include <string_view>

#include "core/menus/owner_draw.h"

namespace zek::win32 {

// The extent of `text` in the menu font (DEFAULT_GUI_FONT) on the screen.
menus::Size measureMenuText(std::string_view text);

// COLOR_MENU, COLOR_HIGHLIGHT and COLOR_MENUTEXT as the system has them now.
menus::MenuColours systemMenuColours();

// Paints in the layout's order: strip, background, frame, separator, icon, text.
// The device context is left as it was found (font, background mode, text colour).
void paintEntry(HDC dc, const menus::EntryPaint& paint);

}  // namespace zek::win32
