#pragma once
// Reading and clicking a list view of another process, as a user sees it.
#include <windows.h>

#include <string>
#include <vector>

namespace zek::e2e {

int listViewRowCount(HWND list);
// The text of one cell (bytes in the ANSI code page); "" when it cannot be read.
std::string listViewCell(HWND list, int row, int column);
// Every row's cell of one column, top to bottom.
std::vector<std::string> listViewColumn(HWND list, int column);
std::string listViewCaption(HWND list, int column);
// The screen point at the middle of a column's header.
POINT listViewHeaderPoint(HWND list, int column);
// Clicks the middle of a column's header, far enough from any earlier click not to
// make a double-click, and gives the list time to sort.
void clickListViewHeader(HWND list, int column);
// Clicks the middle of a row's first cell.
void clickListViewRow(HWND list, int row, bool rightButton);

}  // namespace zek::e2e
