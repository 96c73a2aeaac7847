#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "core/data/item_store.h"
#include "core/data/launcher_item.h"
#include "core/data/launcher_settings.h"
#include "core/launch/default_icon.h"
#include "core/launch/file_status.h"
#include "core/launch/item_hotkeys.h"
#include "core/launch/launch_requests.h"
#include "core/launch/run_route.h"
#include "core/launch/shell_launch.h"
#include "core/launch/shell_request.h"
#include "data/profile_double.h"

namespace zek::launch {
namespace {

using data::ItemFields;
using data::ItemType;
using data::LauncherItem;
using ::testing::ElementsAre;
using namespace std::string_view_literals;

constexpr FileStatus kFolder{.directory = true, .regularFile = false};
constexpr FileStatus kRegularFile{.directory = false, .regularFile = true};

// Paths that exist, with their status; every other path does not.
class FakeFiles final : public FileStatusQuery {
  public:
    std::map<std::string, FileStatus> entries;
    std::optional<FileStatus> statusOf(const std::string& path) const override {
        const auto found = entries.find(path);
        return found == entries.end() ? std::nullopt : std::optional<FileStatus>(found->second);
    }
};

// Records what it is asked to open and the failures it shows; refuses files listed
// in `refusedFiles`. `whileShowingFailure` stands for what the message loop of a
// failure's message box may do meanwhile.
class RecordingShell final : public Shell {
  public:
    std::set<std::string> refusedFiles;
    std::vector<ShellRequest> opened;  // every request the shell was asked to open
    std::vector<std::string> failures;
    std::function<void()> whileShowingFailure;
    bool open(const ShellRequest& request) override {
        opened.push_back(request);
        return !refusedFiles.contains(request.file);
    }
    void showFailure(std::string_view message) override {
        failures.emplace_back(message);
        if (whileShowingFailure) {
            whileShowingFailure();
        }
    }
};

// Only the value 1 of `extension` has the item use the own associations (file types).
constexpr std::int32_t kOwnAssoc = 1;

data::ItemFields dataItem(std::string app, std::string option = {}, std::string dir = {},
                          std::int32_t extension = 0) {
    return {.type = data::ItemType::DataItem,
            .name = "item",
            .app = std::move(app),
            .option = std::move(option),
            .dir = std::move(dir),
            .extension = extension};
}

RunDecision decide(ItemFields fields) {
    const LauncherItem item(std::move(fields));
    return decideRun(&item);
}

TEST(RunDecision, ByTypeAndFieldsWithEachBuiltInItemOfTheStoreNamingItsOwnCommand) {
    const data::ItemStore store{data::RecordTable{}};
    std::set<BuiltInCommand> found;
    for (const auto& command : store.commandNode()->children()) {
        ASSERT_EQ(command->type(), ItemType::DefaultCommand);
        const auto named = builtInCommandByName(command->name());
        ASSERT_TRUE(named) << command->name();
        found.insert(*named);
    }
    EXPECT_EQ(found.size(), kBuiltInCommandNames.size());
    // Names match byte for byte, whole.
    EXPECT_FALSE(builtInCommandByName("NewItem"));
    EXPECT_FALSE(builtInCommandByName("lis"));
    const auto route = [](std::string app, std::int32_t tsk) {
        return decide({.type = ItemType::DataItem, .name = "p", .app = std::move(app), .tsk = tsk}).route;
    };
    EXPECT_EQ(route(R"(D:\p.exe)", 0), RunRoute::LaunchDataItem);
    EXPECT_EQ(route(R"(D:\p.exe)", 1), RunRoute::ChooseAppWindow);
    EXPECT_EQ(route("", 1), RunRoute::Nothing);
    for (const ItemType type : {ItemType::DefaultRootNode, ItemType::RootItem, ItemType::NodeItem}) {
        EXPECT_EQ(decide({.type = type, .name = "n"}).route, RunRoute::ShowNodeMenu);
        EXPECT_EQ(decide({.type = type, .name = "n", .boot = 1}).route, RunRoute::RunSubtree);
    }
    EXPECT_EQ(decide({.type = ItemType::DefaultCommand, .name = "taskchange"}),
              (RunDecision{RunRoute::BuiltInCommand, BuiltInCommand::TaskChange}));
    EXPECT_EQ(decide({.type = ItemType::DefaultCommand, .name = "unknown"}).route, RunRoute::Nothing);
    // A user's item named like a built-in command is no built-in command.
    EXPECT_EQ(decide({.type = ItemType::CommandItem, .name = "nextwnd"}).route, RunRoute::Nothing);
    EXPECT_EQ(decideRun(nullptr).route, RunRoute::Nothing);
}

constexpr bool kFiler = true;
constexpr bool kNoFiler = false;
const std::string kFilerApp = R"(C:\tools\filer.exe)";

// One desktop for every case: "ソ" ends in the byte of a backslash, so a byte-wise
// reading of its path would split it in the wrong place. The settings have no file
// behind them.
class LaunchTest : public ::testing::Test {
  protected:
    LaunchTest() {
        files.entries = {{R"(D:\work)", kFolder},
                         {R"(D:\notes.txt)", kFolder},  // a folder whose name has an extension
                         {R"(D:\a\b.txt)", kRegularFile},
                         {R"(D:\odd)", FileStatus{.directory = true, .regularFile = true}},  // no folder
                         {R"(D:\docs)", kFolder},
                         {R"(D:\docs\a.txt)", kRegularFile},
                         {R"(D:\docs\ソ.pdf)", kRegularFile},
                         {R"(D:\tools\x.exe)", kRegularFile},
                         {R"(\\.\device)", FileStatus{}}};  // neither a folder nor a regular file
        EXPECT_TRUE(settings.addAssociation("txt", R"(D:\ed.exe)", "-r "));
    }

