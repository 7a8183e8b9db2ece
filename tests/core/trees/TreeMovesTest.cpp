#include <gtest/gtest.h>

#include "TreeCommandsFixture.h"
#include "trees/TreeMoves.h"

namespace torvalet {
namespace {

using testing::build;
using testing::item;
using testing::outline;
using testing::select;

TEST(TreeMoves, OneStepInFourDirections) {
    using Move = bool (*)(ItemTree&);
    const struct {
        const char* name;
        Move move;
        std::initializer_list<std::string_view> selected;
        const char* expected;
    } cases[] = {
        {"right into previous sibling", TreeMoves::ItemMoveRight, {"B"}, "A[A1 A2 A3 B] C"},
        {"right keeps order", TreeMoves::ItemMoveRight, {"B", "C"}, "A[A1 A2 A3 B C]"},
        {"left after parent", TreeMoves::ItemMoveLeft, {"A2"}, "A[A1 A3] A2 B C"},
        {"left keeps order", TreeMoves::ItemMoveLeft, {"A2", "A3"}, "A[A1] A2 A3 B C"},
        {"up before previous sibling", TreeMoves::ItemMoveUp, {"A3"}, "A[A1 A3 A2] B C"},
        {"up keeps order", TreeMoves::ItemMoveUp, {"A2", "A3"}, "A[A2 A3 A1] B C"},
        {"down after next sibling", TreeMoves::ItemMoveDown, {"A1"}, "A[A2 A1 A3] B C"},
        {"down reverses several", TreeMoves::ItemMoveDown, {"A1", "A3"}, "A[A2 A3 A1] B C"},
        {"a selected child travels with its parent", TreeMoves::ItemMoveDown, {"A", "A2"}, "B A[A1 A2 A3] C"},
        // Without a target every item becomes the first top-level item.
        {"right without previous sibling", TreeMoves::ItemMoveRight, {"A1"}, "A1 A[A2 A3] B C"},
        {"up on a first child", TreeMoves::ItemMoveUp, {"A1"}, "A1 A[A2 A3] B C"},
        {"up on first children, one by one", TreeMoves::ItemMoveUp, {"A1", "A2"}, "A2 A1 A[A3] B C"},
        {"down on a last item", TreeMoves::ItemMoveDown, {"A3"}, "A3 A[A1 A2] B C"},
        {"left on a top-level item", TreeMoves::ItemMoveLeft, {"B"}, "B A[A1 A2 A3] C"},
    };
    for (const auto& row : cases) {
        ItemTree tree(TreeId::GoalTree);
        build(tree, "A[A1 A2 A3] B C");
        select(tree, row.selected);
        EXPECT_TRUE(row.move(tree)) << row.name;
        EXPECT_EQ(outline(tree), row.expected) << row.name;
        EXPECT_EQ(tree.selectionCount(), row.selected.size()) << row.name;
    }
}

TEST(TreeMoves, RightExpandsTheTargetAndNothingSelectedMovesNothing) {
    ItemTree tree(TreeId::LinksTree);
    build(tree, "A B");
    EXPECT_FALSE(TreeMoves::ItemMoveRight(tree));
    EXPECT_FALSE(TreeMoves::ItemMoveDown(tree));
    EXPECT_EQ(outline(tree), "A B");

    select(tree, {"B"});
    TreeMoves::ItemMoveRight(tree);
    EXPECT_EQ(outline(tree), "A[B]");
    EXPECT_TRUE(item(tree, "A")->hasFlag(NodeFlag::Expanded));
}

TEST(TreeMoves, IntoAnotherTreeTheItemsTravelWithRecordsAndLeave) {
    ItemTree day(TreeId::GoalTree);
    ItemTree week(TreeId::Goal2Tree);
    build(day, "A[A1] B C");
    build(week, "W");
    item(day, "A1")->record<TGoalData>().Note = "call";
    item(day, "A")->setFlag(NodeFlag::Expanded, true);
    item(day, "A")->setFlag(NodeFlag::CutOrCopyMark, true);

    const std::vector<TreeNode*> nodes{item(day, "A"), item(day, "C")};
    const auto moved = TreeMoves::moveNodesTo(day, nodes, week, item(week, "W"), NodePlace::After);
    EXPECT_EQ(outline(day), "B");
    EXPECT_EQ(outline(week), "W C A[A1]");
    EXPECT_EQ(testing::names(moved), (std::vector<std::string>{"A", "C"}));
    EXPECT_EQ(item(week, "A1")->record<TGoalData>().Note, "call");
    EXPECT_TRUE(item(week, "A")->hasFlag(NodeFlag::Expanded));
    EXPECT_FALSE(item(week, "A")->hasFlag(NodeFlag::CutOrCopyMark));

    ItemTree links(TreeId::LinksTree);
    EXPECT_THROW(TreeMoves::moveNodesTo(week, moved, links, nullptr, NodePlace::After), std::logic_error);
    EXPECT_EQ(outline(week), "W C A[A1]");
}

}  // namespace
}  // namespace torvalet
