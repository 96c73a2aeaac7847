// The command box's key handling: random typing, deleting, keys, characters, wheel
// notches and list choices against the box's state, applied as the adapter applies
// them. Every list index, selection and item a reaction names must be usable.
#include <algorithm>
#include <memory>
#include <string>
#include <variant>

#include "core/box/box_input.h"
#include "core/box/completion.h"
#include "core/data/item_store.h"
#include "fuzz_check.h"

using namespace zek;

namespace {

// Names sharing beginnings, equal names, double-byte names with the trail byte 0x5C.
constexpr const char* kNames[] = {"a", "ab", "abc", "ab", "b", "\x95\x5C", "\x95\x5Cx", "\x83\x5C\x83\x5C",
                                  "z"};

class Box {
  public:
    explicit Box(data::ItemStore& store) : store_(store) {}

    box::BoxView view() const { return {text_, selection_, listSelection_}; }
    const box::BoxState& state() const { return state_; }
    data::ItemStore& store() { return store_; }

    void apply(const box::Reaction& reaction) {
        state_ = reaction.state;
        ZEK_FUZZ_CHECK(state_.matchLength >= 0 && state_.matchLength < static_cast<int>(box::kBoxTextBytes));
        const auto list = store_.currentList();
        if (reaction.refillList) {
            listSelection_.reset();
        }
        if (reaction.listSelection) {
            ZEK_FUZZ_CHECK(*reaction.listSelection < list.size());
            listSelection_ = reaction.listSelection;
            text_ = list[*reaction.listSelection]->name();
        }
        if (reaction.editText) {
            text_ = *reaction.editText;
        }
        if (reaction.editSelection) {
            const box::EditSelection s = *reaction.editSelection;
            ZEK_FUZZ_CHECK(0 <= s.start && s.start <= s.end && s.end <= static_cast<int>(text_.size()));
            selection_ = s;
        }
        selection_ = {std::min(selection_.start, static_cast<int>(text_.size())),
                      std::min(selection_.end, static_cast<int>(text_.size()))};
        if (reaction.status.change == box::StatusChange::ShowItem) {
            ZEK_FUZZ_CHECK(reaction.status.item != nullptr);
            touch(reaction.status.item);
        }
        request_ = reaction.request;
        if (const auto* run = std::get_if<box::RunItem>(&request_)) {
            touch(run->item);
        } else if (const auto* open = std::get_if<box::OpenItemFolder>(&request_)) {
            touch(open->item);
        } else if (const auto* menu = std::get_if<box::OfferMenu>(&request_)) {
            ZEK_FUZZ_CHECK(!menu->items.empty());
            for (data::LauncherItem* item : menu->items) {
                touch(item);
            }
        }
    }

    void type(std::string_view typed) {
        text_.replace(selection_.start, selection_.end - selection_.start, typed);
        text_.resize(std::min(text_.size(), box::kBoxTextBytes - 1));
        selection_.start = selection_.end =
            std::min(selection_.start + static_cast<int>(typed.size()), static_cast<int>(text_.size()));
        apply(box::completeIncrementally(state_, view(), store_));
    }

    void backspace() {
        if (selection_.start == selection_.end && selection_.start > 0) {
            --selection_.start;
        }
        text_.erase(selection_.start, selection_.end - selection_.start);
        selection_.end = selection_.start;
        apply(box::completeIncrementally(state_, view(), store_));
    }

    void moveCaret(int step) {
        const int caret = std::clamp(selection_.end + step, 0, static_cast<int>(text_.size()));
        selection_ = {caret, caret};
    }

    // Up or Down in the list, as the combo box moves its selection.
    void moveListSelection(unsigned virtualKey) {
        const auto size = store_.currentList().size();
        if (size == 0) {
            return;
        }
        std::size_t at = listSelection_.value_or(0);
        if (virtualKey == box::key::kUp && at > 0) {
            --at;
        } else if (virtualKey == box::key::kDown && at + 1 < size) {
            ++at;
        }
        listSelection_ = at;
        text_ = store_.currentList()[at]->name();
        apply(box::onListSelectionChanged(state_, view(), store_));
    }

    const box::Request& lastRequest() const { return request_; }
    void setState(box::BoxState state) { state_ = state; }

  private:
    // Reading the item makes ASan see one that is gone.
    static void touch(const data::LauncherItem* item) {
        ZEK_FUZZ_CHECK(item != nullptr);
        volatile std::size_t length = item->name().size();
        (void)length;
    }

    data::ItemStore& store_;
    box::BoxState state_;
    std::string text_;
    box::EditSelection selection_;
    std::optional<std::size_t> listSelection_;
    box::Request request_;
};

void step(Box& box, std::uint8_t op, std::uint8_t arg) {
    static constexpr unsigned kKeys[] = {box::key::kTab,     box::key::kReturn, box::key::kShift,
                                         box::key::kControl, box::key::kEscape, box::key::kLeft,
                                         box::key::kUp,      box::key::kRight,  box::key::kDown};
    const unsigned someKey = kKeys[arg % std::size(kKeys)];
    const box::BoxState& state = box.state();
    switch (op % 12) {
        case 0:
            box.type(std::string(1, static_cast<char>(arg == 0 ? 0x5C : arg)));  // an edit field holds no NUL
            break;
        case 1:
            box.backspace();
            break;
        case 2:
            box.apply(box::onEditKeyDown(state, someKey, (arg & 0x80) != 0, box.view(), box.store()));
            break;
        case 3:
            if (someKey == box::key::kLeft || someKey == box::key::kRight) {
                box.moveCaret(someKey == box::key::kLeft ? -1 : 1);
            }
            box.apply(box::onEditKeyUp(state, someKey, box.view(), box.store()));
            break;
        case 4:
            box.apply(box::onComboKeyDown(state, someKey, box.view(), box.store()));
            break;
        case 5:
            box.apply(box::onEditChar(state, arg % 16, box.store()));
            break;
        case 6:
            box.apply(box::onEditSysChar(state, box::kCharReturn, arg % 3, box.view(), box.store()));
            break;
        case 7: {
            const auto reaction = box::onMouseWheel(state, (arg % 3 - 1) * box::kWheelDelta);
            box.apply(reaction);
            if (const auto* press = std::get_if<box::PressKey>(&reaction.request)) {
                box.moveListSelection(press->virtualKey);
            }
            break;
        }
        case 8:
            box.setState(box::setMatchLength(state, std::uintptr_t{arg} * 3));
            break;
        case 9:
            box.setState(arg & 1 ? box::onEditLostFocus(state) : box::forgetMatchLength(state));
            break;
        case 10:
            box.moveListSelection(arg & 1 ? box::key::kUp : box::key::kDown);
            break;
        default:
            if (const auto* menu = std::get_if<box::OfferMenu>(&box.lastRequest())) {
                box::afterMenu(menu->items[arg % menu->items.size()]);
            } else {
                box.apply(box::afterRequest(state, box.lastRequest(), (arg & 1) != 0));
            }
            break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    data::ItemStore store{data::RecordTable{}};
    int priority = 0;
    for (const char* name : kNames) {
        store.addToRoot(
            store.createItem({.type = data::ItemType::DataItem, .name = name, .priority = priority++ % 3}));
    }
    Box box(store);
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        step(box, data[i], data[i + 1]);
    }
    return 0;
}
