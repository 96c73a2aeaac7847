// The data file reader and the tree built from it: any file loads, no field read
// holds more than a record may, the tree keeps its shape, and what the program
// saves from it reads back to the same tree and the same bytes.
#include "core/data/data_file.h"
#include "core/data/data_file_writer.h"
#include "core/data/item_store.h"
#include "fuzz_check.h"

#include <vector>

using namespace zek;

namespace {

void checkTree(const data::ItemStore& store) {
    std::size_t inTree = 0;
    std::vector<const data::LauncherItem*> pending{store.root()};
    if (store.commandNode()->parent() == nullptr) {
        pending.push_back(store.commandNode());
    }
    while (!pending.empty()) {
        const data::LauncherItem* node = pending.back();
        pending.pop_back();
        for (const auto& child : node->children()) {
            ZEK_FUZZ_CHECK(child->parent() == node);
            ZEK_FUZZ_CHECK(child->level() <= data::kMaxItemLevel);
            ZEK_FUZZ_CHECK(child.get() == store.commandNode() || child->level() == node->level() + 1);
            ++inTree;
            pending.push_back(child.get());
        }
    }
    ZEK_FUZZ_CHECK(inTree == store.items().size());
    ZEK_FUZZ_CHECK(static_cast<std::size_t>(store.count()) == inTree);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    data::DataFileReading reading = data::readDataFile(std::string(fuzz::bytesOf(data, size)));
    for (std::int32_t record = 0; record < reading.records.recordCount(); ++record) {
        for (std::size_t pair = 0; pair < reading.records.pairCount(record); ++pair) {
            ZEK_FUZZ_CHECK(reading.records.value(record, pair).size() <= data::kMaxValueBytes);
            ZEK_FUZZ_CHECK(!reading.records.key(record, pair).empty());
        }
    }
    if (reading.convertedFromOldFormat) {
        const data::DataFileReading converted = data::readDataFile(reading.convertedText);
        ZEK_FUZZ_CHECK(!converted.convertedFromOldFormat);
        ZEK_FUZZ_CHECK(converted.records.recordCount() == reading.records.recordCount());
        for (std::int32_t record = 0; record < reading.records.recordCount(); ++record) {
            ZEK_FUZZ_CHECK(converted.records.pairCount(record) == reading.records.pairCount(record));
        }
    }
    const data::ItemStore store(reading.records);
    checkTree(store);
    const std::string saved = data::writeItemTree(store);

    data::DataFileReading again = data::readDataFile(saved);
    ZEK_FUZZ_CHECK(!again.convertedFromOldFormat);
    const data::ItemStore reloaded(again.records);
    ZEK_FUZZ_CHECK(reloaded.count() == store.count());
    ZEK_FUZZ_CHECK(reloaded.itemsFromFile() == again.records.recordCount());
    for (std::size_t i = 0; i < store.items().size(); ++i) {
        ZEK_FUZZ_CHECK(reloaded.items()[i]->fields() == store.items()[i]->fields());
        ZEK_FUZZ_CHECK(reloaded.items()[i]->level() == store.items()[i]->level());
    }
    ZEK_FUZZ_CHECK(data::writeItemTree(reloaded) == saved);
    return 0;
}
