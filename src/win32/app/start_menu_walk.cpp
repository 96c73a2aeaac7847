#include "win32/app/start_menu_walk.h"

#include <windows.h>

#include <shlobj.h>

#include <cstddef>
#include <utility>

#include "core/launch/default_icon.h"
#include "win32/platform/com_ptr.h"
#include "win32/platform/shortcut.h"
#include "win32/platform/unique_handle.h"

namespace zek::win32 {
namespace {

// A target on the network counts as there without a look: an unreachable server
// would hold the bar, and the start waiting on it, for a network time-out each.
bool liesOnTheNetwork(const std::string& target) {
    if (target.starts_with("\\\\")) {
        return true;
    }
    if (target.size() < 2 || target[1] != ':') {
        return false;
    }
    const char root[] = {target[0], ':', '\\', '\0'};
    return ::GetDriveTypeA(root) == DRIVE_REMOTE;
}

bool targetIsThere(const std::string& target) {
    return liesOnTheNetwork(target) || ::GetFileAttributesA(target.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A drive without its medium answers a look-up with a system error box unless the
// process asks for none; the walk asks for none and gives the setting back after.
class NoSystemErrorBoxes {
  public:
    NoSystemErrorBoxes() : previous_(::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX)) {}
    ~NoSystemErrorBoxes() { ::SetErrorMode(previous_); }
    NoSystemErrorBoxes(const NoSystemErrorBoxes&) = delete;
    NoSystemErrorBoxes& operator=(const NoSystemErrorBoxes&) = delete;

  private:
    UINT previous_;
};

class ShortcutWalk {
  public:
    explicit ShortcutWalk(app::ImportOmissions& omissions)
        : omissions_(omissions), deadline_(::GetTickCount64() + app::kMaxWalkMs) {}

    std::vector<app::FoundShortcut> found;

    void walk(const std::string& folder, std::vector<std::string>& chain) {
        WIN32_FIND_DATAA entry{};
        const std::string pattern = folder + "\\*";
        const UniqueFindHandle search(::FindFirstFileA(pattern.c_str(), &entry));
        if (!search) {
            return;
        }
        do {
            if (stopped()) {
                return;
            }
            visit(folder, entry, chain);
        } while (::FindNextFileA(search.get(), &entry));
    }

  private:
    void visit(const std::string& folder, const WIN32_FIND_DATAA& entry, std::vector<std::string>& chain) {
        const std::string name = entry.cFileName;
        if (name == "." || name == "..") {
            return;
        }
        const std::string path = folder + "\\" + name;
        if (path.size() >= MAX_PATH) {
            return;
        }
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            if ((entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
                return;
            }
            if (chain.size() >= app::kMaxWalkDepth) {
                ++omissions_.foldersTooDeep;
                return;
            }
            chain.push_back(name);
            walk(path, chain);
            chain.pop_back();
            return;
        }
        if (launch::iconSourceOf(path) != launch::IconSource::Shortcut) {
            return;
        }
        const std::optional<std::string> target = resolveShortcut(path);
        const bool targetExists = target && targetIsThere(*target);
        found.push_back(
            {.folders = chain, .path = path, .target = target.value_or(""), .targetExists = targetExists});
    }

    // Counts the entry about to be visited; true once the walk has to stop.
    bool stopped() {
        if (omissions_.entriesCut || omissions_.timeCut) {
            return true;
        }
        if (++entries_ > app::kMaxWalkEntries) {
            omissions_.entriesCut = true;
        } else if (::GetTickCount64() > deadline_) {
            omissions_.timeCut = true;
        }
        return omissions_.entriesCut || omissions_.timeCut;
    }

    app::ImportOmissions& omissions_;
    ULONGLONG deadline_;
    std::size_t entries_ = 0;
};

}  // namespace

std::string startMenuProgramsFolder(bool allUsers) {
    char folder[MAX_PATH] = {};
    if (FAILED(::SHGetFolderPathA(nullptr, allUsers ? CSIDL_COMMON_PROGRAMS : CSIDL_PROGRAMS, nullptr,
                                  SHGFP_TYPE_CURRENT, folder))) {
        return {};
    }
    return folder;
}

std::vector<app::FoundShortcut> findStartMenuShortcuts(const std::string& programsFolder,
                                                       app::ImportOmissions& omissions) {
    if (programsFolder.empty()) {
        return {};
    }
    // One apartment for the whole walk: each shortcut read inside it then only
    // joins it, instead of entering and leaving COM once per shortcut.
    const ScopedComApartment apartment;
    const NoSystemErrorBoxes quiet;
    ShortcutWalk walk(omissions);
    std::vector<std::string> chain;
    walk.walk(programsFolder, chain);
    return std::move(walk.found);
}

}  // namespace zek::win32
