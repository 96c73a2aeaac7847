#pragma once
// The Windows profile (INI) functions in memory: each file as raw bytes, parsed and
// rewritten whole on every call as the kernel does (names without regard to ASCII
// case, values trimmed and unquoted when read, leading blanks dropped when written),
// with failures on request. The Win32 tests hold it to the real functions.

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/data/profile_store.h"

namespace zek::test {

class ProfileDouble final : public zek::data::ProfileStore {
  public:
    std::map<std::string, std::string> files;  // path -> the file's bytes
    // Failure injection: how many more writes succeed (negative: all of them).
    int writesLeftBeforeFailure = -1;
    bool failFlush = false;
    bool failReplace = false;
    std::set<std::string> undeletable;
    std::vector<std::string> writtenPaths;  // every path passed to writeString, in call order
    int replaceCount = 0;

    std::int32_t readInt(const std::string& path, const std::string& section, const std::string& key,
                         std::int32_t defaultValue) override {
        // Read through a 30-character buffer, with the prefixes 0x, 0o and 0b after the
        // sign, the digits summed in 32 bits without an overflow check.
        const std::string text = readString(path, section, key, "", 30);
        if (text.empty()) {
            return defaultValue;
        }
        std::string_view value = text;
        const bool negative = value[0] == '-';
        value.remove_prefix(negative || value[0] == '+' ? 1 : 0);
        std::uint32_t base = 10;
        if (value.size() > 1 && value[0] == '0' && (value[1] == 'x' || value[1] == 'o' || value[1] == 'b')) {
            base = value[1] == 'x' ? 16 : value[1] == 'o' ? 8 : 2;
            value.remove_prefix(2);
        }
        std::uint32_t number = 0;
        for (const char c : value) {
            const char folded = c >= 'A' && c <= 'F' ? static_cast<char>(c | 0x20) : c;
            const std::size_t digit = std::string_view("0123456789abcdef").find(folded);
            if (digit >= base) {
                break;
            }
            number = number * base + static_cast<std::uint32_t>(digit);
        }
        return static_cast<std::int32_t>(negative ? 0u - number : number);
    }

    std::string readString(const std::string& path, const std::string& section, const std::string& key,
                           const std::string& defaultValue, std::size_t bufferSize) override {
        std::string value = defaultValue;
        if (const auto file = files.find(path); file != files.end()) {
            // Only the first section of a name counts.
            if (Section* found = find(sectionsOf(path, file->second), section)) {
                if (const Entry* entry = find(found->entries, key); entry && entry->value) {
                    value = stripQuotes(*entry->value);
                }
            }
        }
        value = value.substr(0, value.find('\0'));  // a C string ends at its first NUL
        return bufferSize == 0 ? std::string() : value.substr(0, bufferSize - 1);
    }

    bool writeString(const std::string& path, const std::string& section, const std::string& key,
                     const std::string& value) override {
        writtenPaths.push_back(path);
        if (writesLeftBeforeFailure == 0) {
            return false;
        }
        writesLeftBeforeFailure -= writesLeftBeforeFailure > 0 ? 1 : 0;
        std::vector<Section>& sections = sectionsOf(path, files[path]);
        Section* target = find(sections, section);
        target = target ? target : &sections.emplace_back(Section{section, {}});
        const std::string stored{trimFront(value)};
        if (Entry* entry = find(target->entries, key)) {
            entry->value = stored;
        } else {
            target->entries.push_back({key, stored});
        }
        files[path] = serialize(sections);
        parsed_.erase(path);  // edited in place: a read must see the parse of the new bytes
        return true;
    }

    bool flush(const std::string& path) override { return !failFlush && files.contains(path); }

    bool removeFile(const std::string& path) override {
        if (undeletable.contains(path) && files.contains(path)) {
            return false;
        }
        files.erase(path);
        return true;
    }

    bool replaceFile(const std::string& from, const std::string& to) override {
        if (failReplace || !files.contains(from)) {
            return false;
        }
        ++replaceCount;
        files[to] = std::move(files[from]);
        files.erase(from);
        return true;
    }

  private:
    struct Entry {
        std::string name;
        std::optional<std::string> value;  // none: a line without '='
    };
    struct Section {
        std::string name;  // empty: lines before the first section header
        std::vector<Entry> entries;
    };
    std::map<std::string, std::pair<std::string, std::vector<Section>>> parsed_;

    // A load of many settings reads the same bytes hundreds of times: parse them once.
    std::vector<Section>& sectionsOf(const std::string& path, const std::string& bytes) {
        auto& [parsedBytes, sections] = parsed_[path];
        if (parsedBytes != bytes) {
            parsedBytes = bytes;
            sections = parse(bytes);
        }
        return sections;
    }

    static char foldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

    static std::string_view trimFront(std::string_view text) {
        return text.substr(std::min(text.size(), text.find_first_not_of(" \t\n\v\f\r")));
    }
    static std::string trim(std::string_view text) {
        text = trimFront(text);
        return std::string{text.substr(0, text.find_last_not_of(" \t\n\v\f\r") + 1)};
    }

    static std::string stripQuotes(const std::string& value) {
        const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                            value.back() == value.front();
        return quoted ? value.substr(1, value.size() - 2) : value;
    }

    // The first of `named` whose name matches without regard to ASCII case.
    template <typename Named>
    static Named* find(std::vector<Named>& named, std::string_view name) {
        const auto matches = [name](const Named& each) {
            return std::ranges::equal(each.name, name, {}, foldAscii, foldAscii);
        };
        const auto found = std::ranges::find_if(named, matches);
        return found == named.end() ? nullptr : &*found;
    }

    static std::vector<Section> parse(std::string_view bytes) {
        std::vector<Section> sections;
        while (!bytes.empty()) {
            const std::size_t end = bytes.find('\n');
            const std::string line = trim(bytes.substr(0, end));
            bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
            if (line.empty()) {
                continue;
            }
            if (const std::size_t close = line.rfind(']');
                line.front() == '[' && close != std::string::npos) {
                sections.push_back({trim(std::string_view(line).substr(1, close - 1)), {}});
                continue;
            }
            if (sections.empty()) {
                sections.push_back({"", {}});
            }
            const std::size_t equals = line.find('=');
            if (equals == std::string::npos) {
                sections.back().entries.push_back({line, std::nullopt});
            } else {
                sections.back().entries.push_back(
                    {trim(line.substr(0, equals)), trim(line.substr(equals + 1))});
            }
        }
        return sections;
    }

    static std::string serialize(const std::vector<Section>& sections) {
        std::string bytes;
        for (const Section& section : sections) {
            bytes += section.name.empty() ? "" : "[" + section.name + "]\r\n";
            for (const Entry& entry : section.entries) {
                bytes += entry.name + (entry.value ? "=" + *entry.value : "") + "\r\n";
            }
        }
        return bytes;
    }
};

}  // namespace zek::test
