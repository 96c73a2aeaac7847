#pragma once
// The orders the old program gave its lists, which the data file's users know: it
// appended and then bubble-sorted, swapping neighbours strictly out of order.

#include <algorithm>
#include <string>
#include <vector>

#include "core/data/item_store.h"
#include "text/decoded_compare.h"

namespace zek::data::test {

using List = std::vector<LauncherItem*>;
using OutOfOrder = bool (*)(const LauncherItem*, const LauncherItem*);

inline int compareNames(const LauncherItem* a, const LauncherItem* b, bool foldCase) {
    return text::test::decodedCompare(std::string(a->name()), std::string(b->name()), foldCase);
}

// Children by name ignoring case; the flat list by name, then higher priority
// first; matches by higher priority, then name.
inline bool childOutOfOrder(const LauncherItem* a, const LauncherItem* b) {
    return compareNames(a, b, true) > 0;
}
inline bool itemOutOfOrder(const LauncherItem* a, const LauncherItem* b) {
    const int byName = compareNames(a, b, false);
    return byName > 0 || (byName == 0 && a->priority() < b->priority());
}
inline bool matchOutOfOrder(const LauncherItem* a, const LauncherItem* b) {
    return a->priority() < b->priority() || (a->priority() == b->priority() && compareNames(a, b, false) > 0);
}

inline void bubbleSort(List& list, OutOfOrder outOfOrder) {
    for (bool swapped = true; swapped;) {
        swapped = false;
        for (std::size_t i = 0; i + 1 < list.size(); ++i) {
            if (outOfOrder(list[i], list[i + 1])) {
                std::swap(list[i], list[i + 1]);
                swapped = true;
            }
        }
    }
}

template <typename Range>
List listOf(const Range& items) {
    List list;
    for (const auto& each : items) {
        list.push_back(&*each);
    }
    return list;
}

inline List bySerial(List list) {
    std::ranges::sort(list, {}, &LauncherItem::serial);
    return list;
}

inline std::string recordLines(int number, const std::string& name, int type, int level,
                               std::int32_t priority) {
    const std::string n = std::to_string(number);
    return n + ":ItemName=" + name + "\r\n" + n + ":ItemType=" + std::to_string(type) + "\r\n" + n +
           ":ItemLevel=" + std::to_string(level) + "\r\n" + n + ":ItemPriority=" + std::to_string(priority) +
           "\r\n";
}

// Few pieces, so that equal names, names equal but for case and byte-order traps
// come up often; priorities mostly small, now and then at the ends of the range.
inline const std::string kNamePieces[] = {"a", "A", "b", "_", "表", "ア", "ｱ", "Ａ", "ａ", "\\", "\x95"};
inline const std::int32_t kPriorities[] = {0, 0, 10, 50, -1, 0, 10, 50, 2147483647, -2147483647 - 1};

}  // namespace zek::data::test
