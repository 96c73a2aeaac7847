#pragma once
// The user's behaviour settings: the three global hotkeys, the CPU-load and
// transparency levels, the menu style, the own file associations and the filer.
// Read from "ZekLauncher.ini" when created, changed in memory by the settings
// dialogs, and written back whole when the program closes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/data/association_list.h"
#include "core/data/profile_store.h"

namespace zek::data {

// The values the basic settings dialog edits. Hotkeys are pairs of codes of the
// hotkey tables (first part, second part).
struct BasicSettings {
    std::int32_t launcherKey1 = 0;  // shows the launcher bar (global hotkey id 0)
    std::int32_t launcherKey2 = 0;
    std::int32_t taskKey1 = 0;  // opens the task-switch menu (id 1)
    std::int32_t taskKey2 = 0;
    std::int32_t sameAppKey1 = 0;  // switches among the foreground program's windows (id 2)
    std::int32_t sameAppKey2 = 0;
    std::int32_t cpu = 0;          // 1 to 100 from the dialog; animation timer every 120 - cpu ms
    std::int32_t transparent = 0;  // percent, 0 to 50 from the dialog
    std::int32_t menuType = 0;     // 0 = menus with icons, anything else = text only

    bool operator==(const BasicSettings&) const = default;
};

// Windows + Return shows the bar, Windows + Space the task menu, the third hotkey is off.
inline constexpr BasicSettings kDefaultBasicSettings{
    .launcherKey1 = 8,
    .launcherKey2 = 13,
    .taskKey1 = 8,
    .taskKey2 = 32,
    .sameAppKey1 = 0,
    .sameAppKey2 = -1,
    .cpu = 100,
    .transparent = 5,
    .menuType = 0,
};

// The program that opens folders instead of the shell. Empty fileApp = the shell.
struct FilerSetting {
    std::string fileApp;
    std::string fileAppOption;  // placed before the folder path; empty = none

    bool operator==(const FilerSetting&) const = default;
};

// The profile functions walk the whole file for every key, so reading a list of
// numbered keys costs its length squared: a hand-made list of many thousands would
// hold up the start for minutes. Entries past this many are not read.
inline constexpr std::size_t kMaxAssociations = 256;

// Animation step of the status display for a CPU-load level; a negative level
// leaves the step as it was.
std::int32_t cpuStepFor(std::int32_t cpu, std::int32_t previousStep);

class LauncherSettings {
  public:
    // Loads the settings at once. An empty `iniPath` means there is no settings
    // file: every value takes its default and nothing is ever written.
    LauncherSettings(ProfileStore& profile, std::string iniPath);
    // Writes the settings file one last time.
    ~LauncherSettings();

    LauncherSettings(const LauncherSettings&) = delete;
    LauncherSettings& operator=(const LauncherSettings&) = delete;

    // Reads the file again from scratch; missing or unreadable values take their
    // defaults, so this never fails.
    void loadSettings();

    // Replaces the settings file with exactly the current settings. The new file is
    // built beside the old one and put in its place only when complete; on any
    // failure the old file stays as it was and false is returned. Associations the
    // file held past kMaxAssociations are not written (see associationsCut).
    bool saveSettings() const;

    // Stores the nine values and derives the animation step from `cpu`.
    void applyValues(const BasicSettings& values);
    const BasicSettings& values() const { return values_; }
    std::int32_t cpuStep() const { return cpuStep_; }

    // The association operations; see AssociationList for what they refuse. No
    // more than kMaxAssociations are held.
    bool addAssociation(std::string_view ext, std::string_view appPath, std::string_view appOption) {
        return associations_.size() < kMaxAssociations && associations_.add(ext, appPath, appOption);
    }
    // The file held more associations than are read: a save keeps only those read.
    bool associationsCut() const { return associationsCut_; }
    bool updateAssociation(std::string_view ext, std::string_view appPath, std::string_view appOption) {
        return associations_.update(ext, appPath, appOption);
    }
    bool removeAssociation(std::string_view ext) { return associations_.remove(ext); }
    const Association* findAssociation(std::string_view ext) const { return associations_.find(ext); }
    const std::vector<Association>& associations() const { return associations_.entries(); }
    std::size_t associationCount() const { return associations_.size(); }

    // A non-empty `fileApp` sets both values, an empty one clears both. False (and
    // nothing changed) when a text could not be kept in the settings file.
    bool setFiler(std::string_view fileApp, std::string_view fileAppOption);
    const FilerSetting& filer() const { return filer_; }

    const std::string& iniPath() const { return iniPath_; }

  private:
    std::string readText(const char* section, const std::string& key) const;
    bool writeAll(const std::string& path) const;

    ProfileStore& profile_;
    std::string iniPath_;
    BasicSettings values_{};
    std::int32_t cpuStep_ = 0;
    AssociationList associations_;
    bool associationsCut_ = false;
    FilerSetting filer_;
};

}  // namespace zek::data
