// The command list, opened and driven as a user does: read, sorted by header
// clicks, an item edited by a right-click and run by a double-click.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/dialogs/command_list.h"
#include "driver/data_file_text.h"
#include "driver/files.h"
#include "driver/launcher_scenario.h"
#include "driver/list_view.h"
#include "driver/screen.h"
#include "driver/window_query.h"
#include "resource.h"

namespace zek::e2e {
namespace {

constexpr int kPriorityColumn = 6;
constexpr int kTaskSwitchColumn = 9;

const std::string kToolsFile = dataFileText({
    {.name = "command", .type = 1, .level = 1},
    {.name = "tools", .type = 2, .level = 1},
    {.name = "9", .level = 2, .app = "C:\\nine.exe", .tsk = 1, .priority = 9},
    {.name = "10", .level = 2, .app = "C:\\ten.exe", .priority = 10},
    {.name = "editor", .level = 2, .app = "C:\\windows\\notepad.exe", .hotKey1 = 0x72, .hotKey2 = 1},
    {.name = "Ａlpha", .level = 2, .app = "C:\\alpha.exe"},
});

class CommandList : public LauncherScenario {
  protected:
    void SetUp() override {
        LauncherScenario::SetUp();
        ASSERT_TRUE(writeFileBytes(dataFilePath(), kToolsFile));
        ASSERT_NE(startFirstInstance(), nullptr);
    }
};

TEST_F(CommandList, ListShowsCountsAndCellsAndHeaderClicksSortAndMarkTheColumn) {
    enterInBar(bar_, "list");
    HWND dialog = shownDialog("コマンドリスト");
    ASSERT_NE(dialog, nullptr) << "\"list\" opened no command list";
    HWND list = ::GetDlgItem(dialog, IDC_COMMAND_LIST);
    ASSERT_EQ(listViewRowCount(list), 14) << "tools, its four items, the built-in node and its eight";
    std::string counters;
    for (int id = IDC_COMMAND_COUNT; id <= IDC_ITEM_COUNT; ++id) {
        counters += windowText(::GetDlgItem(dialog, id)) + "|";
    }
    EXPECT_EQ(counters, "command:14 |root:2 |node:0 |item:12 |");
    // Laid out at the screen's pixels: the list 10 pixels in at 96 DPI, OK 90 wide, the columns scaled.
    const display::DpiScale scale = screenScale();
    POINT origin{0, 0};
    ::ClientToScreen(dialog, &origin);
    const RECT listRect = windowRect(list);
    const RECT ok = windowRect(::GetDlgItem(dialog, IDC_OK));
    EXPECT_EQ(std::tuple(listRect.left - origin.x, listRect.top - origin.y, ok.right - ok.left),
              std::tuple(scale.px(10), scale.px(10), scale.px(90)));
    EXPECT_EQ(::SendMessageA(list, LVM_GETCOLUMNWIDTH, 1, 0),
              scale.px(dialogs::commandListColumns()[1].width));

    // How cells compare is the core's; here the header shows which column sorts, and which way.
    EXPECT_EQ(listViewCaption(list, 0), "▲ Command");
    clickListViewHeader(list, kPriorityColumn);
    EXPECT_EQ(listViewCaption(list, 0) + "|" + listViewCaption(list, kPriorityColumn), "Command|▲ Priority");
    EXPECT_EQ(listViewColumn(list, kPriorityColumn).back(), "10") << "the rows were not sorted again";
    clickListViewHeader(list, kPriorityColumn);
    EXPECT_EQ(listViewCaption(list, kPriorityColumn), "▼ Priority");
    clickListViewHeader(list, kTaskSwitchColumn);
    EXPECT_EQ(listViewCaption(list, kPriorityColumn) + "|" + listViewCaption(list, kTaskSwitchColumn),
              "Priority|TaskSwitch")
        << "the flag columns have no marker";

    ::SendDlgItemMessageA(dialog, IDC_OK, BM_CLICK, 0, 0);
    EXPECT_TRUE(waitUntil([&] { return ::IsWindow(dialog) == FALSE; }));
}

TEST_F(CommandList, RightClickEditsTheItemAndTheFileHoldsItAtOnceAndADoubleClickRunsIt) {
    probeInSpacedFolder();
    ::PostMessageA(bar_, WM_COMMAND, IDM_COMMAND_LIST, 0);  // the tray menu's command
    HWND dialog = shownDialog("コマンドリスト");
    ASSERT_NE(dialog, nullptr);
    HWND list = ::GetDlgItem(dialog, IDC_COMMAND_LIST);
    const std::vector<std::string> names = listViewColumn(list, 0);
    const int row = static_cast<int>(std::find(names.begin(), names.end(), "editor") - names.begin());
    ASSERT_LT(row, static_cast<int>(names.size()));

    clickListViewRow(list, row, true);
    HWND form = shownDialog("ランチャー登録");
    ASSERT_NE(form, nullptr) << "a right-click on a data item opens its form";
    setDialogItemText(form, IDC_NAME, "memo");
    setDialogItemText(form, IDC_COMMENT, "メモ帳");
    setDialogItemText(form, IDC_APP, probe_);
    pressDialogButton(form, IDC_OK);
    ASSERT_TRUE(waitUntil([&] { return ::IsWindow(form) == FALSE; })) << "the form refused its OK";

    // The save follows the form's closing within the same click.
    EXPECT_TRUE(waitUntil([&] {
        const std::string saved = readFileBytes(dataFilePath()).value_or("");
        return saved.find(":ItemName=memo\r\n") != std::string::npos &&
               saved.find(":ItemComment=メモ帳\r\n") != std::string::npos;
    })) << "saved while the list is still open";
    EXPECT_EQ(listViewCell(list, row, 0) + "|" + listViewCell(list, row, 4), "memo|メモ帳")
        << "the edited row is rewritten";

    clickListViewRow(list, row, false);
    clickListViewRow(list, row, false);
    const auto starts = probeStarts(1);
    ASSERT_EQ(starts.size(), 1u) << "a double-click runs the row's item";
    EXPECT_TRUE(starts[0].commandLine.starts_with(inQuotes(probe_))) << starts[0].commandLine;
    ::SendDlgItemMessageA(dialog, IDC_OK, BM_CLICK, 0, 0);
    EXPECT_TRUE(waitUntil([&] { return ::IsWindow(dialog) == FALSE; }));
}

}  // namespace
}  // namespace zek::e2e
