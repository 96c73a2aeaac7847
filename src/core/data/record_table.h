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
    // A pair as offsets into the table's text, so the table can be moved freely. The
    // value follows the key and its "=" in the text; a million lines take 8 MB.
    struct Pair {
        std::uint32_t keyOffset;
        std::uint16_t keyLength;
        std::uint16_t valueLength;

        std::uint32_t valueOffset() const { return keyOffset + keyLength + 1u; }
    };

    RecordTable() = default;

    std::int32_t recordCount() const { return static_cast<std::int32_t>(recordStarts_.size()) - 1; }
    std::size_t pairCount(std::int32_t record) const;
    std::string_view key(std::int32_t record, std::size_t pairIndex) const;
    std::string_view value(std::int32_t record, std::size_t pairIndex) const;

    // The pairs of one record in file order; none for a number out of range.
    std::span<const Pair> pairsOf(std::int32_t record) const;
    std::string_view keyOf(const Pair& pair) const { return slice(pair.keyOffset, pair.keyLength); }
    std::string_view valueOf(const Pair& pair) const { return slice(pair.valueOffset(), pair.valueLength); }

    // The value of the record's first pair with exactly this key; "" when the record,
    // the key or a value is missing (an empty value reads as missing).
    std::string_view getString(std::int32_t record, std::string_view key) const;
    // That value read as a decimal integer, or `fallback` when it is "".
    std::int32_t getInt(std::int32_t record, std::string_view key, std::int32_t fallback) const;

  private:
    friend class RecordTableBuilder;

    std::string_view slice(std::uint32_t offset, std::uint32_t length) const {
        return std::string_view(text_.data() + offset, length);
    }

    std::string text_;
    std::vector<Pair> pairs_;                     // grouped by record, file order within one
    std::vector<std::uint32_t> recordStarts_{0};  // recordCount + 1 offsets into pairs_
};

// Collects pairs in file order and groups them by record at the end. Files as the
// program writes them hold each record's lines together, in record order: those
// pairs go straight to their final place, and only a file whose lines come out of
// order pays for grouping them afterwards.
class RecordTableBuilder {
  public:
    // `text` must stay unchanged; the pairs are views into it.
    explicit RecordTableBuilder(std::string text);

    const std::string& text() const { return table_.text_; }
    std::int32_t recordCount() const { return recordCount_; }
    // Number `record` must not exceed recordCount(); it opens a new record when equal.
    // `key` and `value` lie in text(), the value one byte after the key's end, and
    // each is shorter than 64 KiB.
    void add(std::int32_t record, std::string_view key, std::string_view value);
    RecordTable finish() &&;

  private:
    void leaveFileOrder();

    RecordTable table_;
    // The record of each pair, kept only once a line came out of record order.
    std::vector<std::int32_t> recordOfPair_;
    std::int32_t recordCount_ = 0;
    bool inFileOrder_ = true;
};

}  // namespace zek::data
