#include "app/command_box.h"

#include "app/messages.h"
#include "data/launcher_item.h"

namespace zek::win32 {

namespace {

constexpr char kBoxProperty[] = "ZekLauncher.CommandBox";
constexpr DWORD kComboStyle = WS_CHILD | WS_TABSTOP | CBS_SIMPLE | CBS_AUTOHSCROLL;  // 0x40010041
constexpr std::size_t kTextBufferBytes = 512;

CommandBox* boxOf(HWND window) {
    return static_cast<CommandBox*>(::GetPropA(window, kBoxProperty));
}

WNDPROC subclass(HWND window, WNDPROC procedure) {
    return reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
}

}  // namespace

bool CommandBox::create(HWND bar, HINSTANCE instance, HFONT font) {
    bar_ = bar;
    combo_ = ::CreateWindowExA(0, "COMBOBOX", nullptr, kComboStyle, 100, 80, 130, 15, bar, nullptr, instance,
                               nullptr);
    if (combo_ == nullptr) {
        return false;
    }
    // The edit field is the combo box's own; asking the combo box finds it
    // whatever order its children are listed in.
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (::GetComboBoxInfo(combo_, &info)) {
        edit_ = info.hwndItem;
    }
    ::SetPropA(combo_, kBoxProperty, this);
    previousComboProcedure_ = subclass(combo_, comboProcedure);
    if (edit_ != nullptr) {
        ::SetPropA(edit_, kBoxProperty, this);
        previousEditProcedure_ = subclass(edit_, editProcedure);
    }
    ::ShowWindow(combo_, SW_SHOW);
    ::SendMessageA(combo_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return true;
}

void CommandBox::destroy() {
    if (edit_ != nullptr && previousEditProcedure_ != nullptr) {
        subclass(edit_, previousEditProcedure_);
        ::RemovePropA(edit_, kBoxProperty);
        previousEditProcedure_ = nullptr;
    }
    if (combo_ != nullptr && previousComboProcedure_ != nullptr) {
        subclass(combo_, previousComboProcedure_);
        ::RemovePropA(combo_, kBoxProperty);
        previousComboProcedure_ = nullptr;
    }
    matchLength_ = 0;
}

void CommandBox::fillList(std::span<data::LauncherItem* const> items) {
    // One allocation for the whole list and one repaint at the end: a refill of
    // many thousands of names is the cost of every show and keystroke.
    ::SendMessageA(combo_, WM_SETREDRAW, FALSE, 0);
    ::SendMessageA(combo_, CB_RESETCONTENT, 0, 0);
    std::size_t bytes = 0;
    for (const data::LauncherItem* item : items) {
        bytes += item->name().size() + 1;
    }
    ::SendMessageA(combo_, CB_INITSTORAGE, items.size(), bytes);
    for (const data::LauncherItem* item : items) {
        ::SendMessageA(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item->name().c_str()));
    }
    ::SendMessageA(combo_, WM_SETREDRAW, TRUE, 0);
}

void CommandBox::clearText() {
    ::SendMessageA(combo_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
}

std::string CommandBox::text() const {
    char buffer[kTextBufferBytes] = {};
    ::SendMessageA(combo_, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

LRESULT CALLBACK CommandBox::comboProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CommandBox* box = boxOf(window);
    return box != nullptr ? box->onComboMessage(message, wParam, lParam)
                          : ::DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK CommandBox::editProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CommandBox* box = boxOf(window);
    return box != nullptr ? box->onEditMessage(message, wParam, lParam)
                          : ::DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CommandBox::onComboMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case app::LM_SETMATCHLEN:
            matchLength_ = static_cast<int>(wParam);
            break;
        case WM_KILLFOCUS:
            matchLength_ = 0;
            break;
        case WM_KEYDOWN:
            if (wParam == VK_ESCAPE) {
                ::SendMessageA(bar_, app::LM_HIDEBAR, 0, 0);
                matchLength_ = 0;
            }
            break;
        default:
            break;
    }
    return ::CallWindowProcA(previousComboProcedure_, combo_, message, wParam, lParam);
}

LRESULT CommandBox::onEditMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // Escape reaches the edit field first; the combo box decides what it means.
    if (message == WM_KEYDOWN && wParam == VK_ESCAPE) {
        ::SendMessageA(combo_, WM_KEYDOWN, wParam, lParam);
        return 0;
    }
    if (message == WM_CHAR && (wParam == VK_ESCAPE || wParam == '\t')) {
        return 0;  // no beep
    }
    return ::CallWindowProcA(previousEditProcedure_, edit_, message, wParam, lParam);
}

}  // namespace zek::win32
