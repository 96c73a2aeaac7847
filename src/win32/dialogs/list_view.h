#pragma once
// The list-view operations the command list and the association list need, in the
// program's terms. A row carries one LPARAM of the dialog's own.
#include <windows.h>

#include <commctrl.h>

#include <string>

namespace zek::win32 {

class ListView {
  public:
    explicit ListView(HWND control = nullptr) : control_(control) {}
    HWND handle() const { return control_; }

    // Turns on the given LVS_EX_ styles, leaving the others as they are.
    void addExtendedStyles(DWORD styles) const;
    void insertColumn(int column, const std::string& caption, int width, int format) const;
    // Only the caption changes; width and alignment stay as they are.
    void setColumnCaption(int column, const std::string& caption) const;

    // A row at `row` whose text is `text` and whose further cells are set apart;
    // its index, or -1 when it could not be inserted.
    int insertRow(int row, const std::string& text, LPARAM data) const;
    void setCellText(int row, int column, const std::string& text) const;
    // A virtual list (LVS_OWNERDATA) of `count` rows, whose cells and images the list
    // asks for when it shows them.
    void setVirtualRowCount(int count) const { ListView_SetItemCountEx(control_, count, 0); }
    void deleteRow(int row) const { ListView_DeleteItem(control_, row); }
    void deleteAllRows() const { ListView_DeleteAllItems(control_); }
    void redrawRow(int row) const { ListView_RedrawItems(control_, row, row); }

    // The first selected row, or -1.
    int selectedRow() const { return ListView_GetNextItem(control_, -1, LVNI_SELECTED); }
    // The row with the focus, or -1.
    int focusedRow() const { return ListView_GetNextItem(control_, -1, LVNI_FOCUSED); }
    // Moves the selection and the focus to these rows (-1: none).
    void moveSelection(int selected, int focused) const;
    void redrawAll() const { ::InvalidateRect(control_, nullptr, TRUE); }
    // The row's LPARAM, 0 when there is no such row.
    LPARAM rowData(int row) const;
    // Sorts the rows by `compare`, which is given the rows' LPARAMs and `context`.
    void sort(PFNLVCOMPARE compare, LPARAM context) const;
    void setSmallImages(HIMAGELIST images) const { ListView_SetImageList(control_, images, LVSIL_SMALL); }
    // Stops drawing while the rows are put in; starting again redraws the whole list.
    void setRedraw(bool on) const;

  private:
    HWND control_;
};

}  // namespace zek::win32
