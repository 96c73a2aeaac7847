#include "core/data/record_table.h"

#include <utility>

#include "core/text/decimal.h"

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
    return keyOf(pair);
}

std::string_view RecordTable::value(std::int32_t record, std::size_t pairIndex) const {
    const Pair& pair = pairsOf(record)[pairIndex];
    return valueOf(pair);
}

std::string_view RecordTable::getString(std::int32_t record, std::string_view key) const {
    for (const Pair& pair : pairsOf(record)) {
        if (keyOf(pair) == key) {
            return valueOf(pair);
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
    // A record line takes 18 bytes or more as the program writes them; reserving one
    // pair per 16 bytes of text (half as much memory as the text) makes growing the
    // array rare, and the part never written is never touched.
    constexpr std::size_t kBytesPerPairAtLeast = 16;
    constexpr std::size_t kBytesPerRecordAtLeast = 256;
    table_.pairs_.reserve(table_.text_.size() / kBytesPerPairAtLeast + 1);
    table_.recordStarts_.clear();
    table_.recordStarts_.reserve(table_.text_.size() / kBytesPerRecordAtLeast + 1);
}

void RecordTableBuilder::add(std::int32_t record, std::string_view key, std::string_view value) {
    const char* base = table_.text_.data();
    const RecordTable::Pair pair{static_cast<std::uint32_t>(key.data() - base),
                                 static_cast<std::uint16_t>(key.size()),
                                 static_cast<std::uint16_t>(value.size())};
    if (inFileOrder_ && record + 1 < recordCount_) {
        leaveFileOrder();
    }
    if (record == recordCount_) {
        ++recordCount_;
        if (inFileOrder_) {
            table_.recordStarts_.push_back(static_cast<std::uint32_t>(table_.pairs_.size()));
        }
    }
    table_.pairs_.push_back(pair);
    if (!inFileOrder_) {
        recordOfPair_.push_back(record);
    }
}

void RecordTableBuilder::leaveFileOrder() {
    const std::vector<std::uint32_t>& starts = table_.recordStarts_;
    recordOfPair_.reserve(table_.pairs_.capacity());
    for (std::size_t record = 0; record < starts.size(); ++record) {
        const std::size_t end = record + 1 < starts.size() ? starts[record + 1] : table_.pairs_.size();
        recordOfPair_.insert(recordOfPair_.end(), end - starts[record], static_cast<std::int32_t>(record));
    }
    inFileOrder_ = false;
}

RecordTable RecordTableBuilder::finish() && {
    std::vector<std::uint32_t>& starts = table_.recordStarts_;
    std::vector<RecordTable::Pair>& pairs = table_.pairs_;
    if (inFileOrder_) {
        starts.push_back(static_cast<std::uint32_t>(pairs.size()));
        return std::move(table_);
    }
    // A counting sort by record number keeps the file order within each record.
    starts.assign(static_cast<std::size_t>(recordCount_) + 1, 0);
    for (const std::int32_t record : recordOfPair_) {
        ++starts[static_cast<std::size_t>(record) + 1];
    }
    for (std::size_t i = 1; i < starts.size(); ++i) {
        starts[i] += starts[i - 1];
    }
    std::vector<std::uint32_t> next(starts.begin(), starts.end() - 1);
    std::vector<RecordTable::Pair> grouped(pairs.size());
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        grouped[next[static_cast<std::size_t>(recordOfPair_[i])]++] = pairs[i];
    }
    pairs = std::move(grouped);
    recordOfPair_.clear();
    return std::move(table_);
}

}  // namespace zek::data
