#pragma once
// What the command list shows of the items: the eleven cells of a row, the four
// counters under the list, and the order of two rows for a sorted column.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/data/launcher_item.h"

namespace zek::dialogs {

enum class CellAlign { Left, Right, Centre };

struct CommandListColumn {
    std::string_view caption;
    int width;  // pixels
    CellAlign align;
};

inline constexpr std::size_t kCommandListColumnCount = 11;
inline constexpr std::size_t kPriorityColumn = 6;
// Columns from here on (the three flags) have no order and no sort marker.
inline constexpr std::size_t kSortableColumnCount = 8;

std::span<const CommandListColumn, kCommandListColumnCount> commandListColumns();

// The text of one cell of the item's row; "" for a column past the last.
std::string commandListCell(const data::LauncherItem& item, std::size_t column);
// The "HotKey" cell: "" unless both codes are set; "modifier+key" for a modifier
// combination, the lone key's own text otherwise.
std::string hotkeyCellText(std::int32_t first, std::int32_t second);

// -1, 0 or +1: the order of two rows when the list is sorted by `column`.
int compareCommandListRows(const data::LauncherItem& a, const data::LauncherItem& b, std::size_t column,
                           bool descending);

// The counters under the list: every row is a command, and each is also one of
// root, node or item by its type.
class CommandListCounts {
  public:
    void count(data::ItemType type);
    // "command:%d ", "root:%d ", "node:%d ", "item:%d ", each with its trailing space.
    std::array<std::string, 4> texts() const;

  private:
    int commands_ = 0;
    int roots_ = 0;
    int nodes_ = 0;
    int items_ = 0;
};

}  // namespace zek::dialogs
