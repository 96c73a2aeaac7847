#pragma once
// How the program's sortable lists (the command list, the association list) order
// their rows and caption their columns: a header click sorts by that column, a
// second click on the same column turns its direction, and every column remembers
// its own direction while the dialog is open.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zek::dialogs {

class ListSortState {
  public:
    explicit ListSortState(std::size_t columns) : descending_(columns, false) {}

    // A click on a column header.
    void click(std::size_t column);
    std::size_t column() const { return column_; }
    bool descending() const { return descending_[column_]; }

    // The caption a column shows: the sorted one behind "▲ " (ascending) or "▼ "
    // (descending); every column past `markedColumns` keeps its plain caption.
    std::string caption(std::size_t column, std::string_view plain, std::size_t markedColumns) const;

  private:
    std::size_t column_ = 0;
    std::vector<bool> descending_;
};

// Cell texts compared as unsigned bytes up to the first difference, no locale and
// no case folding: -1, 0 or +1, the sign turned for a descending column.
int compareCellBytes(std::string_view a, std::string_view b, bool descending);
// Cell texts compared by their leading decimal numbers, as atoi reads them.
int compareCellNumbers(std::string_view a, std::string_view b, bool descending);

}  // namespace zek::dialogs
