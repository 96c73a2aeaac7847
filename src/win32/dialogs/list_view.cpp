#include "win32/dialogs/list_view.h"

namespace zek::win32 {

// The control copies every text it is given and writes none of them, whatever the
// non-const pointers of its structures say.

void ListView::addExtendedStyles(DWORD styles) const {
    ListView_SetExtendedListViewStyleEx(control_, styles, styles);
}

void ListView::insertColumn(int column, const std::string& caption, int width, int format) const {
    LVCOLUMNA info{};
    info.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    info.fmt = format;
    info.cx = width;
    info.pszText = const_cast<char*>(caption.c_str());
    info.iSubItem = column;
    ::SendMessageA(control_, LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&info));
}

void ListView::setColumnCaption(int column, const std::string& caption) const {
    LVCOLUMNA info{};
    info.mask = LVCF_TEXT;
    info.pszText = const_cast<char*>(caption.c_str());
    ::SendMessageA(control_, LVM_SETCOLUMNA, column, reinterpret_cast<LPARAM>(&info));
}

int ListView::insertRow(int row, const std::string& text, LPARAM data) const {
    LVITEMA info{};
    info.mask = LVIF_TEXT | LVIF_PARAM;
    info.iItem = row;
    info.pszText = const_cast<char*>(text.c_str());
    info.lParam = data;
    return static_cast<int>(::SendMessageA(control_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&info)));
}

void ListView::setCellText(int row, int column, const std::string& text) const {
    LVITEMA info{};
    info.iSubItem = column;
    info.pszText = const_cast<char*>(text.c_str());
    ::SendMessageA(control_, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&info));
}

LPARAM ListView::rowData(int row) const {
    LVITEMA info{};
    info.mask = LVIF_PARAM;
    info.iItem = row;
    if (!::SendMessageA(control_, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&info))) {
        return 0;
    }
    return info.lParam;
}

void ListView::sort(PFNLVCOMPARE compare, LPARAM context) const {
    ::SendMessageA(control_, LVM_SORTITEMS, static_cast<WPARAM>(context), reinterpret_cast<LPARAM>(compare));
}

void ListView::moveSelection(int selected, int focused) const {
    ListView_SetItemState(control_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    if (selected >= 0) {
        ListView_SetItemState(control_, selected, LVIS_SELECTED, LVIS_SELECTED);
    }
    if (focused >= 0) {
        ListView_SetItemState(control_, focused, LVIS_FOCUSED, LVIS_FOCUSED);
    }
}

void ListView::setRedraw(bool on) const {
    ::SendMessageA(control_, WM_SETREDRAW, on ? TRUE : FALSE, 0);
    if (on) {
        ::InvalidateRect(control_, nullptr, TRUE);
    }
}

}  // namespace zek::win32
