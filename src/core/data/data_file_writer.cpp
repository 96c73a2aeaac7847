#include "core/data/data_file_writer.h"

#include <charconv>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

namespace zek::data {
namespace {

constexpr std::string_view kHeader = "[100]\r\n";
constexpr std::size_t kMaxDecimalBytes = 11;  // "-2147483648"
constexpr std::size_t kRecordKeyCount = 14;
// The longest line without its string value: number, ":", the longest key, "=",
// a number and CR LF.
constexpr std::size_t kMaxLineFrame = kMaxDecimalBytes + 1 + 13 + 1 + kMaxDecimalBytes + 2;
// Copies of the record number prefix move this many bytes whatever its length, so
// that the copy needs no call; the buffer keeps that much room past every line.
constexpr std::size_t kPrefixCopyBytes = 16;
// What a record takes as the program writes them, for the first reservation.
constexpr std::size_t kTypicalRecordBytes = 320;

// Writes the lines of one record into room made for them beforehand, so that no
// append has to check for space: one file is about 1.2 million short lines.
class RecordLines {
  public:
    RecordLines(char* at, std::int32_t record) : at_(at) {
        char* end = std::to_chars(prefix_, prefix_ + kMaxDecimalBytes, record).ptr;
        *end++ = ':';
        prefixLength_ = static_cast<std::size_t>(end - prefix_);
    }

    char* end() const { return at_; }

    // Absent (empty) strings are not written.
    template <std::size_t N>
    void putString(const char (&keyWithEquals)[N], std::string_view value) {
        if (value.empty()) {
            return;
        }
        startLine(keyWithEquals);
        std::memcpy(at_, value.data(), value.size());
        at_ += value.size();
        endLine();
    }

    template <std::size_t N>
    void putInt(const char (&keyWithEquals)[N], std::int32_t value) {
        startLine(keyWithEquals);
        at_ = std::to_chars(at_, at_ + kMaxDecimalBytes, value).ptr;
        endLine();
    }

  private:
    template <std::size_t N>
    void startLine(const char (&keyWithEquals)[N]) {
        std::memcpy(at_, prefix_, kPrefixCopyBytes);
        at_ += prefixLength_;
        std::memcpy(at_, keyWithEquals, N - 1);
        at_ += N - 1;
    }

    void endLine() {
        std::memcpy(at_, "\r\n", 2);
        at_ += 2;
    }

    char* at_;
    char prefix_[kPrefixCopyBytes] = {};
    std::size_t prefixLength_ = 0;
};

std::size_t roomForRecord(const LauncherItem& item) {
    return kRecordKeyCount * kMaxLineFrame + kPrefixCopyBytes + item.name().size() + item.comment().size() +
           item.app().size() + item.option().size() + item.icon().size() + item.dir().size();
}

// Appends one record to `out`, whose first `used` bytes are the file so far.
void writeRecord(std::string& out, std::size_t& used, const LauncherItem& item, std::int32_t record) {
    // Growing the string zero-fills only the new room, a few hundred bytes that are
    // in the cache and written over at once; the reservation makes it rarely move.
    out.resize(used + roomForRecord(item));
    RecordLines lines(out.data() + used, record);
    lines.putString("ItemName=", item.name());
    lines.putString("ItemComment=", item.comment());
    lines.putString("ItemApp=", item.app());
    lines.putString("ItemOption=", item.option());
    lines.putString("ItemIcon=", item.icon());
    lines.putString("ItemDir=", item.dir());
    lines.putInt("ItemType=", static_cast<std::int32_t>(item.type()));
    lines.putInt("ItemLevel=", item.level());
    lines.putInt("ItemBoot=", item.boot());
    lines.putInt("ItemTsk=", item.tsk());
    lines.putInt("ItemExtension=", item.extension());
    lines.putInt("ItemPriority=", item.priority());
    lines.putInt("ItemHotKey1=", item.hotKey1());
    lines.putInt("ItemHotKey2=", item.hotKey2());
    used = static_cast<std::size_t>(lines.end() - out.data());
}

}  // namespace

std::string writeItemTree(const ItemStore& store) {
    std::string out;
    out.reserve(kHeader.size() + static_cast<std::size_t>(store.count()) * kTypicalRecordBytes);
    out = kHeader;
    std::size_t used = out.size();
    std::int32_t record = 0;
    // Pre-order without recursion: moves may leave a subtree deeper than its levels say.
    std::vector<const LauncherItem*> pending;
    const auto topLevel = store.root()->children();
    for (auto child = topLevel.rbegin(); child != topLevel.rend(); ++child) {
        pending.push_back(child->get());
    }
    while (!pending.empty()) {
        const LauncherItem* item = pending.back();
        pending.pop_back();
        if (item->type() == ItemType::DefaultCommand) {
            continue;
        }
        writeRecord(out, used, *item, record++);
        const auto children = item->children();
        for (auto child = children.rbegin(); child != children.rend(); ++child) {
            pending.push_back(child->get());
        }
    }
    out.resize(used);
    return out;
}

}  // namespace zek::data
