#include "core/dialogs/list_sort.h"

#include <algorithm>

#include "core/text/decimal.h"

namespace zek::dialogs {

void ListSortState::click(std::size_t column) {
    if (column >= descending_.size()) {
        return;
    }
    if (column == column_) {
        descending_[column] = !descending_[column];
    }
    column_ = column;
}

std::string ListSortState::caption(std::size_t column, std::string_view plain,
                                   std::size_t markedColumns) const {
    if (column != column_ || column >= markedColumns) {
        return std::string(plain);
    }
    return (descending_[column] ? "▼ " : "▲ ") + std::string(plain);
}

namespace {

int withDirection(int order, bool descending) {
    return descending ? -order : order;
}

}  // namespace

int compareCellBytes(std::string_view a, std::string_view b, bool descending) {
    const auto [left, right] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    int order = 0;
    if (left != a.end() && right != b.end()) {
        order = static_cast<unsigned char>(*left) < static_cast<unsigned char>(*right) ? -1 : 1;
    } else if (left != a.end()) {
        order = 1;  // b ended first
    } else if (right != b.end()) {
        order = -1;
    }
    return withDirection(order, descending);
}

int compareCellNumbers(std::string_view a, std::string_view b, bool descending) {
    const auto left = text::parseLeadingInt(a);
    const auto right = text::parseLeadingInt(b);
    return withDirection(left < right ? -1 : left > right ? 1 : 0, descending);
}

}  // namespace zek::dialogs
