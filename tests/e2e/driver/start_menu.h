#pragma once
// Shortcuts put into the Start Menu of the prefix for one scenario, and taken out
// again, with every folder made for them, when it ends.
#include <string>
#include <vector>

namespace zek::e2e {

// Saves a shortcut to `target`; false when the shell link object refuses.
bool createShortcut(const std::string& linkPath, const std::string& target,
                    const std::string& arguments = "");

class StartMenuShortcuts {
  public:
    enum class Menu { User, AllUsers };

    // Shortcuts are made in `stagingFolder` and moved into place: a shortcut saved
    // straight into the Start Menu makes Wine add it to the desktop's own menus.
    explicit StartMenuShortcuts(std::string stagingFolder) : staging_(std::move(stagingFolder)) {}
    StartMenuShortcuts(const StartMenuShortcuts&) = delete;
    StartMenuShortcuts& operator=(const StartMenuShortcuts&) = delete;
    ~StartMenuShortcuts();

    static std::string programsFolder(Menu menu);
    // A shortcut to `target` at `relativePath` below the menu's "Programs" folder,
    // with the folders on the way; its full path, "" when it could not be made.
    std::string add(Menu menu, const std::string& relativePath, const std::string& target,
                    const std::string& arguments = "");

  private:
    std::string staging_;
    std::vector<std::string> made_;  // the entries made directly in a "Programs" folder
};

}  // namespace zek::e2e
