#pragma once
// The program's own file associations: extension -> application and option, in
// the order the user added them (the order of the numbered INI keys).

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zek::data {

struct Association {
    std::string ext;        // without its dot, as typed; never empty; matched case-sensitively
    std::string appPath;    // never empty
    std::string appOption;  // empty = no option; placed before the file name

    bool operator==(const Association&) const = default;
};

class AssociationList {
  public:
    // Appends an entry. Refuses (false) an empty extension or application, and texts
    // the settings file could not keep (see isStorableProfileText). Does not look for
    // duplicates: the association dialog checks with find() first.
    bool add(std::string_view ext, std::string_view appPath, std::string_view appOption);

    // Replaces the application and option of the first entry with exactly `ext`.
    // False when there is none or the new texts are refused as by add().
    bool update(std::string_view ext, std::string_view appPath, std::string_view appOption);

    // Removes the first entry with exactly `ext`; the others keep their order.
    bool remove(std::string_view ext);

    // The first entry whose extension equals `ext` byte for byte, or null. The
    // pointer is valid until the list changes.
    const Association* find(std::string_view ext) const;

    const std::vector<Association>& entries() const { return entries_; }
    std::size_t size() const { return entries_.size(); }
    void clear() { entries_.clear(); }

  private:
    std::vector<Association>::iterator findEntry(std::string_view ext);

    std::vector<Association> entries_;
};

}  // namespace zek::data
