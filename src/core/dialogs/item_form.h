#pragma once
// The rules of the item and root-node forms that need no window: how typed text is
// cleaned, what a dropped file fills in, how the two hotkey boxes read and what OK
// has to register or release.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/app/global_hotkeys.h"
#include "core/data/launcher_item.h"

namespace zek::dialogs {

// Without leading spaces, tabs and full-width spaces, and without trailing spaces,
// tabs, CR, LF and full-width spaces. A trail byte is never taken for a blank.
std::string_view trimField(std::string_view text);

// What one dropped file puts into the item form: the file name without directory
// and extension in lower case (ASCII letters; double-byte characters stay), the
// path itself and its drive and directory with the trailing separator.
struct DroppedFileFields {
    std::string name;
    std::string app;
    std::string dir;
};
DroppedFileFields droppedFileFields(std::string_view path);
// The root-node form takes the file name alone, its case kept.
std::string droppedNodeName(std::string_view path);

// The second box is for a key only while the first holds a modifier combination.
bool secondHotkeyBoxEnabled(std::string_view firstBoxText);
// The pair the boxes stand for: (0, 0) for "not used", (lone key, 1) for a lone key.
app::HotkeyPair hotkeyPairFromBoxes(std::string_view firstBoxText, std::string_view secondBoxText);

// What OK does with the item's global hotkey before the form closes.
struct HotkeyChange {
    bool registerNew = false;
    bool releaseOld = false;  // only after the new one, if any, is registered
};
// `source` is the edited item's pair, none for a new item.
HotkeyChange planHotkeyChange(std::optional<app::HotkeyPair> source, app::HotkeyPair chosen);
// The message when the chosen pair is taken already.
std::string hotkeyTakenMessage(app::HotkeyPair pair);

// The item form's values as read from its controls (untrimmed).
struct ItemFormValues {
    bool nodeMode = false;
    std::string name, comment, app, option, icon, dir;
    bool boot = false, tsk = false, extension = false;
    std::int32_t priority = 0;
    app::HotkeyPair hotkey;
};
// The item OK builds, or none when the trimmed name is empty. A node keeps no path,
// option, directory or data-item flag; a data item keeps no boot flag.
std::optional<data::ItemFields> itemFromForm(const ItemFormValues& form);
std::optional<data::ItemFields> rootNodeFromForm(std::string_view name, std::string_view icon,
                                                 std::int32_t priority);

}  // namespace zek::dialogs
