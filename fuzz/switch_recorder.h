#pragma once
// Switch actions that only check what they are given: texts that fit their fields.
#include <string_view>

#include "core/app/remote_command.h"
#include "core/app/switches.h"
#include "fuzz_check.h"

namespace zek::fuzz {

class SwitchRecorder final : public app::SwitchActions {
  public:
    int calls = 0;

    void runCommand(std::string_view name) override { argument(name); }
    void openFile(std::string_view path) override { argument(path); }
    void openFileWithCommand(std::string_view name, std::string_view path) override {
        argument(name);
        argument(path);
    }
    void showBar() override { ++calls; }
    void hideBar() override { ++calls; }
    void showHelp() override { ++calls; }
    void minimizeAllWindows() override { ++calls; }
    void restoreAllWindows() override { ++calls; }
    void trimAllProcesses() override { ++calls; }
    void activateNextWindow() override { ++calls; }
    void importStartMenu() override { ++calls; }

  private:
    void argument(std::string_view text) {
        ++calls;
        ZEK_FUZZ_CHECK(text.size() < app::kArgumentSize);
        ZEK_FUZZ_CHECK(text.find('\0') == std::string_view::npos);
    }
};

}  // namespace zek::fuzz
