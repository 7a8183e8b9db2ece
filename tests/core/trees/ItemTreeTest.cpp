#include <gtest/gtest.h>

#include "TreeBytes.h"
#include "trees/ItemTree.h"
#include "trees/ItemTreeSet.h"
#include "trees/RecordFields.h"
#include "trees/TreeError.h"
#include "trees/TreeTable.h"

namespace torvalet {
namespace {

using testing::addGoal;
using testing::shape;

// A[A1 A2] B C
class GoalTreeFixture : public ::testing::Test {
protected:
    ItemTree tree{TreeId::DayGoalTree};
    TreeNode* a = addGoal(tree, nullptr, "A");
    TreeNode* a1 = addGoal(tree, a, "A1");
    TreeNode* a2 = addGoal(tree, a, "A2");
    TreeNode* b = addGoal(tree, nullptr, "B");
    TreeNode* c = addGoal(tree, nullptr, "C");
};

TEST(ItemTree, NewNodeHasDefaultValuesAndEmptyRecord) {
    ItemTree tree(TreeId::ContactsTree);
    TreeNode* node = tree.appendChild();
    EXPECT_EQ(node->height(), 20);
    EXPECT_EQ(node->flags(), NodeFlag::Visible);
    EXPECT_EQ(node->alignment(), 50);
    EXPECT_EQ(node->checkState(), 0);
    EXPECT_EQ(node->checkType(), 0);
    EXPECT_EQ(node->record<ContactRecord>(), ContactRecord{});
    EXPECT_EQ(node->findRecord<GoalRecord>(), nullptr);
    EXPECT_THROW(node->record<GoalRecord>(), std::logic_error);
}

TEST_F(GoalTreeFixture, InsertsAtEveryPlace) {
    const struct {
        NodePlace place;
        bool relativeToA1;
        const char* expected;
    } cases[] = {
        {NodePlace::Before, true, "A[N A1 A2] B C"},      {NodePlace::After, true, "A[A1 N A2] B C"},
        {NodePlace::FirstChild, true, "A[A1[N] A2] B C"}, {NodePlace::LastChild, true, "A[A1[N] A2] B C"},
        {NodePlace::Before, false, "N A[A1 A2] B C"},     {NodePlace::After, false, "A[A1 A2] B C N"},
        {NodePlace::FirstChild, false, "N A[A1 A2] B C"}, {NodePlace::LastChild, false, "A[A1 A2] B C N"},
    };
    for (const auto& row : cases) {
        TreeNode* node = tree.insertNode(row.relativeToA1 ? a1 : nullptr, row.place);
        node->record<GoalRecord>().text = "N";
        EXPECT_EQ(shape(tree), row.expected) << static_cast<int>(row.place) << row.relativeToA1;
        tree.deleteNode(node);
    }
    EXPECT_EQ(tree.nodeCount(), 5u);
}

TEST_F(GoalTreeFixture, MovesKeepSubtreeRecordAndSelection) {
    tree.select(a);
    tree.setFocused(a1);
    tree.moveNode(a, c, NodePlace::After);
    EXPECT_EQ(shape(tree), "B C A[A1 A2]");
    EXPECT_TRUE(a->isSelected());
    EXPECT_EQ(tree.focused(), a1);
    EXPECT_TRUE(c->hasFlag(NodeFlag::Visible));

    tree.moveNode(b, a2, NodePlace::LastChild);
    EXPECT_EQ(shape(tree), "C A[A1 A2[B]]");
    EXPECT_TRUE(a2->hasFlag(NodeFlag::HasChildren));
    tree.moveNode(b, nullptr, NodePlace::After);  // no target: the first top-level item
    EXPECT_EQ(shape(tree), "B C A[A1 A2]");
    EXPECT_FALSE(a2->hasFlag(NodeFlag::HasChildren));
    tree.moveNode(b, tree.root(), NodePlace::After);  // the root: before first, after last
    EXPECT_EQ(shape(tree), "C A[A1 A2] B");
    tree.moveNode(b, tree.root(), NodePlace::Before);
    EXPECT_EQ(shape(tree), "B C A[A1 A2]");
    tree.moveNode(b, b, NodePlace::After);
    tree.moveNode(tree.root(), c, NodePlace::After);
    EXPECT_EQ(shape(tree), "B C A[A1 A2]");
}

TEST_F(GoalTreeFixture, MoveIntoOwnSubtreeFailsAndChangesNothing) {
    for (TreeNode* target : {a1, a}) {
        try {
            tree.moveNode(a, target, NodePlace::LastChild);
            FAIL() << "moved into its own subtree";
        } catch (const TreeError& error) {
            EXPECT_EQ(error.code(), 2001);
            EXPECT_STREQ(error.what(), "Target node cannot be a child node of the node to be moved.");
        }
    }
    EXPECT_EQ(shape(tree), "A[A1 A2] B C");
}

TEST_F(GoalTreeFixture, DeletingASubtreeDropsItsSelectionAndFocus) {
    tree.select(a1);
    tree.select(c);
    tree.setFocused(a2);
    tree.deleteNode(a);
    EXPECT_EQ(shape(tree), "B C");
    EXPECT_EQ(tree.nodeCount(), 2u);
    EXPECT_EQ(tree.focused(), nullptr);
    ASSERT_EQ(tree.selectionCount(), 1u);
    EXPECT_EQ(tree.firstSelected(), c);

    tree.deleteNode(tree.root());
    EXPECT_TRUE(tree.empty());
    EXPECT_EQ(tree.selectionCount(), 0u);
    EXPECT_EQ(tree.firstTopLevel(), nullptr);
}

TEST_F(GoalTreeFixture, SelectionInTreeOrderFollowsMoves) {
    tree.select(c);
    tree.select(a2);
    tree.select(a);
    tree.select(b);
    EXPECT_EQ(tree.firstSelected(), a);
    EXPECT_EQ(tree.selectedInTreeOrder(), (std::vector<TreeNode*>{a, a2, b, c}));
    EXPECT_EQ(tree.sortedSelection(), (std::vector<TreeNode*>{a, b, c}));  // A2 travels with A

    tree.moveNode(c, nullptr, NodePlace::FirstChild);
    EXPECT_EQ(tree.firstSelected(), c);
    EXPECT_EQ(tree.sortedSelection(), (std::vector<TreeNode*>{c, a, b}));
    tree.deselect(a);
    EXPECT_EQ(tree.sortedSelection(), (std::vector<TreeNode*>{c, a2, b}));
    tree.clearSelection();
    EXPECT_EQ(tree.firstSelected(), nullptr);
    EXPECT_FALSE(a2->isSelected());
}

TEST(ItemTree, SingleSelectionTreeKeepsOneSelectedNode) {
    ItemTree tree(TreeId::ContactTagsTree);
    TreeNode* first = tree.appendChild();
    TreeNode* second = tree.appendChild();
    tree.select(first);
    tree.select(second);
    EXPECT_FALSE(first->isSelected());
    EXPECT_EQ(tree.selection(), std::vector<TreeNode*>{second});
}

TEST(ItemTree, SelectedFlagBelongsToTheSelection) {
    ItemTree tree(TreeId::DayGoalTree);
    TreeNode* node = tree.appendChild();
    node->setFlag(NodeFlag::Selected | NodeFlag::Expanded, true);
    EXPECT_EQ(node->flags(), NodeFlag::Visible | NodeFlag::Expanded);
    tree.setFocused(tree.root());
    EXPECT_EQ(tree.focused(), nullptr);
}

TEST(ItemTree, FirstTextAndKindFieldsOfEveryFamily) {
    ItemTreeSet trees;
    for (ItemTree& tree : trees.all()) {
        TreeNode* node = tree.firstTopLevel();
        ASSERT_NE(firstTextField(*node), nullptr) << tree.name();
        *firstTextField(*node) = "name";
        *kindField(*node) = 4;
    }
    EXPECT_EQ(trees.get(TreeId::DayGoalTree).firstTopLevel()->record<GoalRecord>().kind, 4);
    EXPECT_EQ(trees.get(TreeId::ContactsTree).firstTopLevel()->record<ContactRecord>().official, "name");
    EXPECT_EQ(trees.get(TreeId::CalendarTree).firstTopLevel()->record<EventRecord>().kind, 4);
    EXPECT_EQ(trees.get(TreeId::ContactTagsTree).firstTopLevel()->record<TagRecord>().name, "name");
}

TEST(ItemTreeSet, HoldsTheSixteenTreesEachWithOneEmptyItem) {
    ItemTreeSet trees;
    ASSERT_EQ(trees.all().size(), 16u);
    for (const ItemTree& tree : trees.all()) {
        EXPECT_EQ(tree.nodeCount(), 1u) << tree.name();
        EXPECT_EQ(tree.defaultHeight(), 20) << tree.name();
        EXPECT_EQ(tree.multiSelect(), tree.id() != TreeId::ContactTagsTree) << tree.name();
        ASSERT_TRUE(tree.id()) << tree.name();
        EXPECT_EQ(&trees.get(*tree.id()), &tree) << tree.name();
        EXPECT_EQ(treeIdNamed(tree.name()), tree.id()) << tree.name();
    }
    const struct {
        TreeId id;
        RecordFamily family;
    } families[] = {{TreeId::GlobalGoalTree, RecordFamily::Goals},  {TreeId::ImagesTree, RecordFamily::Links},
                    {TreeId::PhrasesTree, RecordFamily::Phrases},   {TreeId::CalendarTree, RecordFamily::Events},
                    {TreeId::ContactsTree, RecordFamily::Contacts}, {TreeId::LinkTagsTree, RecordFamily::Tags}};
    for (const auto& row : families) {
        EXPECT_EQ(trees.get(row.id).family(), row.family) << row.id;
        EXPECT_EQ(treeInfo(row.id).family, row.family) << row.id;
    }
    EXPECT_EQ(treeIdNamed("NoSuchTree"), std::nullopt);
}

}  // namespace
}  // namespace torvalet
