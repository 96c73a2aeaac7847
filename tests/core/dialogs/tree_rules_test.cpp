#include "core/dialogs/tree_rules.h"

#include <gtest/gtest.h>

namespace zek::dialogs {
namespace {

using data::ItemType;

TEST(TreeRulesTest, EachKindOfRowOffersWhatItAllows) {
    struct Row {
        ItemType type;
        bool menu, add, edit, remove;
        EditForm form;
    };
    const Row rows[] = {
        {ItemType::DefaultRootNode, true, true, false, false, EditForm::None},
        {ItemType::RootItem, true, true, true, true, EditForm::RootNode},
        {ItemType::NodeItem, true, true, true, true, EditForm::Item},
        {ItemType::DataItem, true, false, true, true, EditForm::Item},
        {ItemType::CommandItem, false, false, false, false, EditForm::None},
        {ItemType::DefaultCommand, false, false, false, false, EditForm::None},
        {static_cast<ItemType>(9), false, false, false, false, EditForm::None},
    };
    for (const Row& row : rows) {
        const auto states = contextMenuStates(row.type);
        ASSERT_EQ(states.has_value(), row.menu) << static_cast<int>(row.type);
        if (states) {
            EXPECT_EQ(states->add, row.add);
            EXPECT_EQ(states->edit, row.edit);
            EXPECT_EQ(states->remove, row.remove);
        }
        EXPECT_EQ(canDelete(row.type), row.remove);
        EXPECT_EQ(takesChildren(row.type), row.add);
        EXPECT_EQ(editFormFor(row.type), row.form);
    }
}

TEST(TreeRulesTest, DropsLandOnANodeOrBesideALeaf) {
    const struct {
        ItemType target;
        std::optional<ItemType> parent;
        DropParent lands;
    } cases[] = {
        {ItemType::NodeItem, ItemType::RootItem, DropParent::Target},
        {ItemType::DefaultRootNode, std::nullopt, DropParent::Target},
        {ItemType::DataItem, ItemType::NodeItem, DropParent::TargetsParent},
        {ItemType::DefaultCommand, ItemType::DefaultRootNode, DropParent::TargetsParent},
        {ItemType::CommandItem, ItemType::RootItem, DropParent::TargetsParent},
        {ItemType::DataItem, ItemType::DataItem, DropParent::None},  // a hand-edited file's child of an item
        {ItemType::DataItem, std::nullopt, DropParent::None},        // a data item at the top level
        {ItemType::AllItemRoot, std::nullopt, DropParent::None},
    };
    for (const auto& each : cases) {
        EXPECT_EQ(dropParentFor(each.target, each.parent), each.lands) << static_cast<int>(each.target);
    }
}

}  // namespace
}  // namespace zek::dialogs
