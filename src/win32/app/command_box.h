#pragma once
// The bar's command box: a CBS_SIMPLE combo box of which only the edit field
// shows; its invisible list holds the names of the store's current list.
#include <windows.h>

#include <span>
#include <string>
#include <string_view>

namespace zek::data {
class LauncherItem;
}

namespace zek::win32 {

class CommandBox {
  public:
    CommandBox() = default;
    CommandBox(const CommandBox&) = delete;
    CommandBox& operator=(const CommandBox&) = delete;
    ~CommandBox() { destroy(); }

    // Creates the combo box on the bar and subclasses it and its edit field.
    bool create(HWND bar, HINSTANCE instance, HFONT font);
    // Puts the previous window procedures back.
    void destroy();

    HWND combo() const { return combo_; }
    HWND edit() const { return edit_; }

    // Refills the list with these names, in this order.
    void fillList(std::span<data::LauncherItem* const> items);
    void clearText();
    std::string text() const;
    int matchLength() const { return matchLength_; }

  private:
    static LRESULT CALLBACK comboProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK editProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onComboMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onEditMessage(UINT message, WPARAM wParam, LPARAM lParam);

    HWND bar_ = nullptr;
    HWND combo_ = nullptr;
    HWND edit_ = nullptr;
    WNDPROC previousComboProcedure_ = nullptr;
    WNDPROC previousEditProcedure_ = nullptr;
    int matchLength_ = 0;
};

}  // namespace zek::win32
