// The receiver's reading of a shared block another process wrote: any bytes and
// any record count, without reading past the block or a field.
#include <cstring>
#include <memory>

#include "switch_recorder.h"

using namespace zek;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::uint64_t count = 0;
    if (size < sizeof count) {
        return 0;
    }
    std::memcpy(&count, data, sizeof count);
    const std::size_t skipped = sizeof count;
    // The block in memory of its own size, filled with the rest of the input and
    // then with a byte that is no terminator.
    auto block = std::make_unique<app::RemoteCommand>();
    std::memset(block.get(), 'A', sizeof *block);
    std::memcpy(block.get(), data + skipped, std::min(size - skipped, sizeof *block));
    fuzz::SwitchRecorder recorder;
    app::runSwitches(block->entries, static_cast<std::size_t>(count), recorder);
    ZEK_FUZZ_CHECK(recorder.calls <= static_cast<int>(2 * app::kRemoteRecordCount));
    return 0;
}
