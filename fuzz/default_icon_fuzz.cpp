// The reading of a registry "file,index" icon location and of a path's extension.
#include "core/launch/default_icon.h"
#include "fuzz_check.h"

using namespace zek;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::bytesOf(data, size);
    if (const auto location = launch::parseDefaultIconLocation(text)) {
        ZEK_FUZZ_CHECK(location->file.size() < launch::kIconTextCapacity);
        ZEK_FUZZ_CHECK(location->file.find_first_of("\"%") == std::string::npos);
        ZEK_FUZZ_CHECK(text.find(location->file) == 0);
        ZEK_FUZZ_CHECK(location->index >= -65535);
    }
    const std::string_view extension = launch::extensionOf(text);
    ZEK_FUZZ_CHECK(extension.empty() || (extension.front() == '.' && text.ends_with(extension)));
    launch::iconSourceOf(text);
    if (const auto key = launch::defaultIconKeyOf(text)) {
        ZEK_FUZZ_CHECK(key->size() < launch::kIconTextCapacity && key->ends_with("\\DefaultIcon"));
    }
    return 0;
}
