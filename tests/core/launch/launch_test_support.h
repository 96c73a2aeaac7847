#pragma once
// Stand-ins for the file system and the shell, and a settings object without a
// settings file, for the launch tests.

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/data/launcher_item.h"
#include "core/data/launcher_settings.h"
#include "core/launch/file_status.h"
#include "core/launch/shell_launch.h"
#include "core/launch/shell_request.h"
#include "data/profile_double.h"

namespace zek::launch::test {

inline constexpr FileStatus kFolder{.directory = true, .regularFile = false};
inline constexpr FileStatus kRegularFile{.directory = false, .regularFile = true};

// Paths that exist, with their status; every other path does not.
class FakeFiles final : public FileStatusQuery {
  public:
    std::map<std::string, FileStatus> entries;

    std::optional<FileStatus> statusOf(const std::string& path) const override {
        const auto found = entries.find(path);
        return found == entries.end() ? std::nullopt : std::optional<FileStatus>(found->second);
    }
};

// Records what it is asked to open and the failures it shows; refuses files listed
// in `refusedFiles`. `whileShowingFailure` stands for what the message loop of a
// failure's message box may do meanwhile.
class RecordingShell final : public Shell {
  public:
    std::set<std::string> refusedFiles;
    std::vector<ShellRequest> opened;  // every request the shell was asked to open
    std::vector<std::string> failures;
    std::function<void()> whileShowingFailure;

    bool open(const ShellRequest& request) override {
        opened.push_back(request);
        return !refusedFiles.contains(request.file);
    }
    void showFailure(std::string_view message) override {
        failures.emplace_back(message);
        if (whileShowingFailure) {
            whileShowingFailure();
        }
    }
};

// Settings as the program holds them, with no settings file behind them.
class SettingsWithoutFile {
  public:
    SettingsWithoutFile() : settings(profile, "") {}

    zek::test::ProfileDouble profile;
    data::LauncherSettings settings;
};

inline data::ItemFields dataItem(std::string app, std::string option = {}, std::string dir = {}) {
    return {.type = data::ItemType::DataItem,
            .name = "item",
            .app = std::move(app),
            .option = std::move(option),
            .dir = std::move(dir)};
}

inline data::ItemFields withOwnAssociations(data::ItemFields fields) {
    fields.extension = 1;
    return fields;
}

}  // namespace zek::launch::test
