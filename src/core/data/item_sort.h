#pragma once
// The three orders of the item tree. Each is a strict weak order, and every sort
// of the store is stable, so entries that compare equal keep their places relative
// to each other exactly as repeated swaps of neighbours that are out of order would
// leave them.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "core/data/key_sort.h"
#include "core/data/launcher_item.h"
#include "core/text/compare.h"

namespace zek::data {

// The name order of the flat list and the match list (case-sensitive).
inline int compareNames(const LauncherItem& a, const LauncherItem& b) {
    if (a.nameKey() != b.nameKey()) {
        return a.nameKey() < b.nameKey() ? -1 : 1;
    }
    if (a.nameOrdersAsBytes() && b.nameOrdersAsBytes()) {
        return std::string_view(a.name()).compare(b.name());
    }
    return text::compareExact(a.name(), b.name());
}

// Children of one node: by name, ignoring the case of letters.
struct ChildOrder {
    bool operator()(const LauncherItem& a, const LauncherItem& b) const {
        if (a.foldedNameKey() != b.foldedNameKey()) {
            return a.foldedNameKey() < b.foldedNameKey();
        }
        return text::compareIgnoringCase(a.name(), b.name()) < 0;
    }
    static std::uint64_t key(const LauncherItem& item) { return item.foldedNameKey(); }
};

// The flat list: by name, then the higher priority first.
struct FlatListOrder {
    bool operator()(const LauncherItem& a, const LauncherItem& b) const {
        const int byName = compareNames(a, b);
        return byName < 0 || (byName == 0 && a.priority() > b.priority());
    }
    static std::uint64_t key(const LauncherItem& item) { return item.nameKey(); }
};

// The match list: the higher priority first, then by name.
struct MatchListOrder {
    bool operator()(const LauncherItem& a, const LauncherItem& b) const {
        if (a.priority() != b.priority()) {
            return a.priority() > b.priority();
        }
        return compareNames(a, b) < 0;
    }
};

// Adapts an order of items to pointers and to owning pointers.
template <typename Order>
struct ByPointee {
    template <typename PointerA, typename PointerB>
    bool operator()(const PointerA& a, const PointerB& b) const {
        return Order{}(*a, *b);
    }
};

// A stable sort of a list of (owning or plain) item pointers by an order with a
// key. Short lists (the children of most nodes) are sorted in place by moving each
// entry back past those that order after it. Long ones have their keys sorted
// side by side in one array, so that the items, which at 100,000 no longer fit in
// the processor's caches, are reached only where keys are equal; a stable sort by
// key followed by a stable sort of each run of equal keys is a stable sort by the
// order, since the keys never contradict it.
template <typename Order, typename Pointer>
void stableSortByKey(std::vector<Pointer>& list) {
    constexpr std::size_t kShortList = 16;
    const ByPointee<Order> order;
    if (list.size() <= kShortList) {
        for (std::size_t i = 1; i < list.size(); ++i) {
            std::size_t at = i;
            while (at > 0 && order(list[i], list[at - 1])) {
                --at;
            }
            if (at < i) {
                std::rotate(list.begin() + static_cast<std::ptrdiff_t>(at),
                            list.begin() + static_cast<std::ptrdiff_t>(i),
                            list.begin() + static_cast<std::ptrdiff_t>(i) + 1);
            }
        }
        return;
    }
    std::vector<KeyedIndex> entries(list.size());
    for (std::size_t i = 0; i < list.size(); ++i) {
        entries[i] = {Order::key(*list[i]), i};
    }
    radixSortByKey(entries);
    for (auto run = entries.begin(); run != entries.end();) {
        const auto runEnd = std::find_if(
            run + 1, entries.end(), [key = run->key](const KeyedIndex& entry) { return entry.key != key; });
        const auto before = [&list, &order](const KeyedIndex& a, const KeyedIndex& b) {
            return order(list[a.index], list[b.index]);
        };
        if (runEnd - run > static_cast<std::ptrdiff_t>(kShortList)) {
            std::stable_sort(run, runEnd, before);
        } else {
            // Most runs are a few items of one name: no buffer for them.
            for (auto next = run + 1; next < runEnd; ++next) {
                auto at = next;
                while (at != run && before(*next, *(at - 1))) {
                    --at;
                }
                std::rotate(at, next, next + 1);
            }
        }
        run = runEnd;
    }
    std::vector<Pointer> sorted;
    sorted.reserve(list.size());
    for (const KeyedIndex& entry : entries) {
        sorted.push_back(std::move(list[entry.index]));
    }
    list = std::move(sorted);
}

// Position at which the entry at `oldIndex` of a sorted list, changed since, must
// stand so that the list is what a stable sort of it gives: after the entries that
// order before it, before those that order after it, and among its equals exactly
// where it stood. The position counts among the other entries, as if the moved one
// were taken out first.
template <typename Order, typename Pointer>
std::size_t stablePositionFor(std::span<const Pointer> list, std::size_t oldIndex) {
    const Order order;
    const LauncherItem& moved = *list[oldIndex];
    const auto other = [&](std::size_t k) -> const LauncherItem& { return *list[k < oldIndex ? k : k + 1]; };
    const std::size_t otherCount = list.size() - 1;
    std::size_t low = 0;
    std::size_t high = otherCount;
    while (low < high) {  // first other entry not ordered before `moved`
        const std::size_t middle = low + (high - low) / 2;
        if (order(other(middle), moved)) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    const std::size_t equalBegin = low;
    high = otherCount;
    while (low < high) {  // first other entry ordered after `moved`
        const std::size_t middle = low + (high - low) / 2;
        if (order(moved, other(middle))) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    const std::size_t equalEnd = low;
    return oldIndex < equalBegin ? equalBegin : (oldIndex > equalEnd ? equalEnd : oldIndex);
}

// Moves the entry at `oldIndex` of an otherwise sorted vector to its stable place.
template <typename Order, typename Pointer>
void restoreOrderAfterChange(std::vector<Pointer>& list, std::size_t oldIndex) {
    const std::size_t newIndex = stablePositionFor<Order, Pointer>(std::span<const Pointer>(list), oldIndex);
    if (newIndex < oldIndex) {
        std::rotate(list.begin() + static_cast<std::ptrdiff_t>(newIndex),
                    list.begin() + static_cast<std::ptrdiff_t>(oldIndex),
                    list.begin() + static_cast<std::ptrdiff_t>(oldIndex) + 1);
    } else if (newIndex > oldIndex) {
        std::rotate(list.begin() + static_cast<std::ptrdiff_t>(oldIndex),
                    list.begin() + static_cast<std::ptrdiff_t>(oldIndex) + 1,
                    list.begin() + static_cast<std::ptrdiff_t>(newIndex) + 1);
    }
}

}  // namespace zek::data
