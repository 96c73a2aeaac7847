// The data file reader and the tree built from it: any file loads, and what the
// program saves from it reads back to the same tree.
#include "data/data_file.h"
#include "data/data_file_writer.h"
#include "data/item_store.h"
#include "fuzz_check.h"

using namespace zek;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    data::DataFileReading reading = data::readDataFile(std::string(fuzz::bytesOf(data, size)));
    const data::ItemStore store(reading.records);
    const std::string saved = data::writeItemTree(store);

    data::DataFileReading again = data::readDataFile(saved);
    ZEK_FUZZ_CHECK(!again.convertedFromOldFormat);
    const data::ItemStore reloaded(again.records);
    ZEK_FUZZ_CHECK(reloaded.count() == store.count());
    ZEK_FUZZ_CHECK(data::writeItemTree(reloaded) == saved);
    return 0;
}
