// The reader, the writer and the start-up sort take shortcuts for speed (a fast
// path for ordinary record lines, pairs grouped as they arrive, lines written into
// reserved room, keys sorted by radix). These tests hold them to plain reference
// versions that do the same job the obvious way, on seeded random input.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "data/data_file.h"
#include "data/data_file_writer.h"
#include "data/item_store.h"
#include "text/compare.h"
#include "text/decimal.h"
#include "text/sjis_walk.h"

namespace zek::data {
namespace {

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

std::string decimal(std::int64_t value) {
    return std::to_string(value);
}

// The tree written the obvious way: recursion and one append per piece.
void referenceSubtree(const LauncherItem& item, std::int32_t& record, std::string& out) {
    if (item.type() == ItemType::DefaultCommand) {
        return;
    }
    const ItemFields& f = item.fields();
    const std::string n = decimal(record++);
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
        out += n + ":" + key + "=" + decimal(value) + "\r\n";
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

    std::string name() {
        static const char* kPieces[] = {"a", "A", "b", "_", "表", "ア", "ｱ", "Ａ", "\\", "\x95", "mail"};
        std::string out;
        for (int n = pick(1, 4); n > 0; --n) {
            out += kPieces[pick(0, 10)];
        }
        return out;
    }

    // Record numbers as the program writes them and as hand editing leaves them.
    std::string recordNumber(int record) {
        switch (pick(0, 12)) {
            case 0:
                return "0" + decimal(record);
            case 1:
                return " " + decimal(record);
            case 2:
                return "+" + decimal(record);
            case 3:
                return "00000000" + decimal(record);  // past nine digits
            case 4:
                return decimal(record) + "x";
            default:
                return decimal(record);
        }
    }

    std::string line(int record) {
        static const char* kKeys[] = {"ItemName", "ItemComment", "ItemApp",      "ItemDir",
                                      "ItemType", "ItemLevel",   "ItemPriority", "ItemHotKey1",
                                      "Item",     "ItemNameX",   "itemname",     "ItemOther"};
        std::string value = pick(0, 6) == 0 ? decimal(pick(-5, 300)) : name();
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
        std::string key = kKeys[pick(0, 11)];
        if (pick(0, 40) == 0) {
            key = std::string(static_cast<std::size_t>(pick(495, 520)), 'k');  // "=" near 512
        } else if (pick(0, 40) == 0) {
            key.clear();
        }
        const char* kEnds[] = {"\r\n", "\r\n", "\r\n", "\n", "\r\r\n", "\r"};
        switch (pick(0, 40)) {
            case 0:
                return "#" + decimal(record) + ":" + key + "=" + value + "\r\n";
            case 1:
                return key + "=" + decimal(record) + ":" + value + "\r\n";
            case 2:
                return "\r\n";
            case 3:
                return "-" + decimal(record) + ":" + key + "=" + value + "\n";
            default:
                return recordNumber(record) + ":" + key + "=" + value + kEnds[pick(0, 5)];
        }
    }

    // Records mostly in order, now and then a line for an earlier record or a gap.
    std::string file() {
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
        if (pick(0, 3) == 0 && !out.empty()) {
            out.resize(out.size() - static_cast<std::size_t>(pick(0, 2)));  // no final line end
        }
        return out;
    }

    // A tree as the dialogs build it: nodes and items with every field set now and
    // then, long and double-byte strings, and integers at the ends of their range.
    std::string treeFile() {
        std::string out = "[100]\r\n";
        const int records = pick(1, 200);
        int level = 0;
        for (int record = 0; record < records; ++record) {
            level = record == 0 ? 1 : pick(1, std::min(level + 1, 6));
            const std::string n = decimal(record);
            out += n + ":ItemName=" + name() + "\r\n";
            for (const char* key : {"ItemComment", "ItemApp", "ItemOption", "ItemIcon", "ItemDir"}) {
                if (pick(0, 2) == 0) {
                    out += n + ":" + key + "=" + name() +
                           std::string(static_cast<std::size_t>(pick(0, 520)), 'x') + "\r\n";
                }
            }
            out += n + ":ItemType=" + decimal(record == 2 ? 1 : pick(2, 6)) + "\r\n";
            out += n + ":ItemLevel=" + decimal(level) + "\r\n";
            for (const char* key :
                 {"ItemBoot", "ItemTsk", "ItemExtension", "ItemPriority", "ItemHotKey1", "ItemHotKey2"}) {
                out += n + ":" + key + "=" + decimal(integer()) + "\r\n";
            }
        }
        return out;
    }

    std::int32_t integer() {
        static const std::int64_t kValues[] = {
            0, 1, -1, 9, 10, 99, 100, -100, 50, 123456789, 1000000000, 2147483647, -2147483647 - 1};
        return static_cast<std::int32_t>(kValues[pick(0, 12)]);
    }

  private:
    std::mt19937 random_;
};

TEST(DataFileReference, RecordsAreThoseOfAPlainLineByLineReader) {
    Generator generate(0xDA7A);
    for (int round = 0; round < 3000; ++round) {
        const std::string file = generate.file();
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
}

TEST(DataFileReference, SavedBytesAreThoseOfAPlainWriter) {
    Generator generate(0x5A7E);
    for (int round = 0; round < 300; ++round) {
        ItemStore store(readDataFile(generate.treeFile()).records);
        // Edits past what a file can hold: values longer than 511 bytes, integers
        // at the ends of their range.
        for (int edit = generate.pick(0, 3); edit > 0; --edit) {
            LauncherItem* item = store.items()[static_cast<std::size_t>(
                generate.pick(0, static_cast<int>(store.items().size()) - 1))];
            ItemFields fields = item->fields();
            fields.comment = std::string(static_cast<std::size_t>(generate.pick(0, 3000)), 'c');
            fields.priority = generate.integer();
            fields.hotKey1 = generate.integer();
            store.setItemFields(item, std::move(fields));
        }
        ASSERT_EQ(writeItemTree(store), referenceSave(store)) << "round " << round;
    }
}

// Names compared by character values decoded here, independently of the store.
std::vector<std::uint32_t> characters(const std::string& name) {
    std::vector<std::uint32_t> values;
    for (std::size_t pos = 0; pos < name.size();) {
        const text::Character c = text::characterAt(name, pos);
        values.push_back(c.value);
        pos += c.length;
    }
    return values;
}

TEST(DataFileReference, LargeFlatListIsAStableSortOfTheAttachOrder) {
    Generator generate(0x50F7);
    for (int round = 0; round < 3; ++round) {
        std::string file = "[100]\r\n";
        const int records = 3000;
        for (int record = 0; record < records; ++record) {
            const std::string n = decimal(record);
            // Long shared beginnings make the eight-byte sort keys tie often.
            const std::string name = (generate.pick(0, 1) == 0 ? "longcommonprefix" : "") + generate.name();
            file += n + ":ItemName=" + name + "\r\n" + n + ":ItemType=4\r\n" + n + ":ItemLevel=1\r\n" + n +
                    ":ItemPriority=" + decimal(generate.pick(-2, 2)) + "\r\n";
        }
        const ItemStore store(readDataFile(file).records);
        std::vector<LauncherItem*> expected(store.items().begin(), store.items().end());
        std::sort(expected.begin(), expected.end(),
                  [](auto* a, auto* b) { return a->serial() < b->serial(); });
        std::stable_sort(expected.begin(), expected.end(), [](const LauncherItem* a, const LauncherItem* b) {
            const auto nameA = characters(a->name());
            const auto nameB = characters(b->name());
            return nameA < nameB || (nameA == nameB && a->priority() > b->priority());
        });
        ASSERT_EQ(std::vector<LauncherItem*>(store.items().begin(), store.items().end()), expected);
        // All of them hang under the root, whose children sort ignoring case.
        std::vector<LauncherItem*> children;
        for (const auto& child : store.root()->children()) {
            children.push_back(child.get());
        }
        std::vector<LauncherItem*> expectedChildren = children;
        std::sort(expectedChildren.begin(), expectedChildren.end(),
                  [](auto* a, auto* b) { return a->serial() < b->serial(); });
        std::stable_sort(expectedChildren.begin(), expectedChildren.end(),
                         [](const LauncherItem* a, const LauncherItem* b) {
                             return text::compareIgnoringCase(a->name(), b->name()) < 0;
                         });
        ASSERT_EQ(children, expectedChildren);
    }
}

}  // namespace
}  // namespace zek::data
