#pragma once
// Sorting many entries by a 64-bit key without comparing them one against another:
// the flat list of 100,000 items is put in order at every start-up.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zek::data {

struct KeyedIndex {
    std::uint64_t key;
    std::size_t index;
};

// Orders `entries` by key, ascending; entries with equal keys keep their order.
// A least-significant-digit radix sort, which skips the digits all keys share.
void radixSortByKey(std::vector<KeyedIndex>& entries);

}  // namespace zek::data
