// Load, save, prefix filtering, lookups and the re-sort after one edit on
// generated data files of 1,000, 10,000 and 100,000 items: nested nodes,
// Japanese and ASCII names, equal names with different priorities.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "core/data/data_file.h"
#include "core/data/data_file_writer.h"
#include "core/data/item_store.h"
#include "generated_files.h"

namespace {

using namespace zek::data;
using zek::bench::fileOnDisk;
using zek::bench::filePath;
using zek::bench::loadedStore;
using zek::bench::randomName;
using zek::bench::readFile;

// Same shape as the program's registration id: modifier factor times key factor.
std::int32_t benchHotkeyId(std::int32_t first, std::int32_t second) {
    return first * 1000 + second;
}

void BM_Load(benchmark::State& state) {
    const std::string& path = fileOnDisk(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto store = std::make_unique<ItemStore>(readDataFile(readFile(path)).records);
        benchmark::DoNotOptimize(store->count());
        state.PauseTiming();  // releasing the tree is the exit's cost, not the load's
        store.reset();
        state.ResumeTiming();
    }
}

void BM_Save(benchmark::State& state) {
    const ItemStore& store = loadedStore(static_cast<int>(state.range(0)));
    const std::string target = filePath(static_cast<int>(state.range(0))) + ".saved";
    for (auto _ : state) {
        const std::string content = writeItemTree(store);
        {
            std::ofstream out(target + ".new", std::ios::binary);
            out.write(content.data(), static_cast<std::streamsize>(content.size()));
        }
        std::filesystem::rename(target + ".new", target);
    }
}

// Prefixes the user types: the first 1 to 3 bytes of names in the store (a
// Japanese name's first character is 2 bytes, so its 1-byte prefix is a lead byte).
std::vector<std::string> typedPrefixes(const ItemStore& store, std::size_t length) {
    std::vector<std::string> prefixes;
    std::mt19937 random(7);
    const auto items = store.items();
    for (int n = 0; n < 64; ++n) {
        const std::string_view name = items[random() % items.size()]->name();
        prefixes.emplace_back(name.substr(0, length));
    }
    return prefixes;
}

void BM_BuildMatchesAndFirst(benchmark::State& state) {
    ItemStore& store = loadedStore(static_cast<int>(state.range(0)));
    const auto prefixes = typedPrefixes(store, static_cast<std::size_t>(state.range(1)));
    std::size_t next = 0;
    std::size_t matched = 0;
    for (auto _ : state) {
        const std::string& prefix = prefixes[next++ % prefixes.size()];
        store.buildMatches(prefix);
        benchmark::DoNotOptimize(store.findFirstMatch(prefix));
        matched += store.currentList().size();
    }
    state.counters["matches"] = static_cast<double>(matched) / static_cast<double>(state.iterations());
    store.buildMatches("");
}

void BM_FindByName(benchmark::State& state) {
    const ItemStore& store = loadedStore(static_cast<int>(state.range(0)));
    std::vector<std::string> names;
    std::mt19937 random(11);
    for (int n = 0; n < 64; ++n) {
        names.emplace_back(store.items()[random() % store.items().size()]->name());
    }
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.findByName(names[next++ % names.size()]));
    }
}

void BM_FindByHotkeyId(benchmark::State& state) {
    const ItemStore& store = loadedStore(static_cast<int>(state.range(0)));
    std::int32_t id = 1048;
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.findByHotkeyId(id, benchHotkeyId));
        id = id == 8130 ? 1048 : id + 1;
    }
}

// The first hotkey lookup after an edit rebuilds the index from the flat list.
void BM_FindByHotkeyIdAfterEdit(benchmark::State& state) {
    ItemStore& store = loadedStore(static_cast<int>(state.range(0)));
    LauncherItem* edited = store.items()[store.items().size() / 2];
    ItemFields fields = edited->fields();
    for (auto _ : state) {
        ++fields.priority;
        store.setItemFields(edited, fields);
        benchmark::DoNotOptimize(store.findByHotkeyId(2050, benchHotkeyId));
    }
}

// An edit in the dialogs: a name changes and the item goes to its new place.
void BM_ResortAfterEdit(benchmark::State& state) {
    ItemStore& store = loadedStore(static_cast<int>(state.range(0)));
    std::mt19937 random(13);
    for (auto _ : state) {
        LauncherItem* edited = store.items()[random() % store.items().size()];
        ItemFields fields = edited->fields();
        fields.name = randomName(random);
        store.setItemFields(edited, std::move(fields));
    }
}

// The full sorts the dialogs may call, on lists that are in order.
void BM_SortItemsAndTree(benchmark::State& state) {
    ItemStore& store = loadedStore(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        store.sortItems();
        store.sortTree(store.root());
    }
}

#define ZEK_SIZES Arg(1000)->Arg(10000)->Arg(100000)
BENCHMARK(BM_Load)->ZEK_SIZES->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save)->ZEK_SIZES->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildMatchesAndFirst)
    ->ArgsProduct({{1000, 10000, 100000}, {1, 2, 3}})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FindByName)->ZEK_SIZES;
BENCHMARK(BM_FindByHotkeyId)->ZEK_SIZES;
BENCHMARK(BM_FindByHotkeyIdAfterEdit)->ZEK_SIZES->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ResortAfterEdit)->ZEK_SIZES->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SortItemsAndTree)->ZEK_SIZES->Unit(benchmark::kMicrosecond);

}  // namespace
