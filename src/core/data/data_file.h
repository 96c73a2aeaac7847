#pragma once
// Reading "ZekLauncher.dat": the current format (a "[100]" header, then lines
// "<record>:<key>=<value>") and the older one (lines "<key><record>=<value>" without
// a header), which is converted to the current format as it is read.
//
// Files are byte formats in the ANSI code page. Line ends are CR LF on disk; a lone
// LF ends a line too, so a file edited elsewhere still reads.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/data/record_table.h"

namespace zek::data {

inline constexpr std::int32_t kDataFileVersion = 100;
// The program's text fields hold at most this many bytes; longer values are cut.
inline constexpr std::size_t kMaxValueBytes = 511;
// A record line whose first "=" stands at this position or later has no sound reading.
inline constexpr std::size_t kMaxKeyEnd = 512;

// A text field as a save and a load give it back: up to its first line feed or NUL
// (either would end its line on disk, and a line feed would start a record of its
// own), then at most kMaxValueBytes on a whole character.
std::string_view storableText(std::string_view text);

struct DataFileReading {
    RecordTable records;
    // At least one record line was read (in the file or in its converted form).
    bool recordLinesRead = false;
    // The file was in the old format and had at least one pair: `convertedText`
    // holds it in the current format, ready to replace the file.
    bool convertedFromOldFormat = false;
    std::string convertedText;
    // The file held a current-format header and nothing else but blank lines: the
    // file of an empty tree, not a damaged one.
    bool onlyHeader = false;
};

DataFileReading readDataFile(std::string bytes);

// Old format to current format, as the converter writes it (CR LF line ends).
std::string convertOldFormat(std::string_view oldFormatLines);

}  // namespace zek::data
