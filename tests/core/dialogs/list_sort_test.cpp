#include "core/dialogs/list_sort.h"

#include <gtest/gtest.h>

namespace zek::dialogs {
namespace {

TEST(ListSort, ClicksTurnTheSortedColumnAndEachColumnKeepsItsDirection) {
    ListSortState state(3);
    const auto captions = [&] {
        return state.caption(0, "Extension", 3) + "|" + state.caption(1, "Application path", 3) + "|" +
               state.caption(2, "Option", 3);
    };
    EXPECT_EQ(captions(), "▲ Extension|Application path|Option");
    state.click(1);
    EXPECT_EQ(captions(), "Extension|▲ Application path|Option");
    state.click(1);
    EXPECT_EQ(captions(), "Extension|▼ Application path|Option");
    EXPECT_TRUE(state.descending());
    state.click(2);
    state.click(2);
    state.click(1);  // back to its remembered direction
    EXPECT_EQ(captions(), "Extension|▼ Application path|Option");
    state.click(3);  // no such column: nothing changes
    EXPECT_EQ(state.column(), 1u);
    // Columns past the marked ones sort but never show a marker.
    state.click(2);
    EXPECT_EQ(state.caption(2, "TaskSwitch", 2), "TaskSwitch");
}

TEST(ListSort, CellsCompareAsUnsignedBytesOrAsLeadingNumbers) {
    struct Case {
        const char* a;
        const char* b;
        int bytes;
        int numbers;
    };
    const Case cases[] = {
        {"10", "9", -1, 1},      {"9", "9", 0, 0},      {"TXT", "txt", -1, 0},  // capitals first, no folding
        {"ab", "a", 1, 0},                                                      // a prefix first
        {"\x82\xa0", "z", 1, 0},  // a Shift-JIS lead byte after ASCII
        {"-3", "2", -1, -1},     {"12abc", "12", 1, 0}, {"12", "12abc", -1, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(compareCellBytes(c.a, c.b, false), c.bytes) << c.a << " " << c.b;
        EXPECT_EQ(compareCellBytes(c.a, c.b, true), -c.bytes) << c.a << " " << c.b;
        EXPECT_EQ(compareCellNumbers(c.a, c.b, false), c.numbers) << c.a << " " << c.b;
        EXPECT_EQ(compareCellNumbers(c.a, c.b, true), -c.numbers) << c.a << " " << c.b;
    }
}

}  // namespace
}  // namespace zek::dialogs
