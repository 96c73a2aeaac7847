#pragma once
// The generated data files the benchmarks share: realistic files of a given number
// of items (nested nodes, Japanese and ASCII names, equal names with different
// priorities), written once per run to the temporary folder.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "core/data/data_file.h"
#include "core/data/item_store.h"

namespace zek::bench {

inline std::string randomName(std::mt19937& random) {
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
inline std::string generateFile(int items) {
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

inline std::string filePath(int items) {
    return (std::filesystem::temp_directory_path() / ("zek_bench_" + std::to_string(items) + ".dat"))
        .string();
}

inline const std::string& fileOnDisk(int items) {
    static std::map<int, std::string> paths;
    auto [at, fresh] = paths.try_emplace(items, filePath(items));
    if (fresh) {
        std::ofstream(at->second, std::ios::binary) << generateFile(items);
    }
    return at->second;
}

inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes(std::filesystem::file_size(path), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

inline data::ItemStore& loadedStore(int items) {
    static std::map<int, std::unique_ptr<data::ItemStore>> stores;
    auto& store = stores[items];
    if (!store) {
        store = std::make_unique<data::ItemStore>(data::readDataFile(readFile(fileOnDisk(items))).records);
    }
    return *store;
}

}  // namespace zek::bench
