#include "data/data_file_writer.h"

#include <cstdint>
#include <string_view>
#include <vector>

#include "text/decimal.h"

namespace zek::data {
namespace {

void writeLineStart(std::string& out, std::int32_t record, std::string_view key) {
    text::appendDecimal(out, record);
    out += ':';
    out += key;
    out += '=';
}

void writeString(std::string& out, std::int32_t record, std::string_view value, std::string_view key) {
    if (value.empty()) {
        return;  // absent fields are not written
    }
    writeLineStart(out, record, key);
    out += value;
    out += "\r\n";
}

void writeInt(std::string& out, std::int32_t record, std::int32_t value, std::string_view key) {
    writeLineStart(out, record, key);
    text::appendDecimal(out, value);
    out += "\r\n";
}

void writeRecord(std::string& out, const LauncherItem& item, std::int32_t record) {
    const ItemFields& fields = item.fields();
    writeString(out, record, fields.name, "ItemName");
    writeString(out, record, fields.comment, "ItemComment");
    writeString(out, record, fields.app, "ItemApp");
    writeString(out, record, fields.option, "ItemOption");
    writeString(out, record, fields.icon, "ItemIcon");
    writeString(out, record, fields.dir, "ItemDir");
    writeInt(out, record, static_cast<std::int32_t>(fields.type), "ItemType");
    writeInt(out, record, item.level(), "ItemLevel");
    writeInt(out, record, fields.boot, "ItemBoot");
    writeInt(out, record, fields.tsk, "ItemTsk");
    writeInt(out, record, fields.extension, "ItemExtension");
    writeInt(out, record, fields.priority, "ItemPriority");
    writeInt(out, record, fields.hotKey1, "ItemHotKey1");
    writeInt(out, record, fields.hotKey2, "ItemHotKey2");
}

}  // namespace

std::string writeItemTree(const ItemStore& store) {
    std::string out = "[100]\r\n";
    out.reserve(static_cast<std::size_t>(store.count()) * 256);
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
        writeRecord(out, *item, record++);
        const auto children = item->children();
        for (auto child = children.rbegin(); child != children.rend(); ++child) {
            pending.push_back(child->get());
        }
    }
    return out;
}

}  // namespace zek::data
