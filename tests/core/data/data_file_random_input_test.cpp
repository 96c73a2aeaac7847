// Damaged and hand-edited data files, generated from fixed seeds: whatever the
// bytes, reading, building the tree and saving stay within bounds (the sanitizers
// watch every access), and what is saved reads back whole.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "data/data_file.h"
#include "data/data_file_writer.h"
#include "item_test_support.h"

namespace zek::data {
namespace {

using test::expectStoreInvariants;

class RandomInput {
  public:
    explicit RandomInput(unsigned seed) : random_(seed) {}

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    // Bytes the reader reacts to, ordinary text, and Shift-JIS lead and trail bytes.
    char interestingByte() {
        static const char kBytes[] = {':',    '=',    '#',    '[',    ']',    '\r',   '\n',   '\0',
                                      ' ',    '-',    '0',    '1',    '9',    'I',    'x',    '\\',
                                      '\x81', '\x95', '\x5C', '\xFC', '\xB1', '\x1A', '\x7F', '\xFF'};
        return kBytes[pick(0, static_cast<int>(sizeof kBytes) - 1)];
    }

    std::string validFile() {
        static const char* kNames[] = {"mail", "Mail", "メモ帳", "表", "ｱ", "a:b=c", "#x", "ツール"};
        static const char* kKeys[] = {"ItemComment",  "ItemApp",     "ItemOption",  "ItemIcon",
                                      "ItemDir",      "ItemBoot",    "ItemTsk",     "ItemExtension",
                                      "ItemPriority", "ItemHotKey1", "ItemHotKey2", "ItemOther"};
        std::string file = pick(0, 5) == 0 ? "" : "[100]\r\n";
        const int records = pick(0, 25);
        int level = 0;
        for (int record = 0; record < records; ++record) {
            level = record == 0 ? 1 : pick(1, std::min(level + 1, 22));
            const std::string n = std::to_string(record);
            file += n + ":ItemName=" + kNames[pick(0, 7)] + "\r\n";
            file += n + ":ItemType=" + std::to_string(pick(0, 7)) + "\r\n";
            file += n + ":ItemLevel=" + std::to_string(level) + "\r\n";
            for (int extra = pick(0, 4); extra > 0; --extra) {
                file += n + ":" + kKeys[pick(0, 11)] + "=" + std::to_string(pick(-3, 120)) + "\r\n";
            }
        }
        return file;
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

    void mutate(std::string& file) {
        for (int round = pick(0, 6); round > 0; --round) {
            const std::size_t at =
                file.empty() ? 0 : static_cast<std::size_t>(pick(0, static_cast<int>(file.size())));
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

    std::string anyFile() {
        std::string file;
        switch (pick(0, 3)) {
            case 0:
                file = validFile();
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
                file = validFile();
                break;
        }
        mutate(file);
        return file;
    }

  private:
    std::mt19937 random_;
};

std::size_t recordsIn(const std::string& savedFile) {
    return static_cast<std::size_t>(readDataFile(savedFile).records.recordCount());
}

TEST(DataFileRandomInput, StaysBoundedAndSavesWhatReadsBack) {
    RandomInput input(0x5EED);
    for (int round = 0; round < 1500; ++round) {
        const std::string file = input.anyFile();
        const DataFileReading reading = readDataFile(file);
        for (std::int32_t record = 0; record < reading.records.recordCount(); ++record) {
            for (std::size_t pair = 0; pair < reading.records.pairCount(record); ++pair) {
                ASSERT_LE(reading.records.value(record, pair).size(), kMaxValueBytes);
                ASSERT_FALSE(reading.records.key(record, pair).empty());
            }
        }
        const ItemStore store(reading.records);
        expectStoreInvariants(store);
        if (::testing::Test::HasFatalFailure()) {
            FAIL() << "round " << round;
        }

        // Everything saved reads back, and a second save changes nothing more.
        const std::string saved = writeItemTree(store);
        const ItemStore reread(readDataFile(saved).records);
        ASSERT_EQ(static_cast<std::size_t>(reread.itemsFromFile()), recordsIn(saved)) << "round " << round;
        const std::string savedAgain = writeItemTree(reread);
        const ItemStore third(readDataFile(savedAgain).records);
        ASSERT_EQ(writeItemTree(third), savedAgain) << "round " << round;
    }
}

TEST(DataFileRandomInput, ConvertedTextReadsToTheSameRecords) {
    RandomInput input(0xC0FFEE);
    for (int round = 0; round < 500; ++round) {
        std::string file = input.oldFormatFile();
        input.mutate(file);
        const DataFileReading reading = readDataFile(file);
        if (!reading.convertedFromOldFormat) {
            continue;
        }
        // The converted file is a current-format file that reads to the same records.
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
