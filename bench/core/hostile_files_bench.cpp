// Loading data files made to hurt, as the program loads them at start (read,
// convert, build the tree): one line of 300 MB, a million records, nesting 100,000
// levels deep, 64 MB of random bytes, in both formats where it matters. Each
// reports its time and the process's peak resident memory; run one case per
// process (--benchmark_filter) to see each case's own peak.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <memory>
#include <random>
#include <string>

#include "core/data/data_file.h"
#include "core/data/item_store.h"

namespace {

using namespace zek::data;

std::string oneHugeLine(bool oldFormat) {
    std::string file = oldFormat ? "ItemName0=a\nItemType0=4\nItemLevel0=1\nItemApp0="
                                 : "[100]\n0:ItemName=a\n0:ItemType=4\n0:ItemLevel=1\n0:ItemApp=";
    file.append(300u << 20, 'x');
    return file + "\n";
}

std::string millionRecords(bool oldFormat) {
    std::string file = oldFormat ? "" : "[100]\n";
    for (int i = 0; i < 1000000; ++i) {
        const std::string n = std::to_string(i);
        file += oldFormat ? "ItemName" + n + "=n" + n + "\nItemType" + n + "=4\nItemLevel" + n + "=1\n"
                          : n + ":ItemName=n" + n + "\n" + n + ":ItemType=4\n" + n + ":ItemLevel=1\n";
    }
    return file;
}

std::string deepNesting() {
    std::string file = "[100]\n";
    for (int i = 0; i < 100000; ++i) {
        const std::string n = std::to_string(i);
        file += n + ":ItemName=n" + n + "\n" + n + ":ItemType=" + (i == 0 ? "2" : "3") + "\n" + n +
                ":ItemLevel=" + std::to_string(i + 1) + "\n";
    }
    return file;
}

std::string randomBytes() {
    std::mt19937_64 random(7);
    std::string file(64u << 20, '\0');
    for (char& byte : file) {
        byte = static_cast<char>(random());
    }
    return file;
}

void load(benchmark::State& state, std::string (*make)()) {
    const std::string file = make();
    for (auto _ : state) {
        auto store = std::make_unique<ItemStore>(readDataFile(file).records);
        benchmark::DoNotOptimize(store->count());
        state.counters["items"] = static_cast<double>(store->count());
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["file_MB"] = static_cast<double>(file.size()) / (1 << 20);
    state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024;
}

BENCHMARK_CAPTURE(load, huge_line, [] { return oneHugeLine(false); })
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(load, huge_line_old, [] { return oneHugeLine(true); })
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(load, million, [] { return millionRecords(false); })
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(load, million_old, [] { return millionRecords(true); })
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(load, deep, deepNesting)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(load, random, randomBytes)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
