#include "core/data/launcher_settings.h"

#include <array>
#include <charconv>
#include <utility>

#include "core/data/profile_value.h"

namespace zek::data {
namespace {

constexpr const char* kModeSection = "Mode";
constexpr const char* kExtModeSection = "ExtMode";
constexpr const char* kFileAppKey = "FileApp";
constexpr const char* kFileAppOptionKey = "FileAppOption";
constexpr const char* kExtKeyStem = "ExtKey";
constexpr const char* kPathKeyStem = "PathKey";
constexpr const char* kOptionKeyStem = "OptionKey";

// The new file is built under this name beside the settings file.
constexpr std::string_view kAsideSuffix = ".tmp";

struct ModeKey {
    const char* name;
    std::int32_t BasicSettings::*field;
};

// In the order the keys are written.
constexpr std::array<ModeKey, 9> kModeKeys{{
    {"Key1", &BasicSettings::launcherKey1},
    {"Key2", &BasicSettings::launcherKey2},
    {"Key3", &BasicSettings::taskKey1},
    {"Key4", &BasicSettings::taskKey2},
    {"Key5", &BasicSettings::sameAppKey1},
    {"Key6", &BasicSettings::sameAppKey2},
    {"Cpu", &BasicSettings::cpu},
    {"Transparent", &BasicSettings::transparent},
    {"MenuType", &BasicSettings::menuType},
}};

std::string decimal(std::int64_t value) {
    std::array<char, 24> digits{};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    return std::string(digits.data(), result.ptr);
}

std::string numberedKey(const char* stem, std::size_t index) {
    return stem + decimal(static_cast<std::int64_t>(index));
}

}  // namespace

std::int32_t cpuStepFor(std::int32_t cpu, std::int32_t previousStep) {
    if (cpu >= 90) {
        return 10;
    }
    if (cpu >= 75) {
        return 8;
    }
    if (cpu >= 50) {
        return 6;
    }
    if (cpu >= 25) {
        return 4;
    }
    if (cpu >= 0) {
        return 2;
    }
    return previousStep;
}

LauncherSettings::LauncherSettings(ProfileStore& profile, std::string iniPath)
    : profile_(profile), iniPath_(std::move(iniPath)) {
    loadSettings();
}

LauncherSettings::~LauncherSettings() {
    // A destructor must not throw; a failed save leaves the old file, which is all
    // that can be done at this point.
    try {
        saveSettings();
    } catch (...) {
    }
}

void LauncherSettings::applyValues(const BasicSettings& values) {
    values_ = values;
    cpuStep_ = cpuStepFor(values.cpu, cpuStep_);
}

bool LauncherSettings::setFiler(std::string_view fileApp, std::string_view fileAppOption) {
    if (fileApp.empty()) {
        filer_ = {};
        return true;
    }
    if (!isStorableProfileText(fileApp) || !isStorableProfileText(fileAppOption)) {
        return false;
    }
    filer_ = {std::string{fileApp}, std::string{fileAppOption}};
    return true;
}

std::string LauncherSettings::readText(const char* section, const std::string& key) const {
    return fitReadProfileValue(profile_.readString(iniPath_, section, key, "", kProfileReadBufferBytes));
}

void LauncherSettings::loadSettings() {
    associations_.clear();
    associationsCut_ = false;
    filer_ = {};
    if (iniPath_.empty()) {
        applyValues(kDefaultBasicSettings);
        return;
    }

    BasicSettings values;
    for (const ModeKey& key : kModeKeys) {
        values.*key.field =
            profile_.readInt(iniPath_, kModeSection, key.name, kDefaultBasicSettings.*key.field);
    }
    applyValues(values);

    setFiler(readText(kExtModeSection, kFileAppKey), readText(kExtModeSection, kFileAppOptionKey));

    // The list ends at the first missing number; an entry without an application is
    // skipped but does not end it.
    std::size_t n = 0;
    for (; n < kMaxAssociations; ++n) {
        const std::string ext = readText(kExtModeSection, numberedKey(kExtKeyStem, n));
        if (ext.empty()) {
            return;
        }
        associations_.add(ext, readText(kExtModeSection, numberedKey(kPathKeyStem, n)),
                          readText(kExtModeSection, numberedKey(kOptionKeyStem, n)));
    }
    associationsCut_ = !readText(kExtModeSection, numberedKey(kExtKeyStem, n)).empty();
}

bool LauncherSettings::writeAll(const std::string& path) const {
    const auto write = [&](const char* section, const std::string& key, std::string_view text) {
        return profile_.writeString(path, section, key, encodeProfileValue(text));
    };

    for (const ModeKey& key : kModeKeys) {
        if (!write(kModeSection, key.name, decimal(values_.*key.field))) {
            return false;
        }
    }
    if (!filer_.fileApp.empty() && !write(kExtModeSection, kFileAppKey, filer_.fileApp)) {
        return false;
    }
    if (!filer_.fileAppOption.empty() && !write(kExtModeSection, kFileAppOptionKey, filer_.fileAppOption)) {
        return false;
    }
    const std::vector<Association>& entries = associations_.entries();
    for (std::size_t j = 0; j < entries.size(); ++j) {
        const Association& entry = entries[j];
        if (!write(kExtModeSection, numberedKey(kExtKeyStem, j), entry.ext) ||
            !write(kExtModeSection, numberedKey(kPathKeyStem, j), entry.appPath)) {
            return false;
        }
        if (!entry.appOption.empty() &&
            !write(kExtModeSection, numberedKey(kOptionKeyStem, j), entry.appOption)) {
            return false;
        }
    }
    return true;
}

bool LauncherSettings::saveSettings() const {
    if (iniPath_.empty()) {
        return false;
    }
    // Writing straight into the settings file would leave it half written (or
    // deleted) if the program stopped or a write failed part way.
    const std::string aside = iniPath_ + std::string{kAsideSuffix};
    if (!profile_.removeFile(aside)) {
        return false;
    }
    if (writeAll(aside) && profile_.flush(aside) && profile_.replaceFile(aside, iniPath_)) {
        return true;
    }
    profile_.removeFile(aside);
    return false;
}

}  // namespace zek::data
