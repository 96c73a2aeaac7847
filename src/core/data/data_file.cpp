#include "core/data/data_file.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "core/text/decimal.h"
#include "core/text/sjis_walk.h"

namespace zek::data {
namespace {

// Walks the lines of a text, each without its line end (LF or CR LF) and without
// anything from a NUL byte on. A final line without a line end is a line too.
class LineReader {
  public:
    // `mayHoldNul` false promises that `text` has no NUL byte, which spares looking
    // for one in every line.
    explicit LineReader(std::string_view text, bool mayHoldNul = true)
        : text_(text), mayHoldNul_(mayHoldNul) {}

    bool next(std::string_view& line) {
        if (pos_ >= text_.size()) {
            return false;
        }
        const char* start = text_.data() + pos_;
        const std::size_t left = text_.size() - pos_;
        const auto* end = static_cast<const char*>(std::memchr(start, '\n', left));
        std::size_t length = end == nullptr ? left : static_cast<std::size_t>(end - start);
        pos_ += end == nullptr ? left : length + 1;
        if (end != nullptr && length > 0 && start[length - 1] == '\r') {
            --length;
        }
        // The program hands names and paths to C string functions, which end at a NUL.
        if (mayHoldNul_) {
            if (const auto* nul = static_cast<const char*>(std::memchr(start, '\0', length))) {
                length = static_cast<std::size_t>(nul - start);
            }
        }
        line = std::string_view(start, length);
        return true;
    }

    std::string_view rest() const { return text_.substr(pos_); }

