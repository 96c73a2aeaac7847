#pragma once
// An in-memory stand-in for the Windows profile (INI) functions, for unit tests.
// It keeps each file as raw bytes and parses and rewrites the whole file on every
// call, the way the kernel's functions treat a file: `[Section]` and `Key=Value`
// lines with CR LF, no blank lines, names matched without regard to ASCII case,
// values trimmed and stripped of one pair of enclosing quotes when read, leading
// blanks dropped when written. Failures can be injected to test what the callers
// do when the disk refuses.

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "data/profile_store.h"

namespace zek::test {

class ProfileDouble final : public zek::data::ProfileStore {
  public:
    // Path -> the file's bytes.
    std::map<std::string, std::string> files;

    // Failure injection: how many more writes succeed (negative: all of them).
    int writesLeftBeforeFailure = -1;
    bool failFlush = false;
    bool failReplace = false;
    std::set<std::string> undeletable;

    // Every path passed to writeString, in call order.
    std::vector<std::string> writtenPaths;
    int replaceCount = 0;

    std::int32_t readInt(const std::string& path, const std::string& section, const std::string& key,
                         std::int32_t defaultValue) override {
        // The system reads the value through a 30-character buffer and accumulates
        // the digits in 32 bits without an overflow check.
        const std::string value = readString(path, section, key, "", 30);
        if (value.empty()) {
            return defaultValue;
        }
        std::size_t position = 0;
        const bool negative = value[0] == '-';
        if (value[0] == '-' || value[0] == '+') {
            ++position;
        }
        std::uint32_t number = 0;
        for (; position < value.size() && value[position] >= '0' && value[position] <= '9'; ++position) {
            number = number * 10u + static_cast<std::uint32_t>(value[position] - '0');
        }
        return static_cast<std::int32_t>(negative ? 0u - number : number);
    }

    std::string readString(const std::string& path, const std::string& section, const std::string& key,
                           const std::string& defaultValue, std::size_t bufferSize) override {
        std::string value = defaultValue;
        const auto file = files.find(path);
        if (file != files.end()) {
            const std::vector<Section> sections = parse(file->second);
            if (const Entry* entry = findEntry(sections, section, key); entry && entry->value) {
                value = stripQuotes(*entry->value);
            }
        }
        // A C string ends at its first NUL.
        value = value.substr(0, value.find('\0'));
        if (bufferSize == 0) {
            return {};
        }
        if (value.size() > bufferSize - 1) {
            value.resize(bufferSize - 1);
        }
        return value;
    }

    bool writeString(const std::string& path, const std::string& section, const std::string& key,
                     const std::string& value) override {
        writtenPaths.push_back(path);
        if (writesLeftBeforeFailure == 0) {
            return false;
        }
        if (writesLeftBeforeFailure > 0) {
            --writesLeftBeforeFailure;
        }
        std::vector<Section> sections = parse(files[path]);
        Section* target = findSection(sections, section);
        if (!target) {
            target = &sections.emplace_back(Section{section, {}});
        }
        const std::string stored{trimFront(value)};
        Entry* entry = findKey(*target, key);
        if (entry) {
            entry->value = stored;
        } else {
            target->entries.push_back({key, stored});
        }
        files[path] = serialize(sections);
        return true;
    }

    bool flush(const std::string& path) override { return !failFlush && files.contains(path); }

    bool removeFile(const std::string& path) override {
        if (!files.contains(path)) {
            return true;
        }
        if (undeletable.contains(path)) {
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
        std::string key;
        std::optional<std::string> value;  // none: a line without '='
    };
    struct Section {
        std::string name;  // empty: lines before the first section header
        std::vector<Entry> entries;
    };

    static bool isBlank(char byte) {
        return byte == ' ' || byte == '\t' || byte == '\r' || byte == '\n' || byte == '\v' || byte == '\f';
    }

    static std::string_view trimFront(std::string_view text) {
        while (!text.empty() && isBlank(text.front())) {
            text.remove_prefix(1);
        }
        return text;
    }

    static std::string_view trim(std::string_view text) {
        text = trimFront(text);
        while (!text.empty() && isBlank(text.back())) {
            text.remove_suffix(1);
        }
        return text;
    }

    static bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
        if (a.size() != b.size()) {
            return false;
        }
        for (std::size_t i = 0; i < a.size(); ++i) {
            const auto fold = [](char c) {
                return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
            };
            if (fold(a[i]) != fold(b[i])) {
                return false;
            }
        }
        return true;
    }

    static std::string stripQuotes(const std::string& value) {
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
            value.back() == value.front()) {
            return value.substr(1, value.size() - 2);
        }
        return value;
    }

    static std::vector<Section> parse(std::string_view bytes) {
        std::vector<Section> sections;
        while (!bytes.empty()) {
            const std::size_t end = bytes.find('\n');
            const std::string_view line = trim(bytes.substr(0, end));
            bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
            if (line.empty()) {
                continue;
            }
            if (line.front() == '[') {
                const std::size_t close = line.rfind(']');
                if (close != std::string_view::npos) {
                    sections.push_back({std::string{trim(line.substr(1, close - 1))}, {}});
                    continue;
                }
            }
            if (sections.empty()) {
                sections.push_back({"", {}});
            }
            const std::size_t equals = line.find('=');
            if (equals == std::string_view::npos) {
                sections.back().entries.push_back({std::string{line}, std::nullopt});
            } else {
                sections.back().entries.push_back(
                    {std::string{trim(line.substr(0, equals))}, std::string{trim(line.substr(equals + 1))}});
            }
        }
        return sections;
    }

    static std::string serialize(const std::vector<Section>& sections) {
        std::string bytes;
        for (const Section& section : sections) {
            if (!section.name.empty()) {
                bytes += "[" + section.name + "]\r\n";
            }
            for (const Entry& entry : section.entries) {
                bytes += entry.key;
                if (entry.value) {
                    bytes += "=" + *entry.value;
                }
                bytes += "\r\n";
            }
        }
        return bytes;
    }

    static Section* findSection(std::vector<Section>& sections, std::string_view name) {
        for (Section& section : sections) {
            if (equalsIgnoringAsciiCase(section.name, name)) {
                return &section;
            }
        }
        return nullptr;
    }

    static Entry* findKey(Section& section, std::string_view key) {
        for (Entry& entry : section.entries) {
            if (equalsIgnoringAsciiCase(entry.key, key)) {
                return &entry;
            }
        }
        return nullptr;
    }

    static const Entry* findEntry(const std::vector<Section>& sections, std::string_view section,
                                  std::string_view key) {
        for (const Section& candidate : sections) {
            if (equalsIgnoringAsciiCase(candidate.name, section)) {
                for (const Entry& entry : candidate.entries) {
                    if (equalsIgnoringAsciiCase(entry.key, key)) {
                        return &entry;
                    }
                }
                return nullptr;
            }
        }
        return nullptr;
    }
};

}  // namespace zek::test
