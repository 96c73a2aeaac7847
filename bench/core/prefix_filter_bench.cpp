// The in-process half of bench/compare_fzf.sh: the names of the generated
// 100,000-item file filtered by a typed prefix ($ZEK_PREFIX, "ab" when unset) as
// the combo box does on every keystroke, buildMatches + findFirstMatch.
//
// With ZEK_DUMP_NAMES=<path> in the environment the program instead writes the
// file's names there, one per line, for fzf to filter, and exits.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "core/data/data_file.h"
#include "core/data/item_store.h"
#include "generated_files.h"

namespace {

using namespace zek::data;

constexpr int kItems = 100000;

std::string typedPrefix() {
    const char* prefix = std::getenv("ZEK_PREFIX");
    return prefix != nullptr && *prefix != '\0' ? prefix : "ab";
}

// Runs before the benchmarks start, so that the dump needs no benchmark arguments.
const bool kNamesDumped = [] {
    const char* path = std::getenv("ZEK_DUMP_NAMES");
    if (path == nullptr) {
        return false;
    }
    const RecordTable records = readDataFile(zek::bench::generateFile(kItems)).records;
    std::ofstream out(path, std::ios::binary);
    for (std::int32_t record = 0; record < records.recordCount(); ++record) {
        out << records.getString(record, "ItemName") << '\n';
    }
    out.close();
    std::exit(out ? EXIT_SUCCESS : EXIT_FAILURE);
}();

void BM_PrefixFilter(benchmark::State& state) {
    ItemStore& store = zek::bench::loadedStore(kItems);
    const std::string prefix = typedPrefix();
    for (auto _ : state) {
        store.buildMatches(prefix);
        benchmark::DoNotOptimize(store.findFirstMatch(prefix));
    }
    state.counters["matches"] = static_cast<double>(store.matches().size());
    store.buildMatches("");
}

BENCHMARK(BM_PrefixFilter)->Unit(benchmark::kMicrosecond);

}  // namespace
