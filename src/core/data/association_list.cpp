#include "core/data/association_list.h"

#include <algorithm>

#include "core/data/profile_value.h"

namespace zek::data {
namespace {

bool isAcceptable(std::string_view ext, std::string_view appPath, std::string_view appOption) {
    return !ext.empty() && !appPath.empty() && isStorableProfileText(ext) && isStorableProfileText(appPath) &&
           isStorableProfileText(appOption);
}

}  // namespace

bool AssociationList::add(std::string_view ext, std::string_view appPath, std::string_view appOption) {
    if (!isAcceptable(ext, appPath, appOption)) {
        return false;
    }
    entries_.push_back({std::string{ext}, std::string{appPath}, std::string{appOption}});
    return true;
}

bool AssociationList::update(std::string_view ext, std::string_view appPath, std::string_view appOption) {
    const auto entry = findEntry(ext);
    if (entry == entries_.end() || !isAcceptable(ext, appPath, appOption)) {
        return false;
    }
    entry->appPath = appPath;
    entry->appOption = appOption;
    return true;
}

bool AssociationList::remove(std::string_view ext) {
    const auto entry = findEntry(ext);
    if (entry == entries_.end()) {
        return false;
    }
    entries_.erase(entry);
    return true;
}

const Association* AssociationList::find(std::string_view ext) const {
    const auto entry = std::ranges::find(entries_, ext, &Association::ext);
    return entry == entries_.end() ? nullptr : &*entry;
}

std::vector<Association>::iterator AssociationList::findEntry(std::string_view ext) {
    return std::ranges::find(entries_, ext, &Association::ext);
}

}  // namespace zek::data
