#pragma once
// The command box as data. Each handler of the box takes its state, what the
// adapter read from the controls (BoxView) and the input, and returns a Reaction:
// the new state and what the adapter must do to the controls, in the order of the
// fields, and which request to carry out. The item store's name filter is the one
// piece of shared state the handlers change directly.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zek::data {
class LauncherItem;
}

namespace zek::box {

// Texts are read with a buffer of this many bytes, terminator included.
inline constexpr std::size_t kBoxTextBytes = 512;

// The virtual keys the box reacts to.
namespace key {
inline constexpr unsigned kTab = 0x09;
inline constexpr unsigned kReturn = 0x0D;
inline constexpr unsigned kShift = 0x10;
inline constexpr unsigned kControl = 0x11;
inline constexpr unsigned kEscape = 0x1B;
inline constexpr unsigned kLeft = 0x25;
inline constexpr unsigned kUp = 0x26;
inline constexpr unsigned kRight = 0x27;
inline constexpr unsigned kDown = 0x28;
}  // namespace key

// Characters of WM_CHAR and WM_SYSCHAR.
inline constexpr unsigned kCharTab = 9;
inline constexpr unsigned kCharLineFeed = 10;  // Ctrl+Enter
inline constexpr unsigned kCharReturn = 13;

inline constexpr int kWheelDelta = 120;

struct BoxState {
    // How many leading bytes of the text the user typed himself; the rest is
    // completion. Always ends on a whole character of the text it was taken from.
    int matchLength = 0;
    bool ctrlDown = false;
    bool shiftDown = false;

    bool operator==(const BoxState&) const = default;
};

// Byte positions in the edit field, start <= end after clamping.
struct EditSelection {
    int start = 0;
    int end = 0;

    bool operator==(const EditSelection&) const = default;
};

// What the adapter reads from the combo box before calling a handler.
struct BoxView {
    std::string_view text;
    EditSelection selection;
    // The list's current selection (CB_GETCURSEL), none when nothing is selected.
    // The list always holds the names of the store's current list, in its order.
    std::optional<std::size_t> listSelection;
};

enum class StatusChange { Unchanged, ShowItem, ShowNoItem };

// The status display: show an item (with its icon) or no item.
struct StatusUpdate {
    StatusChange change = StatusChange::Unchanged;
    data::LauncherItem* item = nullptr;
};

// Requests the adapter carries out after applying the rest of a Reaction.
struct HideBar {};
// runItem; then afterRequest() with the result.
struct RunItem {
    data::LauncherItem* item = nullptr;
    bool showItemOnFailure = false;
};
// openItemFolder; then afterRequest() with the result.
struct OpenItemFolder {
    data::LauncherItem* item = nullptr;
};
// showListMenu over the items (a LauncherMenu in activeMenu); then afterMenu().
struct OfferMenu {
    std::vector<data::LauncherItem*> items;
};
// Send WM_KEYDOWN with this key to the edit field itself.
struct PressKey {
    unsigned virtualKey = 0;
};
using Request = std::variant<std::monostate, HideBar, RunItem, OpenItemFolder, OfferMenu, PressKey>;

struct Reaction {
    BoxState state;
    // Empty the list and add the names of the store's current list, in order.
    bool refillList = false;
    // Make this the list's current selection, which puts its name into the edit field.
    std::optional<std::size_t> listSelection;
    // Put this text into the edit field.
    std::optional<std::string> editText;
    std::optional<EditSelection> editSelection;
    StatusUpdate status;
    Request request;
    // Do not pass the message on to the control's previous procedure.
    bool swallow = false;
};

}  // namespace zek::box
