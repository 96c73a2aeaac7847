// The converter of the old key-and-number format: any text converts to a file of
// the current format that reads without a second conversion.
#include "core/data/data_file.h"
#include "fuzz_check.h"

using namespace zek;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string converted = data::convertOldFormat(fuzz::bytesOf(data, size));
    ZEK_FUZZ_CHECK(converted.starts_with("[100]\r\n"));
    const data::DataFileReading reading = data::readDataFile(converted);
    ZEK_FUZZ_CHECK(!reading.convertedFromOldFormat);
    // Lines end at a NUL, as the C string functions would end them.
    ZEK_FUZZ_CHECK(converted.find('\0') == std::string::npos);
    return 0;
}