    void useFiler(bool on) { ASSERT_TRUE(settings.setFiler(on ? kFilerApp : "", on ? "/e," : "")); }
    LaunchContext context() { return {settings, files, shell}; }
    zek::test::ProfileDouble profile;
    data::LauncherSettings settings{profile, ""};
    FakeFiles files;
    RecordingShell shell;
};

// A case of the requests decided from an item alone.
struct ItemCase {
    bool filer;
    ItemFields item;
    std::optional<ShellRequest> expected;
};

TEST_F(LaunchTest, DataItemGoesToTheFilerTheOwnAssociationOrTheShell) {
    const ItemCase cases[] = {
        {kFiler, dataItem(R"(D:\work)", "/s", R"(D:\start)", kOwnAssoc),
         ShellRequest{kFilerApp, R"(/e,/s "D:\work")", R"(D:\start)"}},
        {kNoFiler, dataItem(R"(D:\work)", "/s", "", kOwnAssoc), ShellRequest{R"(D:\work)", "/s", ""}},
        // The association's option, then the item's, then the quoted path; a filer
        // is only for folders.
        {kFiler, dataItem(R"(D:\a\b.txt)", "/x", R"(D:\a)", kOwnAssoc),
         ShellRequest{R"(D:\ed.exe)", R"(-r /x "D:\a\b.txt")", R"(D:\a)"}},
        // Without the own associations (any other value) neither filer nor association is asked:
        // straight to the shell, even for a folder with an extension.
        {kFiler, dataItem(R"(D:\notes.txt)", "/p", R"(D:\x)", kOwnAssoc + 1),
         ShellRequest{R"(D:\notes.txt)", "/p", R"(D:\x)"}},
        // The filer needs an existing folder; a failed status query only rules it out.
        {kFiler, dataItem(R"(D:\gone)", "", "", kOwnAssoc), ShellRequest{R"(D:\gone)", "", ""}},
        {kFiler, dataItem(R"(D:\odd)", "", "", kOwnAssoc), ShellRequest{R"(D:\odd)", "", ""}},
        // Only data items with a program are started.
        {kFiler, dataItem(""), std::nullopt},
        {kFiler, ItemFields{.type = ItemType::NodeItem, .name = "n", .app = R"(D:\prog.exe)"}, std::nullopt},
    };
    for (const auto& [filer, item, expected] : cases) {
        SCOPED_TRACE(item.app + (filer ? " with filer" : ""));
        useFiler(filer);
        EXPECT_EQ(requestForDataItem(LauncherItem(item), settings, files), expected);
    }
}

// The folder of a folder item is itself, that of a file item its containing folder,
// which keeps its trailing backslash inside the filer's quotes.
TEST_F(LaunchTest, ItemFolderOpensInTheFilerOrTheShell) {
    const ItemCase cases[] = {
        {kNoFiler, dataItem(R"(D:\work)", "/s", R"(D:\start)"), ShellRequest{R"(D:\work)", "", R"(D:\work)"}},
        {kFiler, dataItem(R"(D:\work)", "/s", R"(D:\start)"),
         ShellRequest{kFilerApp, R"(/e,/s "D:\work")", R"(D:\start)"}},
        {kNoFiler, dataItem(R"(D:\tools\x.exe)", "/s"), ShellRequest{R"(D:\tools\)", "", R"(D:\tools\)"}},
        {kFiler, dataItem(R"(D:\tools\x.exe)", "/s", R"(D:\start)"),
         ShellRequest{kFilerApp, R"(/e,/s "D:\tools\")", R"(D:\tools\)"}},
        {kFiler, dataItem(R"(D:\tools\gone.exe)"), std::nullopt},
        {kFiler, dataItem(R"(\\.\device)"), std::nullopt},
        {kFiler, ItemFields{.type = ItemType::RootItem, .name = "n", .app = R"(D:\tools\x.exe)"},
         std::nullopt},
    };
    for (const auto& [filer, item, expected] : cases) {
        SCOPED_TRACE(item.app + (filer ? " with filer" : ""));
        useFiler(filer);
        const LauncherItem launcherItem(item);
        EXPECT_EQ(requestForItemFolder(&launcherItem, settings, files), expected);
    }
    EXPECT_FALSE(requestForItemFolder(nullptr, settings, files));
}

// "を実行することができません　" in code page 932, written out so that a wrong
// execution character set shows.
const std::string kFailureTail =
    "\x82\xF0\x8E\xC0\x8D\x73\x82\xB7\x82\xE9\x82\xB1\x82\xC6\x82\xAA\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1"
    "\x81\x40";

// A failed start shows what was tried; a quiet refusal sends and shows nothing. An
// overlong text is refused rather than cut: a cut path would start something else.
// The message is bounded too: "表" straddles the limit and goes whole; the folder is
// not named.
TEST_F(LaunchTest, StartsSendTheDecidedRequestAndOnlyAFailedOrOverlongOneShowsWhatWasTried) {
    useFiler(true);
    shell.refusedFiles.insert(R"(D:\nothing.exe)");
    EXPECT_FALSE(launchDataItem(LauncherItem(dataItem(R"(D:\nothing.exe)")), context()));
    EXPECT_TRUE(launchDataItem(LauncherItem(dataItem(R"(D:\here.exe)", "/a", R"(D:\)")), context()));
    EXPECT_TRUE(openFile(nullptr, R"(D:\docs)", context()));
    const LauncherItem folderItem(dataItem(R"(D:\docs)"));
    EXPECT_TRUE(openItemFolder(&folderItem, context()));
    const LauncherItem shortcut(dataItem(R"(D:\tools\view.lnk)"));
    EXPECT_FALSE(openFile(&shortcut, R"(D:\a.txt)", context()));
    EXPECT_THAT(shell.opened, ElementsAre(ShellRequest{R"(D:\nothing.exe)", "", ""},
                                          ShellRequest{R"(D:\here.exe)", "/a", R"(D:\)"},
                                          ShellRequest{kFilerApp, R"(/e,"D:\docs")", ""},
                                          ShellRequest{kFilerApp, R"(/e,"D:\docs")", ""}));
    EXPECT_THAT(shell.failures, ElementsAre(R"(D:\nothing.exe )" + kFailureTail));
    const std::string fits(511, 'x'), overlong(512, 'x');
    EXPECT_TRUE(sendRequest({fits, fits, fits}, shell));
    EXPECT_FALSE(sendRequest({overlong, "", ""}, shell));
    EXPECT_FALSE(sendRequest({"a.exe", overlong, ""}, shell));
    EXPECT_FALSE(sendRequest({"a.exe", "", overlong}, shell));
    EXPECT_EQ(shell.opened.size(), 5u);
    EXPECT_EQ(shell.failures.size(), 4u);
    const std::string longText = std::string(510, 'a') + "表";
    EXPECT_EQ(launchFailureMessage({longText, longText, R"(D:\)"}),
              std::string(510, 'a') + " " + std::string(510, 'a') + kFailureTail);
}

// A node that starts everything: depth first, in child order (names ignoring case).
TEST_F(LaunchTest, RunSubtreeStartsDataItemsDepthFirstAndGoesOnAfterAFailure) {
    data::ItemStore store{data::RecordTable{}};
    const auto add = [&](LauncherItem* parent, ItemFields fields) {
        return store.addChild(parent, store.createItem(std::move(fields)));
    };
    constexpr ItemType kData = ItemType::DataItem, kNode = ItemType::NodeItem;
    EXPECT_FALSE(runSubtree(nullptr, context()));
    LauncherItem* boot = add(store.root(), {.type = ItemType::RootItem, .name = "boot", .boot = 1});
    add(boot, {.type = kData, .name = "1 x", .app = R"(D:\x.exe)"});
    LauncherItem* sub = add(boot, {.type = kNode, .name = "2 sub"});  // not boot itself: still walked
    add(sub, {.type = kData, .name = "a z", .app = R"(D:\z.exe)"});
    add(add(sub, {.type = kNode, .name = "b deeper"}), {.type = kData, .name = "w", .app = R"(D:\w.exe)"});
    // No window chooser here: started directly. A data item with children starts after them.
    LauncherItem* switching = add(boot, {.type = kData, .name = "3 y", .app = R"(D:\y.exe)", .tsk = 1});
    add(switching, {.type = kData, .name = "c", .app = R"(D:\c.exe)"});
    shell.refusedFiles.insert(R"(D:\z.exe)");
    EXPECT_TRUE(runSubtree(boot, context()));
    std::vector<std::string> started;
    for (const ShellRequest& request : shell.opened) {
        started.push_back(request.file);
    }
    EXPECT_THAT(started,
                ElementsAre(R"(D:\x.exe)", R"(D:\z.exe)", R"(D:\w.exe)", R"(D:\c.exe)", R"(D:\y.exe)"));
    EXPECT_THAT(shell.failures, ElementsAre(R"(D:\z.exe )" + kFailureTail));
    // The node goes while the failure is shown: the rest still starts as decided.
    shell.whileShowingFailure = [&] { store.removeItem(boot); };
    EXPECT_TRUE(runSubtree(boot, context()));
    EXPECT_EQ(shell.opened.size(), 2 * started.size());
}

TEST(DefaultIcon, SourceByTheLastExtensionIgnoringCaseKeyOfAClassAndRegisteredLocation) {
    EXPECT_EQ(iconSourceOf("D:\\tools\\app.EXE"), IconSource::FileResource);
    EXPECT_EQ(iconSourceOf("C:\\icons\\node.Ico"), IconSource::FileResource);
    EXPECT_EQ(iconSourceOf("C:\\Users\\me\\Desktop\\App.LnK"), IconSource::Shortcut);
    EXPECT_EQ(iconSourceOf("C:\\memo\\setup.exe.txt"), IconSource::RegisteredType);
    EXPECT_EQ(iconSourceOf(""), IconSource::None);
    EXPECT_EQ(defaultIconKeyOf(""), std::nullopt);
    const std::string longest(kIconTextCapacity - 1 - "\\DefaultIcon"sv.size(), 'c');
    EXPECT_EQ(defaultIconKeyOf(longest), longest + "\\DefaultIcon");
    EXPECT_EQ(defaultIconKeyOf(longest + "c"), std::nullopt);

    // A location splits at the last comma and its index reads like atoi.
    const std::string longestFile(kIconTextCapacity - 1, 'f');
    const struct {
        std::string value;
        std::optional<IconLocation> expected;
    } cases[] = {
        {"C:\\a,b\\shell.dll,3", IconLocation{"C:\\a,b\\shell.dll", 3}},
        // 0x2C after a lead byte is no trail byte.
        {"C:\\x\x95,1", IconLocation{"C:\\x\x95", 1}},
        // The text ends at an embedded terminator.
        {std::string("x.dll,1\0,9", 10), IconLocation{"x.dll", 1}},
        // Locations the program cannot use.
        {"C:\\Windows\\notepad.exe", std::nullopt},
        {"\"C:\\Program Files\\x.exe\",0", std::nullopt},
        {"%SystemRoot%\\System32\\imageres.dll,-102", std::nullopt},
        // Hostile values: no file, or a location within the path buffer.
        {",5", std::nullopt},
        {longestFile + ",1", IconLocation{longestFile, 1}},
        {longestFile + "f,1", std::nullopt},
        // A negative index beyond the 16-bit resource ids is refused.
        {"x.dll,-65535", IconLocation{"x.dll", -65535}},
        {"x.dll,-65536", std::nullopt},
    };
    for (const auto& [value, expected] : cases) {
        EXPECT_EQ(parseDefaultIconLocation(value), expected) << value.substr(0, 60);
    }
}

// Which pairs register as which keys is the global hotkeys' rule, tested there.
TEST(ItemHotkeys, PairsRegisterWithTheirIdsAndConflictMessagesNameTheItemAndItsKeys) {
    const auto itemWithKeys = [](std::string name, std::int32_t first, std::int32_t second) {
        return LauncherItem({.type = ItemType::DataItem, .name = name, .hotKey1 = first, .hotKey2 = second});
    };
    const auto registration = itemHotkeyRegistration(itemWithKeys("k", 2, 0x4E));
    ASSERT_TRUE(registration);
    EXPECT_EQ(std::tuple(registration->id, registration->keys.modifiers, registration->keys.virtualKey),
              std::tuple(146, 2u, 0x4Eu));
    EXPECT_FALSE(itemHotkeyRegistration(itemWithKeys("k", 2, 0)));
    const std::string tail = "のホットキーはすでに使用されています。";
    EXPECT_EQ(hotkeyConflictMessage(itemWithKeys("メモ帳", 2, 0x4E)), "[ メモ帳 ]  Ctrl + N" + tail);
    EXPECT_EQ(hotkeyConflictMessage(itemWithKeys("tool", 112, 1)), "[ tool ]  F1キーのみ " + tail);
    // Codes no table knows print as nothing; an overlong name is cut to fit the buffer.
    EXPECT_EQ(hotkeyConflictMessage(itemWithKeys("odd", 19, 7)), "[ odd ]   + " + tail);
    const std::string cut = hotkeyConflictMessage(itemWithKeys(std::string(600, 'n'), 2, 0x4E));
    EXPECT_EQ(cut.size(), 511u);
    EXPECT_TRUE(cut.ends_with(" + N" + tail));
}

}  // namespace
}  // namespace zek::launch
