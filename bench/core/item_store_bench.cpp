// Load, save, prefix filtering, lookups and the re-sort after one edit on
// generated data files of 1,000, 10,000 and 100,000 items: nested nodes,
// Japanese and ASCII names, equal names with different priorities.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "data/data_file.h"
#include "data/data_file_writer.h"
#include "data/item_store.h"

namespace {

using namespace zek::data;

// Same shape as the program's registration id: modifier factor times key factor.
std::int32_t benchHotkeyId(std::int32_t first, std::int32_t second) {
    return first * 1000 + second;
}

std::string randomName(std::mt19937& random) {
    static const char* kJapanese[] = {"メモ", "表",   "計算", "ソフト", "ツール",
                                      "写真", "音楽", "設定", "予定",   "帳"};
    std::uniform_int_distribution<int> coin(0, 2);
    std::string name;
    if (coin(random) == 0) {
        for (int n = std::uniform_int_distribution<int>(1, 3)(random); n > 0; --n) {
            name += kJapanese[std::uniform_int_distribution<int>(0, 9)(random)];
        }
    } else {
        std::uniform_int_distribution<int> letter(0, 25);
        const int length = std::uniform_int_distribution<int>(3, 10)(random);
        for (int n = 0; n < length; ++n) {
            name += static_cast<char>((n == 0 && coin(random) == 0 ? 'A' : 'a') + letter(random));
        }
    }
    return name;
}

// A data file as the program writes it, with `items` records.
std::string generateFile(int items) {
    std::mt19937 random(static_cast<unsigned>(items));
    std::string file = "[100]\r\n";
    std::vector<std::string> earlier;
    int level = 0;
    for (int record = 0; record < items; ++record) {
        const std::string n = std::to_string(record);
        std::uniform_int_distribution<int> percent(0, 99);
        // Nodes about one in eight, nesting up to level 5.
        const bool node = record == 0 || percent(random) < 12;
        if (record == 0) {
            level = 1;
        } else {
            level = std::uniform_int_distribution<int>(1, std::min(level + 1, 5))(random);
        }
        std::string name =
            !earlier.empty() && percent(random) < 5 ? earlier[random() % earlier.size()] : randomName(random);
        earlier.push_back(name);
        file += n + ":ItemName=" + name + "\r\n";
        if (!node) {
            file += n + ":ItemComment=" + name + " を起動\r\n";
            file += n + ":ItemApp=C:\\Program Files\\" + name + "\\" + name + ".exe\r\n";
            file += n + ":ItemDir=C:\\Program Files\\" + name + "\r\n";
        }
        file += n + ":ItemType=" + std::string(node ? (level == 1 ? "2" : "3") : "4") + "\r\n";
        file += n + ":ItemLevel=" + std::to_string(level) + "\r\n";
        file += n + ":ItemBoot=0\r\n" + n + ":ItemTsk=" + std::to_string(percent(random) < 30) + "\r\n";
        file += n + ":ItemExtension=0\r\n";
        file += n + ":ItemPriority=" + std::to_string(percent(random) < 70 ? 0 : percent(random)) + "\r\n";
        const bool hotkey = percent(random) < 2;
        file += n + ":ItemHotKey1=" + std::to_string(hotkey ? 1 + percent(random) % 8 : 0) + "\r\n";
        file += n + ":ItemHotKey2=" + std::to_string(hotkey ? 0x30 + percent(random) : 0) + "\r\n";
    }
    return file;
}

std::string filePath(int items) {
    return (std::filesystem::temp_directory_path() / ("zek_bench_" + std::to_string(items) + ".dat"))
        .string();
}

const std::string& fileOnDisk(int items) {
    static std::map<int, std::string> paths;
    auto [at, fresh] = paths.try_emplace(items, filePath(items));
    if (fresh) {
        std::ofstream(at->second, std::ios::binary) << generateFile(items);
    }
    return at->second;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes(std::filesystem::file_size(path), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

ItemStore& loadedStore(int items) {
    static std::map<int, std::unique_ptr<ItemStore>> stores;
    auto& store = stores[items];
    if (!store) {
        store = std::make_unique<ItemStore>(readDataFile(readFile(fileOnDisk(items))).records);
    }
    return *store;
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
        const std::string& name = items[random() % items.size()]->name();
        prefixes.push_back(name.substr(0, length));
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
        names.push_back(store.items()[random() % store.items().size()]->name());
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
