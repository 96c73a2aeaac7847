#pragma once
// The rules of the basic settings form and the association forms that need no
// window: which hotkey pairs OK registers and what it stores, and what the
// association form's OK does with the settings.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/app/global_hotkeys.h"
#include "core/data/launcher_settings.h"

namespace zek::dialogs {

// The texts of one pair of hotkey boxes as the user left them.
struct HotkeyBoxTexts {
    std::string first;
    std::string second;
};

// The basic settings form: the launcher, task menu and specific-task pairs, in the
// order OK registers them (global hotkey ids 0, 1, 2).
struct BasicSettingsForm {
    std::array<HotkeyBoxTexts, 3> pairs;
    std::int32_t cpu = 0;
    std::int32_t transparent = 0;
    bool textMenus = false;
};

// The three pairs the boxes stand for, (0, 0) for one not used.
std::array<app::HotkeyPair, 3> hotkeyPairsOfForm(const BasicSettingsForm& form);
// The three pairs of stored settings, in the form's order.
std::array<app::HotkeyPair, 3> hotkeyPairsOf(const data::BasicSettings& values);

// What OK stores. A pair not used is stored as 0 and 0, except that the
// specific-task pair keeps the key its second box shows: settings files written
// since have that key in them.
data::BasicSettings basicSettingsFromForm(const BasicSettingsForm& form);

// The association form's OK on `settings`: adding (`changing` false) or changing
// the association of `ext`. Texts as typed; extension and application are trimmed.
enum class AssociationEditOutcome {
    Done,        // added or changed: the form closes
    Incomplete,  // no extension or no application: the form stays open silently
    DuplicateExtension,
    Refused,  // the settings cannot keep it (too many, or a text the file cannot hold)
};
AssociationEditOutcome applyAssociationEdit(data::LauncherSettings& settings, bool changing,
                                            std::string_view ext, std::string_view appPath,
                                            std::string_view appOption);
std::string duplicateExtensionMessage(std::string_view ext);

}  // namespace zek::dialogs
