#include "core/launch/run_route.h"

#include <gtest/gtest.h>

#include <set>

#include "core/data/item_store.h"

namespace zek::launch {
namespace {

using data::ItemFields;
using data::ItemType;
using data::LauncherItem;

RunDecision decide(ItemFields fields) {
    const LauncherItem item(std::move(fields));
    return decideRun(&item);
}

TEST(BuiltInCommands, EachBuiltInItemOfTheStoreNamesItsOwnCommandExactly) {
    const data::ItemStore store{data::RecordTable{}};
    std::set<BuiltInCommand> found;
    for (const auto& command : store.commandNode()->children()) {
        ASSERT_EQ(command->type(), ItemType::DefaultCommand);
        const auto named = builtInCommandByName(command->name());
        ASSERT_TRUE(named) << command->name();
        found.insert(*named);
    }
    EXPECT_EQ(found.size(), kBuiltInCommandNames.size());
    // Names match byte for byte.
    EXPECT_EQ(builtInCommandByName("allwndmin"), BuiltInCommand::MinimizeAllWindows);
    EXPECT_EQ(builtInCommandByName("nextwnd"), BuiltInCommand::ActivateNextWindow);
    EXPECT_EQ(builtInCommandByName("hotkeyoff"), BuiltInCommand::HotkeyOff);
    for (const char* other : {"NewItem", "list ", "lis", ""}) {
        EXPECT_FALSE(builtInCommandByName(other)) << other;
    }
}

TEST(RunDecision, ByTypeAndFields) {
    const auto route = [](std::string app, std::int32_t tsk) {
        return decide({.type = ItemType::DataItem, .name = "p", .app = std::move(app), .tsk = tsk}).route;
    };
    EXPECT_EQ(route(R"(D:\p.exe)", 0), RunRoute::LaunchDataItem);
    EXPECT_EQ(route(R"(D:\p.exe)", 1), RunRoute::ChooseAppWindow);
    EXPECT_EQ(route(R"(D:\p.exe)", 2), RunRoute::LaunchDataItem);  // only 1 switches
    EXPECT_EQ(route("", 1), RunRoute::Nothing);
    // Nodes open a menu unless they start everything.
    for (const ItemType type : {ItemType::DefaultRootNode, ItemType::RootItem, ItemType::NodeItem}) {
        EXPECT_EQ(decide({.type = type, .name = "n"}).route, RunRoute::ShowNodeMenu);
        EXPECT_EQ(decide({.type = type, .name = "n", .boot = 1}).route, RunRoute::RunSubtree);
        EXPECT_EQ(decide({.type = type, .name = "n", .boot = -1}).route, RunRoute::ShowNodeMenu);
    }
    EXPECT_EQ(decide({.type = ItemType::DefaultCommand, .name = "taskchange"}),
              (RunDecision{RunRoute::BuiltInCommand, BuiltInCommand::TaskChange}));
    EXPECT_EQ(decide({.type = ItemType::DefaultCommand, .name = "unknown"}).route, RunRoute::Nothing);
    // A user's item named like a built-in command is no built-in command.
    EXPECT_EQ(decide({.type = ItemType::CommandItem, .name = "nextwnd"}).route, RunRoute::Nothing);
    EXPECT_EQ(decide({.type = ItemType::AllItemRoot, .name = "All Item List"}).route, RunRoute::Nothing);
    EXPECT_EQ(decide({.type = static_cast<ItemType>(42), .name = "x", .app = "x.exe"}).route,
              RunRoute::Nothing);
    EXPECT_EQ(decideRun(nullptr).route, RunRoute::Nothing);
}

}  // namespace
}  // namespace zek::launch