  private:
    std::string_view text_;
    bool mayHoldNul_;
    std::size_t pos_ = 0;
};

bool holdsNul(std::string_view text) {
    return std::memchr(text.data(), '\0', text.size()) != nullptr;
}

bool isCommentOrEmpty(std::string_view line) {
    return line.empty() || line.front() == '#';
}

std::string_view cutValue(std::string_view value) {
    return text::headWithinBytes(value, kMaxValueBytes);
}

struct RecordLine {
    std::int32_t record;
    std::string_view key;
    std::string_view value;
};

// The record number and the ":" of a line that starts with at most nine digits and
// a ":", as the program writes every record line; false for any other line.
bool readPlainRecordNumber(std::string_view line, std::int32_t& record, std::size_t& colon) {
    constexpr std::size_t kMaxPlainDigits = 9;  // below 10^9, so no saturation
    std::int32_t value = 0;
    std::size_t pos = 0;
    while (pos < line.size() && pos < kMaxPlainDigits && line[pos] >= '0' && line[pos] <= '9') {
        value = value * 10 + (line[pos] - '0');
        ++pos;
    }
    if (pos == 0 || pos >= line.size() || line[pos] != ':') {
        return false;
    }
    record = value;
    colon = pos;
    return true;
}

// False for lines that are skipped: comments, lines without ":" or "=", and the
// lines that have no sound reading (a "=" before the ":" or at position 512 or
// later, a negative record number, an empty key).
bool parseRecordLine(std::string_view line, RecordLine& parsed) {
    if (isCommentOrEmpty(line)) {
        return false;
    }
    std::size_t colon = 0;
    std::size_t equals = 0;
    if (readPlainRecordNumber(line, parsed.record, colon)) {
        // Only digits stand before the ":", so the first "=" comes after it.
        const std::size_t searched = std::min(line.size(), kMaxKeyEnd);
        equals = colon + 1;
        while (equals < searched && line[equals] != '=') {
            ++equals;
        }
        if (equals >= searched) {
            return false;  // no "=", or the first one at position 512 or later
        }
    } else {
        colon = line.find(':');
        equals = line.find('=');
        if (colon == std::string_view::npos || equals == std::string_view::npos || equals >= kMaxKeyEnd ||
            equals < colon) {
            return false;
        }
        parsed.record = text::parseLeadingInt(line.substr(0, colon));
    }
    parsed.key = line.substr(colon + 1, equals - colon - 1);
    parsed.value = cutValue(line.substr(equals + 1));
    return parsed.record >= 0 && !parsed.key.empty();
}

struct OldFormatPair {
    std::string_view key;
    std::string_view value;
};

bool parseOldFormatLine(std::string_view line, OldFormatPair& parsed) {
    if (isCommentOrEmpty(line)) {
        return false;
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos || equals >= kMaxKeyEnd) {
        return false;
    }
    parsed.key = line.substr(0, equals);
    parsed.value = cutValue(line.substr(equals + 1));
    return true;
}

// The version in a header line "[n]", or nothing when the line is no header.
bool readHeaderVersion(std::string_view line, std::int32_t& version) {
    if (line.empty() || line.front() != '[' || line.back() != ']') {
        return false;
    }
    constexpr std::string_view kDelimiters = " []\t\n";
    const std::size_t begin = line.find_first_not_of(kDelimiters);
    if (begin == std::string_view::npos) {
        version = 0;
        return true;
    }
    const std::size_t end = line.find_first_of(kDelimiters, begin);
    version = text::parseLeadingInt(line.substr(begin, end - begin));
    return true;
}

bool onlyBlankLines(std::string_view text) {
    return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

// Reads current-format lines until the end or a gap in the record numbers.
void readRecordLines(LineReader& lines, RecordTableBuilder& builder, bool& anyRead) {
    std::string_view line;
    RecordLine parsed;
    while (lines.next(line)) {
        if (!parseRecordLine(line, parsed)) {
            continue;
        }
        if (parsed.record > builder.recordCount()) {
            return;
        }
        builder.add(parsed.record, parsed.key, parsed.value);
        anyRead = true;
    }
}

void appendLine(std::string& out, std::int32_t record, std::string_view key, std::string_view value) {
    text::appendDecimal(out, record);
    out += ':';
    out += key;
    out += '=';
    out += value;
    out += "\r\n";
}

}  // namespace

std::string_view storableText(std::string_view text) {
    if (text.empty()) {
        return text;
    }
    for (const char end : {'\n', '\0'}) {
        if (const auto* at = static_cast<const char*>(std::memchr(text.data(), end, text.size()))) {
            text = text.substr(0, static_cast<std::size_t>(at - text.data()));
        }
    }
    return cutValue(text);
}

std::string convertOldFormat(std::string_view oldFormatLines) {
    std::string out = "[100]\r\n";
    // The record number is the key's numeric suffix, whose width is not marked: it
    // grows by one digit exactly when the numbers seem to fall (10 after 9).
    std::size_t digits = 1;
    std::int32_t previous = 0;
    LineReader lines(oldFormatLines);
    std::string_view line;
    OldFormatPair pair;
    while (lines.next(line)) {
        if (!parseOldFormatLine(line, pair)) {
            continue;
        }
        const auto suffix = [&](std::size_t width) {
            return pair.key.substr(pair.key.size() - std::min(width, pair.key.size()));
        };
        std::int32_t record = text::parseLeadingInt(suffix(digits));
        if (record < previous) {
            ++digits;
            record = text::parseLeadingInt(suffix(digits));
        }
        previous = record;
        const std::string_view name = pair.key.substr(0, pair.key.size() - suffix(digits).size());
        appendLine(out, record, name, pair.value);
    }
    return out;
}

DataFileReading readDataFile(std::string bytes) {
    DataFileReading reading;
    const bool mayHoldNul = holdsNul(bytes);
    LineReader lines(bytes, mayHoldNul);
    std::string_view firstLine;
    std::int32_t version = 0;
    std::string_view oldFormatLines = bytes;
    if (lines.next(firstLine) && readHeaderVersion(firstLine, version)) {
        if (version == kDataFileVersion) {
            reading.onlyHeader = onlyBlankLines(lines.rest());
            RecordTableBuilder builder(std::move(bytes));
            LineReader recordLines(builder.text(), mayHoldNul);
            recordLines.next(firstLine);
            readRecordLines(recordLines, builder, reading.recordLinesRead);
            reading.records = std::move(builder).finish();
            return reading;
        }
        oldFormatLines = lines.rest();
    }

    bool anyPair = false;
    LineReader oldLines(oldFormatLines);
    std::string_view line;
    OldFormatPair pair;
    while (!anyPair && oldLines.next(line)) {
        anyPair = parseOldFormatLine(line, pair);
    }
    if (!anyPair) {
        return reading;
    }
    reading.convertedFromOldFormat = true;
    reading.convertedText = convertOldFormat(oldFormatLines);
    RecordTableBuilder builder(reading.convertedText);
    LineReader recordLines(builder.text(), holdsNul(builder.text()));
    recordLines.next(firstLine);  // the new header
    readRecordLines(recordLines, builder, reading.recordLinesRead);
    reading.records = std::move(builder).finish();
    return reading;
}

}  // namespace zek::data
