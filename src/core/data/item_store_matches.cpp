// The combo box's side of the store: the items whose names begin with the typed
// text, found by binary search in the flat list and put in MatchListOrder.

#include <algorithm>
#include <limits>
#include <string>
#include <utility>

#include "core/data/item_sort.h"
#include "core/data/item_store.h"
#include "core/text/sjis_walk.h"

namespace zek::data {
namespace {

bool beginsWith(const LauncherItem& item, std::string_view prefix) {
    return std::string_view(item.name()).starts_with(prefix);
}

// Index ranges of the flat list, taken one after the other.
struct IndexRange {
    std::size_t begin;
    std::size_t end;
};

// The entries of `ranges` in MatchListOrder. A subsequence of the flat list is in
// name order, equal names by descending priority; a stable sort of it by descending
// priority alone therefore gives MatchListOrder. Priorities mostly lie in 0 to 100,
// so counting them is enough; they are read from a copy beside the flat list.
// At least one range is not empty.
std::vector<LauncherItem*> orderByPriority(std::span<LauncherItem* const> items,
                                           std::span<const std::int32_t> priorities,
                                           std::initializer_list<IndexRange> ranges) {
    std::int32_t lowest = std::numeric_limits<std::int32_t>::max();
    std::int32_t highest = std::numeric_limits<std::int32_t>::min();
    std::size_t total = 0;
    for (const IndexRange& range : ranges) {
        for (std::size_t i = range.begin; i < range.end; ++i) {
            lowest = std::min(lowest, priorities[i]);
            highest = std::max(highest, priorities[i]);
        }
        total += range.end - range.begin;
    }
    std::vector<LauncherItem*> ordered;
    ordered.reserve(total);
    const std::int64_t span = std::int64_t{highest} - lowest + 1;
    constexpr std::int64_t kMaxCountedSpan = 4096;
    if (span == 1 || span > kMaxCountedSpan) {
        for (const IndexRange& range : ranges) {
            ordered.insert(ordered.end(), items.begin() + static_cast<std::ptrdiff_t>(range.begin),
                           items.begin() + static_cast<std::ptrdiff_t>(range.end));
        }
        if (span > 1) {
            std::stable_sort(
                ordered.begin(), ordered.end(),
                [](const LauncherItem* a, const LauncherItem* b) { return a->priority() > b->priority(); });
        }
        return ordered;
    }
    const auto slot = [highest](std::int32_t priority) {
        return static_cast<std::size_t>(std::int64_t{highest} - priority);
    };
    std::vector<std::size_t> starts(static_cast<std::size_t>(span) + 1, 0);
    for (const IndexRange& range : ranges) {
        for (std::size_t i = range.begin; i < range.end; ++i) {
            ++starts[slot(priorities[i]) + 1];
        }
    }
    for (std::size_t i = 1; i < starts.size(); ++i) {
        starts[i] += starts[i - 1];
    }
    ordered.resize(total);
    for (const IndexRange& range : ranges) {
        for (std::size_t i = range.begin; i < range.end; ++i) {
            ordered[starts[slot(priorities[i])]++] = items[i];
        }
    }
    return ordered;
}

}  // namespace

LauncherItem* ItemStore::findFirstMatch(std::string_view prefix) const {
    if (prefix.empty()) {
        return nullptr;
    }
    if (!matches_) {
        const PrefixRanges ranges = prefixRanges(prefix);
        if (ranges.same != ranges.sameEnd) {
            return *ranges.same;
        }
        return ranges.continuing != ranges.continuingEnd ? *ranges.continuing : nullptr;
    }
    // The matches of the last typed text usually start with the answer.
    for (LauncherItem* item : currentList()) {
        if (beginsWith(*item, prefix)) {
            return item;
        }
    }
    return nullptr;
}

ItemStore::PrefixRanges ItemStore::prefixRanges(std::string_view prefix) const {
    // In character order the names with a prefix stand together, starting where the
    // prefix itself would stand; a prefix that ends in a lead byte is continued by
    // a whole double-byte character after it ...
    const bool endsInLeadByte = text::endsInsideCharacter(prefix);
    const auto startOf = [this](std::string name) {
        const LauncherItem first(ItemFields{.name = std::move(name)});
        return std::partition_point(items_.begin(), items_.end(), [&first](const LauncherItem* item) {
            return compareNames(*item, first) < 0;
        });
    };
    PrefixRanges ranges;
    ranges.continuing = startOf(endsInLeadByte ? std::string(prefix) + '\0' : std::string(prefix));
    ranges.continuingEnd =
        std::partition_point(ranges.continuing, items_.end(),
                             [prefix](const LauncherItem* item) { return beginsWith(*item, prefix); });
    ranges.same = ranges.sameEnd = ranges.continuing;
    if (endsInLeadByte) {
        // ... or, in a name that ends with that lead byte, by nothing: such a name
        // sorts as a single-byte character, before all of the others.
        ranges.same = startOf(std::string(prefix));
        ranges.sameEnd = std::partition_point(
            ranges.same, items_.end(), [prefix](const LauncherItem* item) { return item->name() == prefix; });
    }
    return ranges;
}

std::span<const std::int32_t> ItemStore::flatListPriorities() {
    if (flatListPriorities_.generation != generation_) {
        std::vector<std::int32_t>& values = flatListPriorities_.values;
        values.resize(items_.size());
        std::transform(items_.begin(), items_.end(), values.begin(),
                       [](const LauncherItem* item) { return item->priority(); });
        flatListPriorities_.generation = generation_;
    }
    return flatListPriorities_.values;
}

void ItemStore::buildMatches(std::string_view prefix) {
    ++listVersion_;
    matches_.reset();
    if (prefix.empty()) {
        return;
    }
    const PrefixRanges ranges = prefixRanges(prefix);
    if (ranges.same == ranges.sameEnd && ranges.continuing == ranges.continuingEnd) {
        return;
    }
    const auto index = [this](FlatListIterator at) { return static_cast<std::size_t>(at - items_.begin()); };
    matches_ = orderByPriority(items_, flatListPriorities(),
                               {{index(ranges.same), index(ranges.sameEnd)},
                                {index(ranges.continuing), index(ranges.continuingEnd)}});
}

}  // namespace zek::data
