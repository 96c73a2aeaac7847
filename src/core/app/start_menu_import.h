#pragma once
// Filling the item tree from the Start Menu: which of the shortcuts found below the
// user's and the all-users "Programs" folders become items, under which nodes, and
// how a later import replaces the node an earlier one made. The walk of the folders
// and the reading of the shortcuts are the program's; here only the rules. It lives
// with the switches because it needs the item form's rule for a dropped file.
#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/data/item_store.h"
#include "core/data/launcher_item.h"

namespace zek::app {

// The root node an import makes, and the one the next import replaces.
inline constexpr std::string_view kStartMenuNodeName = "スタートメニュー";

// The root node stands at level 1 and the deepest node must still hold items, so a
// folder nested deeper than this has its shortcuts put into its ancestor at this
// depth (1: a folder directly in "Programs"). Flattening keeps every shortcut.
inline constexpr std::size_t kMaxImportedFolderDepth = static_cast<std::size_t>(data::kMaxItemLevel) - 2;
// A real Start Menu holds a few hundred shortcuts; past this many the rest are left
// out, which keeps the import quick and the tree usable whatever a walk returns.
inline constexpr std::size_t kMaxImportedShortcuts = 5000;

// The walk of a "Programs" folder is bounded whatever the disk holds: it enters no
// folder nested deeper than this below "Programs", stops after this many entries,
// and after this long.
inline constexpr std::size_t kMaxWalkDepth = 32;
inline constexpr std::size_t kMaxWalkEntries = 50000;
inline constexpr unsigned kMaxWalkMs = 20000;

// What the walk and the plan left out, for the user to be told: a re-import replaces
// the earlier one, so items could otherwise vanish unseen.
struct ImportOmissions {
    std::size_t overLimit = 0;       // shortcuts past kMaxImportedShortcuts
    std::size_t foldersTooDeep = 0;  // folders not entered, deeper than kMaxWalkDepth
    // Shortcuts whose path the code page cannot name (nor a short name stand in for),
    // which the program's functions could not open.
    std::size_t unnamable = 0;
    bool entriesCut = false;  // the walk stopped at kMaxWalkEntries
    bool timeCut = false;     // the walk stopped at kMaxWalkMs

    bool operator==(const ImportOmissions&) const = default;
};

// The message that tells the user what was left out and why; "" when nothing was.
std::string importOmissionsText(const ImportOmissions& omissions);

// One shortcut file as the walk found it.
struct FoundShortcut {
    // The folders from "Programs" down to the shortcut, outermost first.
    std::vector<std::string> folders;
    std::string path;    // the .lnk file itself, as the program's functions open it
    std::string target;  // what it points to
    bool targetExists = false;
    // The file's name as shown, where the path names it otherwise (by its short
    // name, for a name the code page cannot hold); "" for the path's own.
    std::string shownName;
};

// A node to be: its sub-folders and its items. Only folders that hold an item at
// some depth are made, so no node ends up empty; they nest at most
// kMaxImportedFolderDepth deep.
struct ImportedFolder {
    std::string name;
    std::vector<ImportedFolder> folders;
    std::vector<data::ItemFields> items;
};

struct StartMenuImport {
    ImportedFolder top;         // named kStartMenuNodeName
    std::size_t overLimit = 0;  // shortcuts that passed the filters but were left out
    // The "Programs" folders the shortcuts were found in: an item that starts a
    // shortcut in one of them is one an import made.
    std::vector<std::string> programsFolders;
};

// The item a kept shortcut becomes: named as a file dropped on the settings tree
// (its shown file name without extension, ASCII letters in lower case), its path as the
// program and no folder. None for a shortcut whose target is gone, one whose name is
// blank and an uninstaller: one whose name or whose target's file name says
// "uninstall" in any case, or "アンインストール".
std::optional<data::ItemFields> itemForShortcut(const FoundShortcut& shortcut);

// What the two folders give, merged: a sub-folder of the same name in both (ignoring
// case, as the file system does) is one node, named as the user's folder spells it.
// Blank folder names add no level. Items keep the order of the lists; the store
// sorts them when they are added.
StartMenuImport planStartMenuImport(std::span<const FoundShortcut> userPrograms,
                                    std::span<const FoundShortcut> allUsersPrograms);

// Puts the plan in place of what earlier imports made, leaving the rest of the tree
// as it was. What an import made lies below a root node (of that type, no data item)
// named exactly kStartMenuNodeName: the data items that start a shortcut in one of
// the plan's "Programs" folders, and the nodes that held them and are left empty.
// Anything the user put there stays, and the plan goes into the first such node
// (into its sub-nodes of the same names, ignoring case), or into a new one. A plan
// without any item changes nothing, since an empty Start Menu more likely means a
// failed walk than a wish to lose the earlier import. Returns the node, or nullptr.
data::LauncherItem* replaceStartMenuNode(data::ItemStore& store, const StartMenuImport& plan);

// The store an import leaves: a copy of `store`, made as saving it and reading it
// back would make it, with the planned node in place of the earlier one. `store`
// itself stays as it is, so a save of the copy that fails loses nothing. None for a
// plan without any item.
std::unique_ptr<data::ItemStore> storeWithImport(const data::ItemStore& store, const StartMenuImport& plan);

}  // namespace zek::app
