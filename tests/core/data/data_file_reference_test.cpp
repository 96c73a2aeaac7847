// The reader and the writer take shortcuts for speed (a fast path for ordinary
// record lines, pairs grouped as they arrive, lines written into reserved room).
// These tests hold them to plain reference versions that do the same job the
// obvious way, and feed them hand-edited and damaged files from fixed seeds: the
// sanitizers watch every access, and whatever is saved must read back whole.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

#include "data/data_file.h"
#include "data/data_file_writer.h"
#include "item_test_support.h"
#include "text/decimal.h"
#include "text/sjis_walk.h"

namespace zek::data {
namespace {

using test::expectStoreInvariants;
using Pairs = std::vector<std::pair<std::string, std::string>>;

// Current-format record lines read one by one with plain searches, each pair
// appended to its record.
std::vector<Pairs> referenceRecords(const std::string& file) {
    std::vector<Pairs> records;
    std::size_t pos = file.find('\n');  // past the header
    pos = pos == std::string::npos ? file.size() : pos + 1;
    while (pos < file.size()) {
        const std::size_t end = file.find('\n', pos);
        std::string line = file.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
        pos = end == std::string::npos ? file.size() : end + 1;
        if (end != std::string::npos && !line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        line = line.substr(0, line.find('\0'));
        if (line.empty() || line[0] == '#') {
            continue;
        }
        const std::size_t colon = line.find(':');
        const std::size_t equals = line.find('=');
        if (colon == std::string::npos || equals == std::string::npos || equals >= 512 || equals < colon) {
            continue;
        }
        const std::int32_t record = text::parseLeadingInt(line.substr(0, colon));
        const std::string key = line.substr(colon + 1, equals - colon - 1);
        if (record < 0 || key.empty()) {
            continue;
        }
        if (static_cast<std::size_t>(record) > records.size()) {
            break;
        }
        if (static_cast<std::size_t>(record) == records.size()) {
            records.emplace_back();
        }
        records[static_cast<std::size_t>(record)].emplace_back(
            key, std::string(text::headWithinBytes(line.substr(equals + 1), kMaxValueBytes)));
    }
    return records;
}

// The tree written the obvious way: recursion and one append per piece.
void referenceSubtree(const LauncherItem& item, std::int32_t& record, std::string& out) {
    if (item.type() == ItemType::DefaultCommand) {
        return;
    }
    const ItemFields& f = item.fields();
    const std::string n = std::to_string(record++);
    const std::pair<const char*, const std::string*> strings[] = {
        {"ItemName", &f.name},     {"ItemComment", &f.comment}, {"ItemApp", &f.app},
        {"ItemOption", &f.option}, {"ItemIcon", &f.icon},       {"ItemDir", &f.dir}};
    for (const auto& [key, value] : strings) {
        if (!value->empty()) {
            out += n + ":" + key + "=" + *value + "\r\n";
        }
    }
    const std::pair<const char*, std::int32_t> numbers[] = {{"ItemType", static_cast<std::int32_t>(f.type)},
                                                            {"ItemLevel", item.level()},
                                                            {"ItemBoot", f.boot},
                                                            {"ItemTsk", f.tsk},
                                                            {"ItemExtension", f.extension},
                                                            {"ItemPriority", f.priority},
                                                            {"ItemHotKey1", f.hotKey1},
                                                            {"ItemHotKey2", f.hotKey2}};
    for (const auto& [key, value] : numbers) {
        out += n + ":" + key + "=" + std::to_string(value) + "\r\n";
    }
    for (const auto& child : item.children()) {
        referenceSubtree(*child, record, out);
    }
}

std::string referenceSave(const ItemStore& store) {
    std::string out = "[100]\r\n";
    std::int32_t record = 0;
    for (const auto& child : store.root()->children()) {
        referenceSubtree(*child, record, out);
    }
    return out;
}

class Generator {
  public:
    explicit Generator(unsigned seed) : random_(seed) {}

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    template <typename T, std::size_t N>
    const T& oneOf(const T (&choices)[N]) {
        return choices[pick(0, static_cast<int>(N) - 1)];
    }

    std::string name() {
        static const char* kPieces[] = {"a", "A",  "b",  "_",    "表",   "ア",
                                        "ｱ", "Ａ", "\\", "\x95", "mail", "#:="};
        std::string out;
        for (int n = pick(1, 4); n > 0; --n) {
            out += oneOf(kPieces);
        }
        return out;
    }

    std::int32_t integer() {
        static const std::int32_t kValues[] = {
            0, 1, -1, 9, 10, 99, 100, -100, 50, 123456789, 1000000000, 2147483647, -2147483647 - 1};
        return oneOf(kValues);
    }

    // Record numbers as the program writes them and as hand editing leaves them.
    std::string recordNumber(int record) {
        const std::string n = std::to_string(record);
        switch (pick(0, 12)) {
            case 0:
                return "0" + n;
            case 1:
                return " " + n;
            case 2:
                return "+" + n;
            case 3:
                return "00000000" + n;  // past nine digits
            case 4:
                return n + "x";
            default:
                return n;
        }
    }

    std::string line(int record) {
        static const char* kKeys[] = {"ItemName", "ItemComment", "ItemApp",      "ItemDir",
                                      "ItemType", "ItemLevel",   "ItemPriority", "ItemHotKey1",
                                      "Item",     "ItemNameX",   "itemname",     "ItemOther"};
        static const char* kEnds[] = {"\r\n", "\r\n", "\r\n", "\n", "\r\r\n", "\r"};
        std::string value = pick(0, 6) == 0 ? std::to_string(pick(-5, 300)) : name();
        switch (pick(0, 30)) {
            case 0:
                value = std::string(static_cast<std::size_t>(pick(500, 700)), 'v') + "表";
                break;
            case 1:
                value += '\0' + name();
                break;
            case 2:
                value += "=" + name() + ":";
                break;
            case 3:
                value.clear();
                break;
            default:
                break;
        }
        std::string key = oneOf(kKeys);
        if (pick(0, 40) == 0) {
            key = std::string(static_cast<std::size_t>(pick(495, 520)), 'k');  // "=" near 512
        } else if (pick(0, 40) == 0) {
            key.clear();
        }
        const std::string n = std::to_string(record);
        switch (pick(0, 40)) {
            case 0:
                return "#" + n + ":" + key + "=" + value + "\r\n";
            case 1:
                return key + "=" + n + ":" + value + "\r\n";
            case 2:
                return "\r\n";
            case 3:
                return "-" + n + ":" + key + "=" + value + "\n";
            default:
                return recordNumber(record) + ":" + key + "=" + value + oneOf(kEnds);
        }
    }

    // A hand-edited file: records mostly in order, now and then a line for an
    // earlier record or a gap.
    std::string editedFile() {
        std::string out = "[100]\r\n";
        const int records = pick(0, 40);
        for (int record = 0; record < records; ++record) {
            for (int lines = pick(1, 6); lines > 0; --lines) {
                out += line(record);
                if (pick(0, 15) == 0) {
                    out += line(pick(0, record));
                }
            }
            if (pick(0, 60) == 0) {
                out += line(record + 2);
            }
        }
        if (pick(0, 3) == 0) {
            out.resize(out.size() - static_cast<std::size_t>(pick(0, 2)));  // no final line end
        }
        return out;
    }

    // A tree as the dialogs build it: every field set now and then, long and
    // double-byte strings, integers at the ends of their range, levels past the limit.
    std::string treeFile(int maxRecords, int maxLevel, bool unknownTypes) {
        std::string out = "[100]\r\n";
        const int records = pick(1, maxRecords);
        int level = 0;
        for (int record = 0; record < records; ++record) {
            level = record == 0 ? 1 : pick(1, std::min(level + 1, maxLevel));
            const std::string n = std::to_string(record);
            out += n + ":ItemName=" + name() + "\r\n";
            for (const char* key : {"ItemComment", "ItemApp", "ItemOption", "ItemIcon", "ItemDir"}) {
                if (pick(0, 2) == 0) {
                    out += n + ":" + key + "=" + name() +
                           std::string(static_cast<std::size_t>(pick(0, 520)), 'x') + "\r\n";
                }
            }
            out += n + ":ItemType=" +
                   std::to_string(record == 2 ? 1 : pick(unknownTypes ? 0 : 2, unknownTypes ? 7 : 6)) +
                   "\r\n";
            out += n + ":ItemLevel=" + std::to_string(level) + "\r\n";
            for (const char* key :
                 {"ItemBoot", "ItemTsk", "ItemExtension", "ItemPriority", "ItemHotKey1", "ItemHotKey2"}) {
                out += n + ":" + key + "=" + std::to_string(integer()) + "\r\n";
            }
        }
        return out;
    }

    std::string oldFormatFile() {
        std::string file = pick(0, 3) == 0 ? "[7]\n" : "";
        int record = 0;
        for (int line = pick(0, 40); line > 0; --line) {
            record += pick(0, 3) == 0 ? pick(-2, 3) : 0;
            file += std::string(pick(0, 1) ? "ItemName" : "ItemLevel") + std::to_string(record) + "=" +
                    std::to_string(pick(0, 3)) + "\n";
        }
        return file;
    }

    // Bytes the reader reacts to, ordinary text, and Shift-JIS lead and trail bytes.
    char interestingByte() {
        static const char kBytes[] = {':',    '=',    '#',    '[',    ']',    '\r',   '\n',   '\0',
                                      ' ',    '-',    '0',    '1',    '9',    'I',    'x',    '\\',
                                      '\x81', '\x95', '\x5C', '\xFC', '\xB1', '\x1A', '\x7F', '\xFF'};
        return oneOf(kBytes);
    }

    void damage(std::string& file) {
        for (int round = pick(0, 6); round > 0; --round) {
            const std::size_t at = static_cast<std::size_t>(pick(0, static_cast<int>(file.size())));
            switch (pick(0, 4)) {
                case 0:
                    if (at < file.size()) {
                        file[at] = interestingByte();
                    }
                    break;
                case 1:
                    file.erase(at, static_cast<std::size_t>(pick(1, 40)));
                    break;
                case 2:
                    file.insert(at, std::string(static_cast<std::size_t>(pick(1, 8)), interestingByte()));
                    break;
                case 3:  // an overlong line, its tail looking like a record
                    file.insert(at,
                                "0:ItemName=" + std::string(static_cast<std::size_t>(pick(400, 3000)), 'v') +
                                    "1:ItemName=tail\r\n");
                    break;
                default:
                    file.insert(at, "\r\n" + std::to_string(pick(0, 30)) +
                                        ":ItemLevel=" + std::to_string(pick(0, 25)) + "\r\n");
                    break;
            }
        }
    }

    // Any of the above, or noise, most of them damaged.
    std::string anyFile() {
        std::string file;
        switch (pick(0, 3)) {
            case 0:
                file = editedFile();
                break;
            case 1:
                file = oldFormatFile();
                break;
            case 2:
                for (int n = pick(0, 300); n > 0; --n) {
                    file += interestingByte();
                }
                break;
            default:
                file = treeFile(25, 22, true);
                break;
        }
        if (pick(0, 3) != 0) {
            damage(file);
        }
        return file;
    }

  private:
    std::mt19937 random_;
};

TEST(DataFileReference, RecordsAreThoseOfAPlainLineByLineReader) {
    Generator generate(0xDA7A);
    int compared = 0;
    for (int round = 0; round < 5000; ++round) {
        const std::string file = round % 2 == 0 ? generate.editedFile() : generate.anyFile();
        if (!file.starts_with("[100]\r\n")) {
            continue;
        }
        ++compared;
        const RecordTable records = readDataFile(file).records;
        const std::vector<Pairs> expected = referenceRecords(file);
        ASSERT_EQ(records.recordCount(), static_cast<std::int32_t>(expected.size())) << "round " << round;
        for (std::int32_t record = 0; record < records.recordCount(); ++record) {
            const Pairs& pairs = expected[static_cast<std::size_t>(record)];
            ASSERT_EQ(records.pairCount(record), pairs.size()) << "round " << round << " record " << record;
            for (std::size_t pair = 0; pair < pairs.size(); ++pair) {
                ASSERT_EQ(records.key(record, pair), pairs[pair].first) << "round " << round;
                ASSERT_EQ(records.value(record, pair), pairs[pair].second) << "round " << round;
            }
        }
    }
    EXPECT_GT(compared, 3000);
}

TEST(DataFileReference, SavedBytesAreThoseOfAPlainWriter) {
    Generator generate(0x5A7E);
    for (int round = 0; round < 300; ++round) {
        ItemStore store(readDataFile(generate.treeFile(200, 6, false)).records);
        // Edits past what a file can hold (values longer than 511 bytes, integers at
        // the ends of their range), and items added and removed, so that the record
        // numbers must close up.
        for (int edit = generate.pick(0, 4); edit > 0; --edit) {
            LauncherItem* item = store.items()[static_cast<std::size_t>(
                generate.pick(0, static_cast<int>(store.items().size()) - 1))];
            switch (generate.pick(0, 2)) {
                case 0: {
                    ItemFields fields = item->fields();
                    fields.comment = std::string(static_cast<std::size_t>(generate.pick(0, 3000)), 'c');
                    fields.priority = generate.integer();
                    fields.hotKey1 = generate.integer();
                    store.setItemFields(item, std::move(fields));
                    break;
                }
                case 1:
                    store.addChild(item, store.createItem(test::item(ItemType::DataItem, generate.name())));
                    break;
                default:
                    if (item != store.commandNode() && store.count() > 12) {
                        store.removeItem(item);
                    }
                    break;
            }
        }
        ASSERT_EQ(writeItemTree(store), referenceSave(store)) << "round " << round;
    }
}

TEST(DataFileRandomInput, StaysBoundedAndSavesWhatReadsBack) {
    Generator generate(0x5EED);
    for (int round = 0; round < 1500; ++round) {
        SCOPED_TRACE(round);
        const DataFileReading reading = readDataFile(generate.anyFile());
        for (std::int32_t record = 0; record < reading.records.recordCount(); ++record) {
            for (std::size_t pair = 0; pair < reading.records.pairCount(record); ++pair) {
                ASSERT_LE(reading.records.value(record, pair).size(), kMaxValueBytes);
                ASSERT_FALSE(reading.records.key(record, pair).empty());
            }
        }
        const ItemStore store(reading.records);
        ASSERT_NO_FATAL_FAILURE(expectStoreInvariants(store));

        // Everything saved reads back, and a second save changes nothing more.
        const std::string saved = writeItemTree(store);
        const ItemStore reread(readDataFile(saved).records);
        ASSERT_EQ(reread.itemsFromFile(), readDataFile(saved).records.recordCount());
        const std::string savedAgain = writeItemTree(reread);
        ASSERT_EQ(writeItemTree(ItemStore(readDataFile(savedAgain).records)), savedAgain);
    }
}

TEST(DataFileRandomInput, ConvertedTextReadsToTheSameRecords) {
    Generator generate(0xC0FFEE);
    for (int round = 0; round < 500; ++round) {
        std::string file = generate.oldFormatFile();
        generate.damage(file);
        const DataFileReading reading = readDataFile(file);
        if (!reading.convertedFromOldFormat) {
            continue;
        }
        const DataFileReading converted = readDataFile(reading.convertedText);
        ASSERT_FALSE(converted.convertedFromOldFormat);
        ASSERT_EQ(converted.records.recordCount(), reading.records.recordCount()) << "round " << round;
        for (std::int32_t record = 0; record < reading.records.recordCount(); ++record) {
            ASSERT_EQ(converted.records.pairCount(record), reading.records.pairCount(record));
        }
    }
}

}  // namespace
}  // namespace zek::data
