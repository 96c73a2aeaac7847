#pragma once
// The records of a data file: for each record number, its key/value pairs in file
// order. A record is the set of lines carrying the same number, wherever they stand.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zek::data {

class RecordTable {
  public:
    // A pair as offsets into the table's text, so the table can be moved freely.
    struct Pair {
        std::uint32_t keyOffset;
        std::uint32_t keyLength;
        std::uint32_t valueOffset;
        std::uint32_t valueLength;
    };

    RecordTable() = default;

    std::int32_t recordCount() const { return static_cast<std::int32_t>(recordStarts_.size()) - 1; }
    std::size_t pairCount(std::int32_t record) const;
    std::string_view key(std::int32_t record, std::size_t pairIndex) const;
    std::string_view value(std::int32_t record, std::size_t pairIndex) const;

    // The pairs of one record in file order; none for a number out of range.
    std::span<const Pair> pairsOf(std::int32_t record) const;
    std::string_view keyOf(const Pair& pair) const { return slice(pair.keyOffset, pair.keyLength); }
    std::string_view valueOf(const Pair& pair) const { return slice(pair.valueOffset, pair.valueLength); }

    // The value of the record's first pair with exactly this key; "" when the record,
    // the key or a value is missing (an empty value reads as missing).
    std::string_view getString(std::int32_t record, std::string_view key) const;
    // That value read as a decimal integer, or `fallback` when it is "".
    std::int32_t getInt(std::int32_t record, std::string_view key, std::int32_t fallback) const;

  private:
    friend class RecordTableBuilder;

    std::string_view slice(std::uint32_t offset, std::uint32_t length) const {
        return std::string_view(text_).substr(offset, length);
    }

    std::string text_;
    std::vector<Pair> pairs_;                     // grouped by record, file order within one
    std::vector<std::uint32_t> recordStarts_{0};  // recordCount + 1 offsets into pairs_
};

// Collects pairs in file order and groups them by record at the end.
class RecordTableBuilder {
  public:
    // `text` must stay unchanged; the pairs are views into it.
    explicit RecordTableBuilder(std::string text);

    const std::string& text() const { return table_.text_; }
    std::int32_t recordCount() const { return recordCount_; }
    // Number `record` must not exceed recordCount(); it opens a new record when equal.
    void add(std::int32_t record, std::string_view key, std::string_view value);
    RecordTable finish() &&;

  private:
    struct Entry {
        std::int32_t record;
        RecordTable::Pair pair;
    };

    RecordTable table_;
    std::vector<Entry> entries_;
    std::int32_t recordCount_ = 0;
};

}  // namespace zek::data
