#include "core/data/key_sort.h"

#include <array>
#include <utility>

namespace zek::data {
namespace {

constexpr unsigned kDigitBits = 11;
constexpr std::size_t kBuckets = std::size_t{1} << kDigitBits;
constexpr unsigned kDigits = (64 + kDigitBits - 1) / kDigitBits;

constexpr std::size_t digitOf(std::uint64_t key, unsigned digit) {
    return static_cast<std::size_t>((key >> (digit * kDigitBits)) & (kBuckets - 1));
}

}  // namespace

void radixSortByKey(std::vector<KeyedIndex>& entries) {
    const std::size_t count = entries.size();
    if (count < 2) {
        return;
    }
    // All digits counted in one pass over the keys.
    std::vector<std::array<std::size_t, kBuckets>> counts(kDigits);
    for (const KeyedIndex& entry : entries) {
        for (unsigned digit = 0; digit < kDigits; ++digit) {
            ++counts[digit][digitOf(entry.key, digit)];
        }
    }
    std::vector<KeyedIndex> scratch(count);
    std::vector<KeyedIndex>* from = &entries;
    std::vector<KeyedIndex>* to = &scratch;
    for (unsigned digit = 0; digit < kDigits; ++digit) {
        std::array<std::size_t, kBuckets>& places = counts[digit];
        if (places[digitOf((*from)[0].key, digit)] == count) {
            continue;  // every key has this digit: the order stays as it is
        }
        std::size_t next = 0;
        for (std::size_t& place : places) {
            next += std::exchange(place, next);
        }
        for (const KeyedIndex& entry : *from) {
            (*to)[places[digitOf(entry.key, digit)]++] = entry;
        }
        std::swap(from, to);
    }
    if (from != &entries) {
        entries = std::move(*from);
    }
}

}  // namespace zek::data
