#include "data/record_table.h"

#include <utility>

#include "text/decimal.h"

namespace zek::data {

std::span<const RecordTable::Pair> RecordTable::pairsOf(std::int32_t record) const {
    if (record < 0 || record >= recordCount()) {
        return {};
    }
    const auto index = static_cast<std::size_t>(record);
    return std::span<const Pair>(pairs_).subspan(recordStarts_[index],
                                                 recordStarts_[index + 1] - recordStarts_[index]);
}

std::size_t RecordTable::pairCount(std::int32_t record) const {
    return pairsOf(record).size();
}

std::string_view RecordTable::key(std::int32_t record, std::size_t pairIndex) const {
    const Pair& pair = pairsOf(record)[pairIndex];
    return slice(pair.keyOffset, pair.keyLength);
}

std::string_view RecordTable::value(std::int32_t record, std::size_t pairIndex) const {
    const Pair& pair = pairsOf(record)[pairIndex];
    return slice(pair.valueOffset, pair.valueLength);
}

std::string_view RecordTable::getString(std::int32_t record, std::string_view key) const {
    for (const Pair& pair : pairsOf(record)) {
        if (slice(pair.keyOffset, pair.keyLength) == key) {
            return slice(pair.valueOffset, pair.valueLength);
        }
    }
    return {};
}

std::int32_t RecordTable::getInt(std::int32_t record, std::string_view key, std::int32_t fallback) const {
    const std::string_view value = getString(record, key);
    return value.empty() ? fallback : text::parseLeadingInt(value);
}

RecordTableBuilder::RecordTableBuilder(std::string text) {
    table_.text_ = std::move(text);
}

void RecordTableBuilder::add(std::int32_t record, std::string_view key, std::string_view value) {
    const char* base = table_.text_.data();
    entries_.push_back(
        {record,
         {static_cast<std::uint32_t>(key.data() - base), static_cast<std::uint32_t>(key.size()),
          static_cast<std::uint32_t>(value.data() - base), static_cast<std::uint32_t>(value.size())}});
    if (record == recordCount_) {
        ++recordCount_;
    }
}

RecordTable RecordTableBuilder::finish() && {
    // A counting sort by record number keeps the file order within each record.
    std::vector<std::uint32_t>& starts = table_.recordStarts_;
    starts.assign(static_cast<std::size_t>(recordCount_) + 1, 0);
    for (const Entry& entry : entries_) {
        ++starts[static_cast<std::size_t>(entry.record) + 1];
    }
    for (std::size_t i = 1; i < starts.size(); ++i) {
        starts[i] += starts[i - 1];
    }
    std::vector<std::uint32_t> next(starts.begin(), starts.end() - 1);
    table_.pairs_.resize(entries_.size());
    for (const Entry& entry : entries_) {
        table_.pairs_[next[static_cast<std::size_t>(entry.record)]++] = entry.pair;
    }
    entries_.clear();
    return std::move(table_);
}

}  // namespace zek::data
