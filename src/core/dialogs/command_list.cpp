#include "core/dialogs/command_list.h"

#include <charconv>
#include <optional>

#include "core/data/hotkey_table.h"
#include "core/dialogs/list_sort.h"

namespace zek::dialogs {
namespace {

using data::ItemType;

constexpr std::array<CommandListColumn, kCommandListColumnCount> kColumns{{
    {"Command", 110, CellAlign::Left},
    {"File", 110, CellAlign::Left},
    {"Option", 70, CellAlign::Left},
    {"Directory", 70, CellAlign::Left},
    {"Comment", 90, CellAlign::Left},
    {"Type", 100, CellAlign::Left},
    {"Priority", 50, CellAlign::Right},
    {"HotKey", 70, CellAlign::Left},
    {"AllItemBoot", 30, CellAlign::Centre},
    {"TaskSwitch", 30, CellAlign::Centre},
    {"ExtensionBoot", 30, CellAlign::Centre},
}};

constexpr std::string_view kFlagMark = "○";

std::string_view flagCell(std::int32_t flag) {
    return flag == 1 ? kFlagMark : std::string_view{};
}

// The cells that are a field or a fixed word as they are; none for the others.
std::optional<std::string_view> textCell(const data::LauncherItem& item, std::size_t column) {
    switch (column) {
        case 0:
            return item.name();
        case 1:
            return item.app();
        case 2:
            return item.option();
        case 3:
            return item.dir();
        case 4:
            return item.comment();
        case 5:
            return data::itemTypeDisplayWord(item.type());
        case 8:
            return flagCell(item.boot());
        case 9:
            return flagCell(item.tsk());
        case 10:
            return flagCell(item.extension());
        default:
            return std::nullopt;
    }
}

// The priority cell in a buffer of the caller's, to sort without allocating.
std::string_view priorityCell(std::int32_t priority, std::array<char, 12>& buffer) {
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), priority).ptr;
    return {buffer.data(), static_cast<std::size_t>(end - buffer.data())};
}

}  // namespace

std::span<const CommandListColumn, kCommandListColumnCount> commandListColumns() {
    return kColumns;
}

std::string hotkeyCellText(std::int32_t first, std::int32_t second) {
    if (first == 0 || second == 0) {
        return {};
    }
    std::string text(data::modifierText(first).value_or(""));
    if (!data::isLoneKey(first)) {
        text += '+';
        text += data::keyText(second);
    }
    return text;
}

std::string commandListCell(const data::LauncherItem& item, std::size_t column) {
    if (const auto text = textCell(item, column)) {
        return std::string(*text);
    }
    if (column == kPriorityColumn) {
        std::array<char, 12> buffer{};
        return std::string(priorityCell(item.priority(), buffer));
    }
    if (column == 7) {
        return hotkeyCellText(item.hotKey1(), item.hotKey2());
    }
    return {};
}

int compareCommandListRows(const data::LauncherItem& a, const data::LauncherItem& b, std::size_t column,
                           bool descending) {
    if (column >= kSortableColumnCount) {
        return 0;
    }
    if (column == kPriorityColumn) {
        // The cell's number read back is the priority itself: comparing the numbers
        // spares writing and reading two cells for every comparison of a long sort.
        const std::int32_t left = a.priority();
        const std::int32_t right = b.priority();
        const int order = left < right ? -1 : left > right ? 1 : 0;
        return descending ? -order : order;
    }
    if (const auto left = textCell(a, column)) {
        return compareCellBytes(*left, *textCell(b, column), descending);
    }
    return compareCellBytes(commandListCell(a, column), commandListCell(b, column), descending);
}

void CommandListCounts::count(ItemType type) {
    ++commands_;
    switch (type) {
        case ItemType::AllItemRoot:
        case ItemType::DefaultRootNode:
        case ItemType::RootItem:
            ++roots_;
            break;
        case ItemType::NodeItem:
            ++nodes_;
            break;
        case ItemType::DataItem:
        case ItemType::CommandItem:
        case ItemType::DefaultCommand:
            ++items_;
            break;
    }
}

std::array<std::string, 4> CommandListCounts::texts() const {
    auto text = [](std::string_view stem, int count) {
        return std::string(stem) + std::to_string(count) + " ";
    };
    return {text("command:", commands_), text("root:", roots_), text("node:", nodes_), text("item:", items_)};
}

}  // namespace zek::dialogs
