#include "core/app/start_menu_import.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

#include "core/data/data_file.h"
#include "core/data/data_file_writer.h"
#include "core/dialogs/item_form.h"
#include "core/text/case_fold.h"
#include "core/text/compare.h"
#include "core/text/path_split.h"
#include "core/text/sjis_walk.h"

namespace zek::app {
namespace {

using data::ItemType;
using data::LauncherItem;

// Whether `text` begins with `head`, letters compared without case. Walks whole
// characters, so a trail byte never passes for a letter.
bool beginsIgnoringCase(std::string_view text, std::string_view head) {
    std::size_t at = 0;
    for (std::size_t pos = 0; pos < head.size();) {
        if (at >= text.size()) {
            return false;
        }
        const text::Character wanted = text::characterAt(head, pos);
        const text::Character found = text::characterAt(text, at);
        if (text::foldCase(wanted.value) != text::foldCase(found.value)) {
            return false;
        }
        pos += wanted.length;
        at += found.length;
    }
    return true;
}

bool containsIgnoringCase(std::string_view text, std::string_view part) {
    for (std::size_t pos = 0; pos < text.size(); pos += text::characterAt(text, pos).length) {
        if (beginsIgnoringCase(text.substr(pos), part)) {
            return true;
        }
    }
    return false;
}

bool saysUninstall(std::string_view name) {
    return containsIgnoringCase(name, "uninstall") || containsIgnoringCase(name, "アンインストール");
}

std::string_view shownPath(const FoundShortcut& shortcut) {
    return shortcut.shownName.empty() ? std::string_view(shortcut.path)
                                      : std::string_view(shortcut.shownName);
}

bool isUninstallerShortcut(const FoundShortcut& shortcut) {
    return saysUninstall(text::splitPath(shownPath(shortcut)).fileName) ||
           saysUninstall(text::splitPath(shortcut.target).fileName);
}

// The folder of `top` the chain of folder names leads to, made where missing.
ImportedFolder& folderFor(ImportedFolder& top, std::span<const std::string> chain) {
    ImportedFolder* at = &top;
    std::size_t depth = 0;
    for (const std::string& each : chain) {
        const std::string_view name = dialogs::trimField(each);
        if (name.empty()) {
            continue;
        }
        if (depth == kMaxImportedFolderDepth) {
            break;
        }
        auto& folders = at->folders;
        auto found = std::find_if(folders.begin(), folders.end(), [name](const ImportedFolder& folder) {
            return text::compareIgnoringCase(folder.name, name) == 0;
        });
        if (found == folders.end()) {
            found = folders.insert(folders.end(), ImportedFolder{.name = std::string(name)});
        }
        at = &*found;
        ++depth;
    }
    return *at;
}

// The node below `node` named `name` (ignoring case), made where there is none.
LauncherItem* subNodeFor(data::ItemStore& store, LauncherItem* node, std::string_view name) {
    if (node == nullptr) {
        return nullptr;
    }
    for (const auto& child : node->children()) {
        if (child->type() == ItemType::NodeItem && text::compareIgnoringCase(child->name(), name) == 0) {
            return child.get();
        }
    }
    return store.addChild(node, store.createItem({.type = ItemType::NodeItem, .name = std::string(name)}));
}

void addContents(data::ItemStore& store, LauncherItem* node, const ImportedFolder& folder) {
    for (const data::ItemFields& item : folder.items) {
        store.addChild(node, store.createItem(item));
    }
    for (const ImportedFolder& inner : folder.folders) {
        // Below a node the store refused (a plan deeper than it takes), every add is
        // refused in turn: nothing is added and nothing breaks.
        addContents(store, subNodeFor(store, node, inner.name), inner);
    }
}

// The "Programs" folder a shortcut was found in: its path less the shortcut's file
// and the folders leading to it.
std::string programsFolderOf(const FoundShortcut& shortcut) {
    std::vector<std::size_t> separators;
    for (std::size_t pos = 0; pos < shortcut.path.size();
         pos += text::characterAt(shortcut.path, pos).length) {
        if (shortcut.path[pos] == '\\') {
            separators.push_back(pos);
        }
    }
    const std::size_t below = shortcut.folders.size() + 1;
    return separators.size() < below ? std::string()
                                     : shortcut.path.substr(0, separators[separators.size() - below]);
}

bool isImportedItem(const LauncherItem& item, std::span<const std::string> programsFolders) {
    if (item.type() != ItemType::DataItem ||
        text::compareIgnoringCase(text::splitPath(item.app()).extension, ".lnk") != 0) {
        return false;
    }
    return std::any_of(programsFolders.begin(), programsFolders.end(), [&](const std::string& folder) {
        return !folder.empty() && beginsIgnoringCase(item.app(), folder + "\\");
    });
}

// Takes out of `node`'s subtree what an import made; true when `node` held some of
// it and is empty now.
bool removeImported(data::ItemStore& store, LauncherItem* node,
                    std::span<const std::string> programsFolders) {
    bool removedAny = false;
    std::vector<LauncherItem*> gone;
    for (const auto& child : node->children()) {
        if (isImportedItem(*child, programsFolders) && child->childCount() == 0) {
            gone.push_back(child.get());
        } else if (child->type() == ItemType::NodeItem && child->childCount() > 0 &&
                   removeImported(store, child.get(), programsFolders)) {
            gone.push_back(child.get());
        }
    }
    for (LauncherItem* each : gone) {
        store.removeItem(each);
        removedAny = true;
    }
    return removedAny && node->childCount() == 0;
}

}  // namespace

std::optional<data::ItemFields> itemForShortcut(const FoundShortcut& shortcut) {
    if (!shortcut.targetExists || isUninstallerShortcut(shortcut)) {
        return std::nullopt;
    }
    const dialogs::DroppedFileFields dropped = dialogs::droppedFileFields(shortcut.path);
    const std::string name = dialogs::droppedFileFields(shownPath(shortcut)).name;
    // As if the dropped file's form were confirmed with its folder cleared.
    return dialogs::itemFromForm({.name = name, .app = dropped.app});
}

StartMenuImport planStartMenuImport(std::span<const FoundShortcut> userPrograms,
                                    std::span<const FoundShortcut> allUsersPrograms) {
    StartMenuImport plan{.top = {.name = std::string(kStartMenuNodeName)}};
    std::size_t kept = 0;
    for (const auto programs : {userPrograms, allUsersPrograms}) {
        for (const FoundShortcut& shortcut : programs) {
            std::optional<data::ItemFields> item = itemForShortcut(shortcut);
            if (!item) {
                continue;
            }
            if (kept == kMaxImportedShortcuts) {
                ++plan.overLimit;
                continue;
            }
            folderFor(plan.top, shortcut.folders).items.push_back(std::move(*item));
            ++kept;
        }
        for (const FoundShortcut& shortcut : programs) {
            std::string folder = programsFolderOf(shortcut);
            if (!folder.empty() && std::none_of(plan.programsFolders.begin(), plan.programsFolders.end(),
                                                [&](const std::string& known) {
                                                    return text::compareIgnoringCase(known, folder) == 0;
                                                })) {
                plan.programsFolders.push_back(std::move(folder));
            }
        }
    }
    return plan;
}

std::string importOmissionsText(const ImportOmissions& omissions) {
    std::string lines;
    if (omissions.overLimit > 0) {
        lines += "・ショートカットが" + std::to_string(kMaxImportedShortcuts) + "件を超えたため、残りの" +
                 std::to_string(omissions.overLimit) + "件\r\n";
    }
    if (omissions.foldersTooDeep > 0) {
        lines += "・" + std::to_string(kMaxWalkDepth) + "階層より深いフォルダ" +
                 std::to_string(omissions.foldersTooDeep) + "個の中身\r\n";
    }
    if (omissions.unnamable > 0) {
        lines +=
            "・名前をこの言語の文字で表せないショートカット" + std::to_string(omissions.unnamable) + "件\r\n";
    }
    if (omissions.entriesCut) {
        lines +=
            "・ファイルとフォルダが" + std::to_string(kMaxWalkEntries) + "個を超えたため、それより後の分\r\n";
    }
    if (omissions.timeCut) {
        lines += "・" + std::to_string(kMaxWalkMs / 1000) + "秒で探し終わらなかったため、それより後の分\r\n";
    }
    if (lines.empty()) {
        return lines;
    }
    return "スタートメニューを取り込みましたが、次のものは取り込んでいません。\r\n\r\n" + lines;
}

LauncherItem* replaceStartMenuNode(data::ItemStore& store, const StartMenuImport& plan) {
    if (plan.top.items.empty() && plan.top.folders.empty()) {
        return nullptr;
    }
    std::vector<LauncherItem*> earlier;
    for (const auto& rootNode : store.root()->children()) {
        if (rootNode->type() == ItemType::RootItem && rootNode->name() == kStartMenuNodeName) {
            earlier.push_back(rootNode.get());
        }
    }
    LauncherItem* node = nullptr;
    for (LauncherItem* each : earlier) {
        if (removeImported(store, each, plan.programsFolders) && node != nullptr) {
            store.removeItem(each);  // emptied, and the plan has a node to go into already
        } else if (node == nullptr) {
            node = each;
        }
    }
    if (node == nullptr) {
        node = store.addToRoot(
            store.createItem({.type = ItemType::RootItem, .name = std::string(kStartMenuNodeName)}));
    }
    addContents(store, node, plan.top);
    return node;
}

std::unique_ptr<data::ItemStore> storeWithImport(const data::ItemStore& store, const StartMenuImport& plan) {
    if (plan.top.items.empty() && plan.top.folders.empty()) {
        return nullptr;
    }
    auto copy = std::make_unique<data::ItemStore>(data::readDataFile(data::writeItemTree(store)).records);
    replaceStartMenuNode(*copy, plan);
    return copy;
}

}  // namespace zek::app
