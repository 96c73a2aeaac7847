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
#include "core/data/item_store.h"
#include "core/display/dpi_scale.h"
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

    // Creates the combo box on the bar, at its place at `scale`, and subclasses it
    // and its edit field.
    bool create(HWND bar, HFONT font, const display::DpiScale& scale);
    // The box at its place at another DPI, in the font made for it.
    void rescale(HFONT font, const display::DpiScale& scale);
    // Takes the box's subclasses off the combo box and its edit field.
    void destroy();

    HWND combo() const { return combo_; }
    void setStatusSink(StatusSink* sink) { status_ = sink; }

    // The list becomes the store's current list; the selection and the edit text
    // are cleared, as refilling a list does.
    void fillList();
    void clearText();

  private:
    static LRESULT CALLBACK comboProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR subclassId, DWORD_PTR box);
    static LRESULT CALLBACK editProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR subclassId, DWORD_PTR box);
    LRESULT onComboMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onEditMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void discardQueuedCharacter(char character);
    // Enter and Escape, whether they reach the field or the combo box itself.
    void onEnterOrEscape(unsigned key, const data::ItemStore& store);
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
    // What showStatus left for the picture, drawn once the key is done.
    struct PendingStatus {
        box::StatusChange change = box::StatusChange::Unchanged;
        data::ItemRef item;
    };
    std::optional<PendingStatus> pendingStatus_;
    bool comboSubclassed_ = false;
    bool editSubclassed_ = false;
    // The list's own messages, answered from list().
    std::optional<LRESULT> onListMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT selectListEntry(WPARAM index);
    void moveListSelection(int step);
    // The store's current list with nothing selected, the field left as it is.
    void replaceList();
    // The list the box shows: the store's current list, read where it lies rather
    // than copied into the combo box's own list control, which takes tens of
    // microseconds per name to fill. The combo box's list messages are answered
    // from here, so the list looks the same from outside (count, order, texts,
    // selection). When the store or its list changed since the box last filled
    // its list, the selection no longer means anything and is dropped.
    std::span<data::LauncherItem* const> list();

    box::BoxState state_;
    // Which store's list, at which version, the selection belongs to; `shown` is
    // false for a list emptied from outside (CB_RESETCONTENT) or before the files
    // are read.
    struct ShownList {
        bool shown = false;
        std::uint64_t store = 0;
        std::uint64_t version = 0;
    };
    ShownList shown_;
    int selected_ = -1;
    std::string text_;
    // Set while a reaction changes the controls: their change notifications are ours.
    bool applying_ = false;
};

// The list menu over `items` (the box's Ctrl+Enter and Alt+Enter), as the one
// active menu; the chosen item or none. Nothing opens while another menu is up.
data::LauncherItem* offerListMenu(LauncherProcess& process, std::span<data::LauncherItem* const> items);

}  // namespace zek::win32
