// Building the tree from the data file's records at start-up.

#include <atomic>
#include <iterator>
#include <string_view>
#include <utility>

#include "core/data/item_store.h"
#include "core/text/decimal.h"

namespace zek::data {
namespace {

// The built-in commands and what each does, in the order they are created.
struct BuiltInCommand {
    const char* name;
    const char* comment;
};

constexpr BuiltInCommand kBuiltInCommands[] = {
    {"newitem", "New entry item."},         {"allitem", "All item menu."},
    {"taskchange", "task change."},         {"list", "item list display."},
    {"hotkeyon", "Register hotkey."},       {"hotkeyoff", "UnRegister hotkey."},
    {"allwndmin", "All windows minimize."}, {"nextwnd", "Next window activate."},
};

}  // namespace

// A record read but not yet attached: a new item, or the built-in node, which a
// record of type DefaultRootNode places in the tree.
struct ItemStore::PendingRecord {
    std::unique_ptr<LauncherItem> item;
    bool isCommandNode = false;

    bool empty() const { return item == nullptr && !isCommandNode; }
};

namespace {
std::atomic<std::uint64_t> lastStoreIdentity{0};
}  // namespace

ItemStore::ItemStore(const RecordTable& records) : identity_(++lastStoreIdentity) {
    root_ = createItem(ItemFields{.type = ItemType::AllItemRoot, .name = "All Item List"});
    detachedCommandNode_ = createItem(
        ItemFields{.type = ItemType::DefaultRootNode, .name = "command", .comment = "command node"});
    commandNode_ = detachedCommandNode_.get();
    commandNode_->level_ = 1;

    items_.reserve(static_cast<std::size_t>(records.recordCount()) + std::size(kBuiltInCommands) + 1);
    byId_.reserve(items_.capacity());
    loadChildren(records, root_.get(), 0);
    itemsFromFile_ = count();
    if (count() == 0) {
        attachChild(root_.get(), std::move(detachedCommandNode_));
    }
    addBuiltInCommands();
    sortItems();
    // Every other node had its children sorted as its part of the file was loaded
    // (loadChildren); these two took children since. The built-in node is sorted
    // even while it hangs nowhere, so that every node keeps its children in order.
    sortChildren(root_.get());
    sortChildren(commandNode_);
}

namespace {

// The fields of a record, each from the first pair with its key; a key not there
// reads as "" or 0.
enum RecordKey {
    kName,
    kComment,
    kApp,
    kOption,
    kIcon,
    kDir,
    kType,
    kLevel,
    kBoot,
    kTsk,
    kExtension,
    kPriority,
    kHotKey1,
    kHotKey2,
    kKeyCount
};

// The RecordKey of a key, or kKeyCount for a key the program does not know. The
// length picks the few keys to compare with, each compare of a fixed length.
RecordKey recordKeyOf(std::string_view key) {
    using namespace std::string_view_literals;
    const auto is = [key](std::string_view known) { return key == known; };
    switch (key.size()) {
        case 7:
            return is("ItemApp"sv) ? kApp : is("ItemDir"sv) ? kDir : is("ItemTsk"sv) ? kTsk : kKeyCount;
        case 8:
            return is("ItemName"sv)   ? kName
                   : is("ItemType"sv) ? kType
                   : is("ItemBoot"sv) ? kBoot
                   : is("ItemIcon"sv) ? kIcon
                                      : kKeyCount;
        case 9:
            return is("ItemLevel"sv) ? kLevel : kKeyCount;
        case 10:
            return is("ItemOption"sv) ? kOption : kKeyCount;
        case 11:
            return is("ItemComment"sv)   ? kComment
                   : is("ItemHotKey1"sv) ? kHotKey1
                   : is("ItemHotKey2"sv) ? kHotKey2
                                         : kKeyCount;
        case 12:
            return is("ItemPriority"sv) ? kPriority : kKeyCount;
        case 13:
            return is("ItemExtension"sv) ? kExtension : kKeyCount;
        default:
            return kKeyCount;
    }
}

struct RecordValues {
    std::string_view values[kKeyCount] = {};

    explicit RecordValues(const RecordTable& records, std::int32_t record) {
        bool seen[kKeyCount] = {};
        for (const RecordTable::Pair& pair : records.pairsOf(record)) {
            const RecordKey index = recordKeyOf(records.keyOf(pair));
            if (index != kKeyCount && !seen[index]) {
                seen[index] = true;
                values[index] = records.valueOf(pair);
            }
        }
    }

    std::string text(RecordKey key) const { return std::string(values[key]); }
    std::int32_t number(RecordKey key) const {
        return values[key].empty() ? 0 : text::parseLeadingInt(values[key]);
    }
};

}  // namespace

ItemStore::PendingRecord ItemStore::readRecord(const RecordTable& records, std::int32_t record) {
    PendingRecord pending;
    const RecordValues read(records, record);
    if (read.values[kName].empty()) {
        return pending;  // no more items
    }
    const auto type = static_cast<ItemType>(read.number(kType));
    if (type == ItemType::DefaultRootNode && detachedCommandNode_ != nullptr) {
        pending.isCommandNode = true;
        return pending;
    }
    // A second built-in node record cannot place the one built-in node again: it
    // loads as an ordinary root node, so nothing below it is lost and the user can
    // delete it. A built-in command record loads as a data item for the same reason:
    // a save skips built-in commands with all below them.
    ItemFields fields{
        .type = type == ItemType::DefaultRootNode  ? ItemType::RootItem
                : type == ItemType::DefaultCommand ? ItemType::DataItem
                                                   : type,
        .name = read.text(kName),
        .comment = read.text(kComment),
        .app = read.text(kApp),
        .option = read.text(kOption),
        .icon = read.text(kIcon),
        .dir = read.text(kDir),
        .boot = read.number(kBoot),
        .tsk = read.number(kTsk),
        .extension = read.number(kExtension),
        .priority = read.number(kPriority),
        .hotKey1 = read.number(kHotKey1),
        .hotKey2 = read.number(kHotKey2),
    };
    pending.item = createStorableItem(std::move(fields));
    pending.item->level_ = read.number(kLevel);
    return pending;
}

// Attaches the records that belong below `parent` (at depth + 1 and deeper) and
// hands back the first one that does not; an empty record ends the load.
ItemStore::PendingRecord ItemStore::loadChildren(const RecordTable& records, LauncherItem* parent,
                                                 std::int32_t depth) {
    PendingRecord pending = readRecord(records, count());
    while (!pending.empty()) {
        const std::int32_t level = pending.isCommandNode ? commandNode_->level_ : pending.item->level_;
        if (level != depth + 1) {
            break;
        }
        if (parent->level_ >= kMaxItemLevel) {
            pending = {};
            break;
        }
        LauncherItem* attached = pending.isCommandNode ? attachChild(parent, std::move(detachedCommandNode_))
                                                       : attachChild(parent, std::move(pending.item));
        pending = loadChildren(records, attached, depth + 1);
    }
    // No later record comes below `parent`, so its children are complete: sorting
    // them now, while they are still in the processor's caches, is what the
    // construction's sort of the whole tree would do later, at the cost of a walk
    // through every item.
    sortChildren(parent);
    return pending;
}

void ItemStore::addBuiltInCommands() {
    for (const BuiltInCommand& command : kBuiltInCommands) {
        attachChild(commandNode_,
                    createItem(ItemFields{
                        .type = ItemType::DefaultCommand, .name = command.name, .comment = command.comment}));
    }
}

}  // namespace zek::data
