#pragma once
// Reading and clicking a list view of another process, as a user sees it.
#include <windows.h>

#include <string>

namespace zek::e2e {

int listViewRowCount(HWND list);
// The text of one cell (bytes in the ANSI code page); "" when it cannot be read.
std::string listViewCell(HWND list, int row, int column);
std::string listViewCaption(HWND list, int column);
// Screen points at the middle of a column's header and of a row's first cell.
POINT listViewHeaderPoint(HWND list, int column);
POINT listViewRowPoint(HWND list, int row);

}  // namespace zek::e2e
