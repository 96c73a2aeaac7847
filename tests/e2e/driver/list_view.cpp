#include "driver/list_view.h"

#include <commctrl.h>

#include <cstring>

#include "driver/input.h"
#include "driver/remote_block.h"
#include "win32/platform/unique_handle.h"

namespace zek::e2e {
namespace {

constexpr std::size_t kTextCapacity = 512;

// Sends `message` with a structure that points to a text buffer beside it in the
// list's process; the text the list wrote there.
template <typename Structure>
std::string remoteText(HWND list, UINT message, WPARAM wParam, Structure structure, char* Structure::*text,
                       int Structure::*capacity) {
    const win32::UniqueKernelHandle process = openOwnerOf(list);
    if (!process) {
        return {};
    }
    const RemoteBlock block(process.get(), std::string(sizeof(Structure) + kTextCapacity, '\0'));
    if (block.address() == nullptr) {
        return {};
    }
    structure.*text = block.at(sizeof(Structure));
    structure.*capacity = static_cast<int>(kTextCapacity);
    if (!::WriteProcessMemory(process.get(), block.address(), &structure, sizeof structure, nullptr)) {
        return {};
    }
    ::SendMessageA(list, message, wParam, reinterpret_cast<LPARAM>(block.address()));
    const std::string bytes = block.read(sizeof(Structure), kTextCapacity);
    return bytes.substr(0, bytes.find('\0'));
}

}  // namespace

int listViewRowCount(HWND list) {
    return static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
}

std::string listViewCell(HWND list, int row, int column) {
    LVITEMA item{};
    item.iSubItem = column;
    return remoteText(list, LVM_GETITEMTEXTA, row, item, &LVITEMA::pszText, &LVITEMA::cchTextMax);
}

std::vector<std::string> listViewColumn(HWND list, int column) {
    std::vector<std::string> cells;
    for (int row = 0; row < listViewRowCount(list); ++row) {
        cells.push_back(listViewCell(list, row, column));
    }
    return cells;
}

std::string listViewCaption(HWND list, int column) {
    LVCOLUMNA info{};
    info.mask = LVCF_TEXT;
    return remoteText(list, LVM_GETCOLUMNA, column, info, &LVCOLUMNA::pszText, &LVCOLUMNA::cchTextMax);
}

POINT listViewHeaderPoint(HWND list, int column) {
    HWND header = reinterpret_cast<HWND>(::SendMessageA(list, LVM_GETHEADER, 0, 0));
    RECT rect{};
    ::GetWindowRect(header, &rect);
    int left = rect.left;
    for (int i = 0; i < column; ++i) {
        left += static_cast<int>(::SendMessageA(list, LVM_GETCOLUMNWIDTH, i, 0));
    }
    const int width = static_cast<int>(::SendMessageA(list, LVM_GETCOLUMNWIDTH, column, 0));
    return {left + width / 2, (rect.top + rect.bottom) / 2};
}

void clickListViewHeader(HWND list, int column) {
    ::Sleep(::GetDoubleClickTime() + 100);
    const POINT point = listViewHeaderPoint(list, column);
    clickAt(point.x, point.y, false);
    ::Sleep(200);
}

void clickListViewRow(HWND list, int row, bool rightButton) {
    clickInClient(list, exchangeRect(list, LVM_GETITEMRECT, row, RECT{.left = LVIR_LABEL}), rightButton);
}

}  // namespace zek::e2e
