#pragma once
// The bar's command box: a CBS_SIMPLE combo box of which only the edit field
// shows; its invisible list holds the names of the store's current list. The
// rules live in the core (box/); this class reads the controls, calls them and
// carries out what they decide.
#include <windows.h>

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/box/box_state.h"
#include "win32/process/launcher_process.h"

namespace zek::data {
class LauncherItem;
}

namespace zek::win32 {

// Where the box shows the item it chose, or that it found none.
class StatusSink {
  public:
    virtual void showItem(const data::LauncherItem& item) = 0;
    virtual void showNoItem() = 0;

  protected:
    ~StatusSink() = default;
};

class CommandBox {
  public:
    explicit CommandBox(LauncherProcess& process) : process_(process) {}
    CommandBox(const CommandBox&) = delete;
    CommandBox& operator=(const CommandBox&) = delete;
    ~CommandBox() { destroy(); }

    // Creates the combo box on the bar and subclasses it and its edit field.
    bool create(HWND bar, HFONT font);
    // Takes the box's subclasses off the combo box and its edit field.
    void destroy();

    HWND combo() const { return combo_; }
    void setStatusSink(StatusSink* sink) { status_ = sink; }

    // Refills the list with these items' names, in this order; the selection and
    // the edit text are cleared, as emptying a list does.
    void fillList(std::span<data::LauncherItem* const> items);
    void clearText();

  private:
    static LRESULT CALLBACK comboProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR subclassId, DWORD_PTR box);
    static LRESULT CALLBACK editProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR subclassId, DWORD_PTR box);
    LRESULT onComboMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onEditMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void discardQueuedCharacter(char character);
    // What the core reads: the text (kept in text_), the edit selection, the list selection.
    box::BoxView readView();
    // Applies a reaction; true when the message is to be swallowed.
    bool apply(const box::Reaction& reaction);
    void carryOut(const box::Request& request);
    void showStatus(const box::StatusUpdate& update);
    void showPendingStatus();
    // Selections in the edit field as the control counts them (bytes on some
    // systems, characters on others) and as the rules count them (bytes).
    box::EditSelection toBytes(box::EditSelection selection, std::string_view text) const;
    box::EditSelection toControlUnits(box::EditSelection selection, std::string_view text) const;
    bool countsCharacters(std::string_view text) const;

    LauncherProcess& process_;
    HWND bar_ = nullptr;
    HWND combo_ = nullptr;
    HWND edit_ = nullptr;
    StatusSink* status_ = nullptr;
    // What showStatus left for the picture; its item belongs to the current list.
    std::optional<box::StatusUpdate> pendingStatus_;
    bool comboSubclassed_ = false;
    bool editSubclassed_ = false;
    // The list's own messages, answered from `list_`.
    std::optional<LRESULT> onListMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT selectListEntry(WPARAM index);
    void moveListSelection(int step);
    // A new list with nothing selected, the field left as it is.
    void replaceList(std::span<data::LauncherItem* const> items);

    box::BoxState state_;
    // The list the box holds. It is kept here rather than in the combo box's own
    // list control, which takes tens of microseconds per name to fill: at many
    // thousands of items every show and keystroke would wait for it. The combo
    // box's list messages are answered from here, so the list looks the same from
    // outside (count, order, texts, selection).
    std::vector<const data::LauncherItem*> list_;
    int selected_ = -1;
    std::string text_;
    // Set while a reaction changes the controls: their change notifications are ours.
    bool applying_ = false;
    // Set while the combo box's own procedure has a key, which it hands on to the
    // edit field: there the key goes straight to the field's own procedure, or the
    // field would give Enter and Escape back to the combo box to run once more.
    bool comboPassesKeyOn_ = false;
};

// The list menu over `items` (the box's Ctrl+Enter and Alt+Enter), as the one
// active menu; the chosen item or none. Nothing opens while another menu is up.
data::LauncherItem* offerListMenu(LauncherProcess& process, std::span<data::LauncherItem* const> items);

}  // namespace zek::win32
