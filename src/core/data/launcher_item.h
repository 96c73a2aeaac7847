#pragma once
// One entry of the item tree: a root node, a node, a data item or a built-in
// command. Items are owned by their parent's child list (the tree's root by the
// ItemStore); the tree links, level and serial are the store's to change.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zek::data {

// Stored as the data-file key "ItemType"; a hand-edited file may hold other values.
enum class ItemType : std::int32_t {
    AllItemRoot = 0,
    DefaultRootNode = 1,
    RootItem = 2,
    NodeItem = 3,
    DataItem = 4,
    CommandItem = 5,
    DefaultCommand = 6,
};

// The word the command list and the status display show for a type ("" for others).
std::string_view itemTypeDisplayWord(ItemType type);

// Everything about an item that the user edits and the data file keeps. An empty
// string means the field is absent: it is not written to the data file.
struct ItemFields {
    ItemType type = ItemType::AllItemRoot;
    std::string name;
    std::string comment;
    std::string app;
    std::string option;
    std::string icon;
    std::string dir;
    std::int32_t boot = 0;       // node: choosing it runs all its data items (only 1 means on)
    std::int32_t tsk = 0;        // data item: bring a running instance to the front (only 1)
    std::int32_t extension = 0;  // data item: open through the program's own associations (only 1)
    std::int32_t priority = 0;   // higher wins among equal names and in the match list
    std::int32_t hotKey1 = 0;    // modifier code or lone-key code; 0 = no hotkey
    std::int32_t hotKey2 = 0;    // key code; 0 = no hotkey

    bool operator==(const ItemFields&) const = default;
};

class LauncherItem {
  public:
    explicit LauncherItem(ItemFields fields);

    LauncherItem(const LauncherItem&) = delete;
    LauncherItem& operator=(const LauncherItem&) = delete;

    // A copy of the user's fields; the accessors below read one without copying.
    ItemFields fields() const;
    ItemType type() const { return type_; }
    // NUL-terminated in memory: its data() can go to the C functions as it is.
    std::string_view name() const { return {texts_.get(), textLengths_[kNameText]}; }
    std::string_view comment() const { return text(kCommentText); }
    std::string_view app() const { return text(kAppText); }
    std::string_view option() const { return text(kOptionText); }
    std::string_view icon() const { return text(kIconText); }
    std::string_view dir() const { return text(kDirText); }
    std::int32_t boot() const { return boot_; }
    std::int32_t tsk() const { return tsk_; }
    std::int32_t extension() const { return extension_; }
    std::int32_t priority() const { return priority_; }
    std::int32_t hotKey1() const { return hotKey1_; }
    std::int32_t hotKey2() const { return hotKey2_; }
    bool hasHotkey() const { return hotKey1_ != 0 && hotKey2_ != 0; }

    std::int32_t serial() const { return serial_; }
    // The item's number in its store, never given to another item of that store;
    // 0 until the item is attached.
    std::uint32_t id() const { return id_; }
    std::int32_t level() const { return level_; }
    LauncherItem* parent() const { return parent_; }
    std::span<const std::unique_ptr<LauncherItem>> children() const;
    std::int32_t childCount() const { return static_cast<std::int32_t>(children().size()); }

    // Cached so that sorts and searches over many items mostly decide without
    // walking the names (text::orderKey, text::bytesOrderLikeCharacters).
    std::uint64_t nameKey() const { return nameKey_; }
    std::uint64_t foldedNameKey() const { return foldedNameKey_; }
    bool nameOrdersAsBytes() const { return nameOrdersAsBytes_; }

  private:
    friend class ItemStore;

    using ChildList = std::vector<std::unique_ptr<LauncherItem>>;

    enum TextIndex { kNameText, kCommentText, kAppText, kOptionText, kIconText, kDirText, kTextCount };

    void assignFields(ItemFields fields);
    std::string_view text(TextIndex index) const;
    // The children, made on first use: most items are leaves.
    ChildList& childList();

    // A store holds an item per line of the user's list, a hundred thousand and
    // more: the six texts share one block (the name first, with its NUL), and a
    // leaf has no child list, which keeps an item at two small allocations.
    std::unique_ptr<char[]> texts_;
    std::uint64_t nameKey_ = 0;
    std::uint64_t foldedNameKey_ = 0;
    LauncherItem* parent_ = nullptr;
    std::unique_ptr<ChildList> children_;
    ItemType type_ = ItemType::AllItemRoot;
    std::int32_t boot_ = 0;
    std::int32_t tsk_ = 0;
    std::int32_t extension_ = 0;
    std::int32_t priority_ = 0;
    std::int32_t hotKey1_ = 0;
    std::int32_t hotKey2_ = 0;
    std::int32_t serial_ = 0;
    std::int32_t level_ = 0;
    std::uint32_t id_ = 0;
    // Texts the store holds are at most kMaxValueBytes long (storableText); a
    // longer one, as only a search's probe can bring, is cut at the limit, which
    // orders it among stored names as the whole text would.
    std::uint16_t textLengths_[kTextCount] = {};
    bool nameOrdersAsBytes_ = true;
};

// The stock image of a type, used while an item has no image of its own:
// 1 for a data item, 2 for a built-in command, 0 otherwise.
std::int32_t stockImageIndex(const LauncherItem& item);

}  // namespace zek::data
