#include "core/dialogs/settings_forms.h"

#include <gtest/gtest.h>

#include "data/profile_double.h"

namespace zek::dialogs {
namespace {

TEST(BasicSettingsForm, PairsAreStoredAsTheBoxesReadAndTheSpecificTaskKeyIsKept) {
    const BasicSettingsForm form{
        .pairs = {HotkeyBoxTexts{"CapsLockキーのみ", "S"}, HotkeyBoxTexts{"Ctrl", "Space"},
                  HotkeyBoxTexts{"使用しない", "S"}},
        .cpu = 1,
        .transparent = 50,
        .textMenus = true,
    };
    EXPECT_EQ(basicSettingsFromForm(form), (data::BasicSettings{.launcherKey1 = 0xF0,
                                                                .launcherKey2 = 1,
                                                                .taskKey1 = 2,
                                                                .taskKey2 = 0x20,
                                                                .sameAppKey1 = 0,
                                                                .sameAppKey2 = 0x53,
                                                                .cpu = 1,
                                                                .transparent = 50,
                                                                .menuType = 1}));
    // A launcher pair not used is stored as 0 and 0, whatever its second box shows.
    BasicSettingsForm off = form;
    off.pairs[0] = {"使用しない", "S"};
    off.pairs[2] = {"Alt", "T"};
    off.textMenus = false;
    const data::BasicSettings stored = basicSettingsFromForm(off);
    EXPECT_EQ(std::pair(stored.launcherKey1, stored.launcherKey2), std::pair(0, 0));
    EXPECT_EQ(std::pair(stored.sameAppKey1, stored.sameAppKey2), std::pair(1, std::int32_t{'T'}));
    EXPECT_EQ(stored.menuType, 0);
    EXPECT_EQ(hotkeyPairsOf(stored)[1].second, 0x20);
}

TEST(AssociationForm, OkAddsChangesOrRefusesAsTheSettingsAllow) {
    test::ProfileDouble profile;
    data::LauncherSettings settings(profile, "");
    using enum AssociationEditOutcome;
    struct Step {
        bool changing;
        const char* ext;
        const char* app;
        AssociationEditOutcome outcome;
    };
    const Step steps[] = {
        {false, " TXT\t", "  C:\\e.exe\r\n", Done},
        {false, "TXT", "C:\\g.exe", DuplicateExtension},
        {false, "\x81\x40", "C:\\g.exe", Incomplete},  // a full-width space only
        {false, "doc", "", Incomplete},
        {true, "TXT", "C:\\h.exe", Done},
        {true, "none", "C:\\h.exe", Refused},
    };
    for (const Step& step : steps) {
        EXPECT_EQ(applyAssociationEdit(settings, step.changing, step.ext, step.app, " -o"), step.outcome)
            << step.ext;
    }
    ASSERT_EQ(settings.associationCount(), 1u);
    EXPECT_EQ(settings.associations()[0], (data::Association{"TXT", "C:\\h.exe", " -o"}));
    EXPECT_EQ(duplicateExtensionMessage("TXT"), "TXTの拡張子はすでに設定されています。");
}

}  // namespace
}  // namespace zek::dialogs
