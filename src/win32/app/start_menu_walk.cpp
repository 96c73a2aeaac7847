#include "win32/app/start_menu_walk.h"

#include <windows.h>

#include <shlobj.h>

#include <array>
#include <cstddef>
#include <utility>

#include "core/launch/default_icon.h"
#include "win32/platform/com_ptr.h"
#include "win32/platform/shortcut.h"
#include "win32/platform/unique_handle.h"
#include "win32/platform/wide_text.h"

namespace zek::win32 {
namespace {

// A target on the network counts as there without a look: an unreachable server
// would hold the bar, and the start waiting on it, for a network time-out each.
// Which drives are on the network is asked once per letter: each asking is a call
// to the system, and most targets lie on one or two drives.
class TargetCheck {
  public:
    bool isThere(const std::wstring& target) {
        return liesOnTheNetwork(target) || ::GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES;
    }

  private:
    bool liesOnTheNetwork(const std::wstring& target) {
        if (target.starts_with(L"\\\\")) {
            return true;
        }
        if (target.size() < 2 || target[1] != L':') {
            return false;
        }
        const wchar_t letter = static_cast<wchar_t>(target[0] & ~0x20);  // upper case
        if (letter < L'A' || letter > L'Z') {
            return false;
        }
        UINT& type = driveTypes_[static_cast<std::size_t>(letter - L'A')];
        if (type == kNotAsked) {
            const wchar_t root[] = {letter, L':', L'\\', L'\0'};
            type = ::GetDriveTypeW(root);
        }
        return type == DRIVE_REMOTE;
    }

    static constexpr UINT kNotAsked = ~0u;
    std::array<UINT, 26> driveTypes_ = [] {
        std::array<UINT, 26> types{};
        types.fill(kNotAsked);
        return types;
    }();
};

// A name as the program's functions can open it: its own, or else its short name
// where the volume keeps one.
std::optional<std::string> openableName(const WIN32_FIND_DATAW& entry) {
    if (std::optional<std::string> exact = exactNarrowText(entry.cFileName)) {
        return exact;
    }
    if (entry.cAlternateFileName[0] != L'\0') {
        return exactNarrowText(entry.cAlternateFileName);
    }
    return std::nullopt;
}

// Where the walk is: the folder as the system names it, and as the program's
// functions can open it (none once a folder on the way has no such name).
struct WalkFolder {
    std::wstring wide;
    std::optional<std::string> openable;
};

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

    // Walked through the system's wide functions, which see every name as it is; the
    // narrow ones would give a name the code page cannot hold with its letters
    // replaced, which names no file.
    void walk(const WalkFolder& folder, std::vector<std::string>& chain) {
        WIN32_FIND_DATAW entry{};
        const std::wstring pattern = folder.wide + L"\\*";
        const UniqueFindHandle search(::FindFirstFileW(pattern.c_str(), &entry));
        if (!search) {
            return;
        }
        do {
            if (stopped()) {
                return;
            }
            visit(folder, entry, chain);
        } while (::FindNextFileW(search.get(), &entry));
    }

  private:
    void visit(const WalkFolder& folder, const WIN32_FIND_DATAW& entry, std::vector<std::string>& chain) {
        const std::wstring_view wideName = entry.cFileName;
        if (wideName == L"." || wideName == L"..") {
            return;
        }
        // As the user sees it, letters the code page lacks given as the system fits them.
        const std::string name = narrowText(wideName);
        const std::optional<std::string> ownName = openableName(entry);
        WalkFolder inner{folder.wide + L"\\" + std::wstring(wideName), std::nullopt};
        if (folder.openable && ownName) {
            inner.openable = *folder.openable + "\\" + *ownName;
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
            walk(inner, chain);
            chain.pop_back();
            return;
        }
        if (launch::iconSourceOf(name) != launch::IconSource::Shortcut) {
            return;
        }
        // An item of a path the program cannot open would fail at every start.
        if (!inner.openable || inner.openable->size() >= MAX_PATH) {
            ++omissions_.unnamable;
            return;
        }
        const std::optional<std::wstring> target = shortcutTarget(inner.wide);
        const bool targetExists = target && targets_.isThere(*target);
        found.push_back({.folders = chain,
                         .path = *inner.openable,
                         .target = target ? narrowText(*target) : std::string(),
                         .targetExists = targetExists,
                         .shownName = *ownName != name ? name : std::string()});
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
    TargetCheck targets_;
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
    walk.walk({wideText(programsFolder), programsFolder}, chain);
    return std::move(walk.found);
}

}  // namespace zek::win32
