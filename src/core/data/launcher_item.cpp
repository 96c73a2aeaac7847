#include "core/data/launcher_item.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "core/text/compare.h"

namespace zek::data {

std::string_view itemTypeDisplayWord(ItemType type) {
    switch (type) {
        case ItemType::AllItemRoot:
            return "All Item Root";
        case ItemType::DefaultRootNode:
            return "Default Root Node";
        case ItemType::RootItem:
            return "Root Item";
        case ItemType::NodeItem:
            return "Node Item";
        case ItemType::DataItem:
            return "Data Item";
        case ItemType::CommandItem:
            return "Command Item";
        case ItemType::DefaultCommand:
            return "Default Command";
    }
    return "";
}

LauncherItem::LauncherItem(ItemFields fields) {
    assignFields(std::move(fields));
}

ItemFields LauncherItem::fields() const {
    return ItemFields{
        .type = type_,
        .name = std::string(name()),
        .comment = std::string(comment()),
        .app = std::string(app()),
        .option = std::string(option()),
        .icon = std::string(icon()),
        .dir = std::string(dir()),
        .boot = boot_,
        .tsk = tsk_,
        .extension = extension_,
        .priority = priority_,
        .hotKey1 = hotKey1_,
        .hotKey2 = hotKey2_,
    };
}

void LauncherItem::assignFields(ItemFields fields) {
    const std::string_view texts[kTextCount] = {fields.name,   fields.comment, fields.app,
                                                fields.option, fields.icon,    fields.dir};
    std::size_t total = 1;  // the name's NUL
    for (int index = 0; index < kTextCount; ++index) {
        const std::size_t length = std::min(texts[index].size(), std::size_t{UINT16_MAX});
        textLengths_[index] = static_cast<std::uint16_t>(length);
        total += length;
    }
    texts_ = std::make_unique_for_overwrite<char[]>(total);
    char* next = texts_.get();
    for (int index = 0; index < kTextCount; ++index) {
        next = std::copy_n(texts[index].data(), textLengths_[index], next);
        if (index == kNameText) {
            *next++ = '\0';
        }
    }
    type_ = fields.type;
    boot_ = fields.boot;
    tsk_ = fields.tsk;
    extension_ = fields.extension;
    priority_ = fields.priority;
    hotKey1_ = fields.hotKey1;
    hotKey2_ = fields.hotKey2;
    nameKey_ = text::orderKey(name(), false);
    foldedNameKey_ = text::orderKey(name(), true);
    nameOrdersAsBytes_ = text::bytesOrderLikeCharacters(name());
}

std::string_view LauncherItem::text(TextIndex index) const {
    // The name's NUL stands between it and the others.
    std::size_t start = index == kNameText ? 0 : 1;
    for (int before = 0; before < index; ++before) {
        start += textLengths_[before];
    }
    return std::string_view(texts_.get() + start, textLengths_[index]);
}

std::span<const std::unique_ptr<LauncherItem>> LauncherItem::children() const {
    if (!children_) {
        return {};
    }
    return *children_;
}

LauncherItem::ChildList& LauncherItem::childList() {
    if (!children_) {
        children_ = std::make_unique<ChildList>();
    }
    return *children_;
}

std::int32_t stockImageIndex(const LauncherItem& item) {
    switch (item.type()) {
        case ItemType::DataItem:
            return 1;
        case ItemType::DefaultCommand:
            return 2;
        default:
            return 0;
    }
}

}  // namespace zek::data
