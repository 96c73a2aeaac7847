// The store's lists under random edits: a tree loaded from a file, then items
// added, renamed, reprioritised, moved, removed and typed for, in the order the
// input's bytes choose. After every step the flat list, every child list, the
// matches and the lookups equal what the old program's bubble sorts give.
#include <algorithm>
#include <cstdint>
#include <iterator>
#include <map>
#include <memory>
#include <string>

#include "core/data/data_file.h"
#include "core/data/item_store.h"
#include "data/store_order_model.h"
#include "fuzz_check.h"

using namespace zek;
using namespace zek::data;
using namespace zek::data::test;

namespace {

class RandomTree {
  public:
    RandomTree(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool exhausted() const { return position_ >= size_; }

    void load() {
        std::string file = "[100]\r\n";
        for (int record = 0, records = pick(5, 60), level = 1; record < records; ++record) {
            level = record == 0 ? 1 : pick(1, std::min(level + 1, 4));
            const std::string itemName = name();
            const int type = record == 3 ? 1 : pick(2, 4);
            file += recordLines(record, itemName, type, level, priority());
        }
        store_ = std::make_unique<ItemStore>(readDataFile(file).records);
        // At load the attach order is the serial order.
        items_ = bySerial(listOf(store_->items()));
        for (LauncherItem* each : items_) {
            children_[each->parent()].push_back(each);
        }
        for (auto& [parent, children] : children_) {
            bubbleSort(children, childOutOfOrder);
        }
        bubbleSort(items_, itemOutOfOrder);
    }

    // Operations 0-2 add, 3-4 edit, 5 moves, 6 removes, the rest type and look up.
    void step() {
        void (RandomTree::*const operations[])() = {
            &RandomTree::add,  &RandomTree::add,      &RandomTree::add,           &RandomTree::edit,
            &RandomTree::edit, &RandomTree::moveLeaf, &RandomTree::removeSubtree, &RandomTree::typeAndLookUp};
        (this->*operations[std::min(pick(0, 9), 7)])();
    }

    void check() const {
        ZEK_FUZZ_CHECK(listOf(store_->items()) == items_);
        for (LauncherItem* node : items_) {
            const auto found = children_.find(node);
            ZEK_FUZZ_CHECK(listOf(node->children()) == (found == children_.end() ? List{} : found->second));
        }
    }

  private:
    // The next byte (two for wide ranges) chooses; past the end, the lowest choice.
    int pick(int low, int high) {
        unsigned value = 0;
        for (int bytes = high - low > 255 ? 2 : 1; bytes > 0 && position_ < size_; --bytes) {
            value = value << 8 | data_[position_++];
        }
        return low + static_cast<int>(value % static_cast<unsigned>(high - low + 1));
    }
    std::string name(int maxPieces = 3) {
        std::string out;
        for (int i = pick(1, maxPieces); i > 0; --i) {
            out += kNamePieces[pick(0, static_cast<int>(std::size(kNamePieces)) - 1)];
        }
        return out;
    }
    std::int32_t priority() { return kPriorities[pick(0, static_cast<int>(std::size(kPriorities)) - 1)]; }
    LauncherItem* anyItem() {
        return store_->items()[static_cast<std::size_t>(pick(0, store_->count() - 1))];
    }
    void resort(LauncherItem* parent) {
        if (parent != nullptr) {
            bubbleSort(children_[parent], childOutOfOrder);
        }
        bubbleSort(items_, itemOutOfOrder);
    }

    void add() {
        LauncherItem* parent = pick(0, 4) == 0 ? store_->root() : anyItem();
        LauncherItem* added = store_->addChild(
            parent, store_->createItem({.type = ItemType::DataItem, .name = name(), .priority = priority()}));
        ZEK_FUZZ_CHECK((added == nullptr) == (parent->level() >= kMaxItemLevel));
        if (added != nullptr) {
            children_[parent].push_back(added);
            items_.push_back(added);
            resort(parent);
        }
    }

    void edit() {
        LauncherItem* edited = anyItem();
        ItemFields fields = edited->fields();
        fields.name = pick(0, 3) == 0 ? fields.name : name();
        fields.priority = priority();
        store_->setItemFields(edited, fields);
        resort(edited->parent());
    }

    void moveLeaf() {
        LauncherItem* moved = anyItem();
        LauncherItem* target = anyItem();
        LauncherItem* oldParent = moved->parent();
        if (moved->childCount() != 0 || moved == target || oldParent == nullptr ||
            moved->type() == ItemType::DefaultRootNode) {
            return;
        }
        const bool accepted = store_->moveItem(target, moved);
        ZEK_FUZZ_CHECK(accepted == (target->level() < kMaxItemLevel));
        if (accepted) {
            std::erase(children_[oldParent], moved);
            children_[target].push_back(moved);
            resort(target);
        }
    }

    void removeSubtree() {
        LauncherItem* removed = anyItem();
        if (removed == store_->commandNode() || store_->count() <= 20) {
            return;
        }
        List gone{removed};
        for (std::size_t i = 0; i < gone.size(); ++i) {
            gone.insert(gone.end(), children_[gone[i]].begin(), children_[gone[i]].end());
        }
        std::erase(children_[removed->parent()], removed);
        std::erase_if(items_,
                      [&gone](LauncherItem* each) { return std::ranges::find(gone, each) != gone.end(); });
        // The allocator may hand a removed item's address to the next one added.
        for (LauncherItem* each : gone) {
            children_.erase(each);
        }
        store_->removeItem(removed);
    }

    // Typing a prefix (now and then half a character) filters; lookups by prefix and name.
    void typeAndLookUp() {
        std::string prefix = name(2);
        prefix = pick(0, 4) == 0 ? prefix.substr(0, 1) : prefix;
        store_->buildMatches(prefix);
        List current;
        std::ranges::copy_if(items_, std::back_inserter(current),
                             [&](auto* each) { return each->name().starts_with(prefix); });
        bubbleSort(current, matchOutOfOrder);
        current = current.empty() ? items_ : current;
        ZEK_FUZZ_CHECK(listOf(store_->currentList()) == current);
        const std::string probe = name(2);
        const auto first =
            std::ranges::find_if(current, [&](auto* each) { return each->name().starts_with(probe); });
        ZEK_FUZZ_CHECK(store_->findFirstMatch(probe) == (first == current.end() ? nullptr : *first));
        const auto named = std::ranges::find_if(items_, [&](auto* each) { return each->name() == probe; });
        ZEK_FUZZ_CHECK(store_->findByName(probe) == (named == items_.end() ? nullptr : *named));
    }

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
    std::unique_ptr<ItemStore> store_;
    List items_;
    std::map<const LauncherItem*, List> children_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    RandomTree tree(data, size);
    tree.load();
    tree.check();
    for (int step = 0; step < 2000 && !tree.exhausted(); ++step) {
        tree.step();
        tree.check();
    }
    return 0;
}
