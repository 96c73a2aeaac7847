// Hand-edited and damaged files from fixed seeds: the sanitizers watch every
// access, nothing read exceeds what a record may hold, and whatever is saved reads
// back to the same tree and the same bytes.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "data/data_file.h"
#include "data/data_file_writer.h"
#include "item_test_support.h"

namespace zek::data {
namespace {

class RandomFiles {
  public:
    explicit RandomFiles(unsigned seed) : random_(seed) {}

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    template <typename T, std::size_t N>
    const T& oneOf(const T (&choices)[N]) {
        return choices[pick(0, static_cast<int>(N) - 1)];
    }

    std::string value() {
        static const char* kPieces[] = {"a",    "A",   "_", "表", "ｱ",         "\\",
                                        "\x95", "#:=", "7", "-1", "2147483647"};
        std::string out = pick(0, 20) == 0 ? std::string(static_cast<std::size_t>(pick(500, 700)), 'v') : "";
        for (int n = pick(0, 4); n > 0; --n) {
            out += oneOf(kPieces);
        }
        return pick(0, 25) == 0 ? out + '\0' + "tail" : out;
    }

    // Records mostly in order with levels that mostly make sense, and the record
    // numbers, keys and line ends that hand editing leaves.
    std::string editedFile() {
        static const char* kKeys[] = {"ItemName",    "ItemName",  "ItemLevel",  "ItemType",
                                      "ItemApp",     "ItemDir",   "ItemOption", "ItemPriority",
                                      "ItemHotKey1", "ItemNameX", "itemname",   ""};
        static const char* kPrefixes[] = {"", "", "", "", "0", " ", "+", "#", "-", "00000000"};
        static const char* kEnds[] = {"\r\n", "\r\n", "\r\n", "\n", "\r\r\n", "\r"};
        std::string out = pick(0, 5) == 0 ? "" : "[100]\r\n";
        for (int record = 0, records = pick(0, 40); record < records; ++record) {
            const std::string n = oneOf(kPrefixes) + std::to_string(record + (pick(0, 30) == 0 ? 2 : 0));
            out += n + ":ItemName=" + value() + "\r\n" + n + ":ItemLevel=" + std::to_string(pick(0, 22)) +
                   "\r\n";
            out += n + ":ItemType=" + std::to_string(pick(0, 7)) + "\r\n";
            for (int lines = pick(0, 5); lines > 0; --lines) {
                const std::string key = pick(0, 40) == 0
                                            ? std::string(static_cast<std::size_t>(pick(495, 520)), 'k')
                                            : oneOf(kKeys);
                out += n + ":" + key + "=" + value() + oneOf(kEnds);
            }
        }
        return out;
    }

    std::string oldFormatFile() {
        std::string file = pick(0, 3) == 0 ? "[7]\n" : "";
        for (int line = pick(0, 40), record = 0; line > 0; --line) {
            record += pick(0, 3) == 0 ? pick(-2, 3) : 0;
            file += std::string(pick(0, 1) ? "ItemName" : "ItemLevel") + std::to_string(record) + "=" +
                    std::to_string(pick(0, 3)) + "\n";
        }
        return file;
    }

    void damage(std::string& file) {
        static const char kBytes[] = {':', '=', '#', '[',  ']',    '\r',   '\n',   '\0',   ' ',    '-',
                                      '0', '9', 'I', '\\', '\x81', '\x95', '\x5C', '\xFC', '\xB1', '\xFF'};
        for (int round = pick(0, 6); round > 0; --round) {
            const auto at = static_cast<std::size_t>(pick(0, static_cast<int>(file.size())));
            switch (pick(0, 3)) {
                case 0:
                    file.erase(at, static_cast<std::size_t>(pick(1, 40)));
                    break;
                case 1:
                    file.insert(at, std::string(static_cast<std::size_t>(pick(1, 8)), oneOf(kBytes)));
                    break;
                case 2:  // an overlong line, its tail looking like a record
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
        std::string file = pick(0, 2) == 0 ? oldFormatFile() : editedFile();
        if (pick(0, 3) != 0) {
            damage(file);
        }
        return file;
    }

  private:
    std::mt19937 random_;
};

TEST(DataFileRandomInput, StaysBoundedAndSavesWhatReadsBack) {
    RandomFiles generate(0x5EED);
    for (int round = 0; round < 2000; ++round) {
        SCOPED_TRACE(round);
        const DataFileReading reading = readDataFile(generate.anyFile());
        for (std::int32_t record = 0; record < reading.records.recordCount(); ++record) {
            for (std::size_t pair = 0; pair < reading.records.pairCount(record); ++pair) {
                ASSERT_LE(reading.records.value(record, pair).size(), kMaxValueBytes);
                ASSERT_FALSE(reading.records.key(record, pair).empty());
            }
        }
        const ItemStore store(reading.records);
        ASSERT_NO_FATAL_FAILURE(test::expectStoreInvariants(store));

        // Every record saved reads back. Built-in command records and a missing built-in
        // node are not written, so from the second save on the file is the program's own:
        // save then load gives the same tree, and the same bytes again.
        const std::string saved = writeItemTree(store);
        const ItemStore reread(readDataFile(saved).records);
        ASSERT_EQ(reread.itemsFromFile(), readDataFile(saved).records.recordCount());
        const std::string savedAgain = writeItemTree(reread);
        const ItemStore again(readDataFile(savedAgain).records);
        ASSERT_EQ(again.count(), reread.count());
        for (std::size_t i = 0; i < reread.items().size(); ++i) {
            ASSERT_EQ(again.items()[i]->fields(), reread.items()[i]->fields()) << i;
            ASSERT_EQ(again.items()[i]->level(), reread.items()[i]->level()) << i;
        }
        ASSERT_EQ(writeItemTree(again), savedAgain);

        if (reading.convertedFromOldFormat) {
            const DataFileReading converted = readDataFile(reading.convertedText);
            ASSERT_FALSE(converted.convertedFromOldFormat);
            ASSERT_EQ(converted.records.recordCount(), reading.records.recordCount());
            for (std::int32_t record = 0; record < reading.records.recordCount(); ++record) {
                ASSERT_EQ(converted.records.pairCount(record), reading.records.pairCount(record));
            }
        }
    }
}

}  // namespace
}  // namespace zek::data
