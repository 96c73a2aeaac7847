#include "core/dialogs/settings_forms.h"

#include "core/data/hotkey_table.h"
#include "core/dialogs/item_form.h"

namespace zek::dialogs {

std::array<app::HotkeyPair, 3> hotkeyPairsOfForm(const BasicSettingsForm& form) {
    std::array<app::HotkeyPair, 3> pairs;
    for (std::size_t n = 0; n < pairs.size(); ++n) {
        pairs[n] = hotkeyPairFromBoxes(form.pairs[n].first, form.pairs[n].second);
    }
    return pairs;
}

std::array<app::HotkeyPair, 3> hotkeyPairsOf(const data::BasicSettings& values) {
    return {app::HotkeyPair{values.launcherKey1, values.launcherKey2},
            app::HotkeyPair{values.taskKey1, values.taskKey2},
            app::HotkeyPair{values.sameAppKey1, values.sameAppKey2}};
}

data::BasicSettings basicSettingsFromForm(const BasicSettingsForm& form) {
    const auto pairs = hotkeyPairsOfForm(form);
    const std::int32_t sameAppKey2 =
        pairs[2].first != 0 ? pairs[2].second : data::keyCodeByText(form.pairs[2].second);
    return data::BasicSettings{
        .launcherKey1 = pairs[0].first,
        .launcherKey2 = pairs[0].second,
        .taskKey1 = pairs[1].first,
        .taskKey2 = pairs[1].second,
        .sameAppKey1 = pairs[2].first,
        .sameAppKey2 = sameAppKey2,
        .cpu = form.cpu,
        .transparent = form.transparent,
        .menuType = form.textMenus ? 1 : 0,
    };
}

AssociationEditOutcome applyAssociationEdit(data::LauncherSettings& settings, bool changing,
                                            std::string_view ext, std::string_view appPath,
                                            std::string_view appOption) {
    ext = trimField(ext);
    appPath = trimField(appPath);
    if (ext.empty() || appPath.empty()) {
        return AssociationEditOutcome::Incomplete;
    }
    if (changing) {
        return settings.updateAssociation(ext, appPath, appOption) ? AssociationEditOutcome::Done
                                                                   : AssociationEditOutcome::Refused;
    }
    if (settings.findAssociation(ext) != nullptr) {
        return AssociationEditOutcome::DuplicateExtension;
    }
    return settings.addAssociation(ext, appPath, appOption) ? AssociationEditOutcome::Done
                                                            : AssociationEditOutcome::Refused;
}

std::string duplicateExtensionMessage(std::string_view ext) {
    return std::string(ext) + "の拡張子はすでに設定されています。";
}

}  // namespace zek::dialogs
