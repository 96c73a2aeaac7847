// The command-line parser: arguments split at NUL bytes, the record limit from the
// first byte. Records stay within their fields and the limit, and each runs once.
#include <vector>

#include "core/app/command_line.h"
#include "switch_recorder.h"

using namespace zek;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::size_t limit = data[0] % (app::kRemoteRecordCount + 2);
    const std::string_view rest = fuzz::bytesOf(data + 1, size - 1);
    std::vector<std::string_view> arguments{"ZekLauncher.exe"};
    for (std::size_t start = 0; start <= rest.size();) {
        const std::size_t end = std::min(rest.find('\0', start), rest.size());
        arguments.push_back(rest.substr(start, end - start));
        start = end + 1;
    }
    app::RemoteCommand block{};
    const std::size_t count = app::parseCommandLine(arguments, block.entries, limit);
    ZEK_FUZZ_CHECK(count <= std::min(limit, app::kRemoteRecordCount));
    for (std::size_t i = 0; i < count; ++i) {
        const app::SwitchEntry& entry = block.entries[i];
        ZEK_FUZZ_CHECK(app::switchByName(app::fieldText(entry.switchName)).has_value());
        ZEK_FUZZ_CHECK(entry.argument1[app::kArgumentSize - 1] == '\0');
        ZEK_FUZZ_CHECK(entry.argument2[app::kArgumentSize - 1] == '\0');
    }
    fuzz::SwitchRecorder recorder;
    app::runSwitches(block.entries, count, recorder);
    return 0;
}
