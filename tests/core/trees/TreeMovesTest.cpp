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
        {"right into previous sibling", TreeMoves::moveRight, {"B"}, "A[A1 A2 A3 B] C"},
        {"right keeps order", TreeMoves::moveRight, {"B", "C"}, "A[A1 A2 A3 B C]"},
        {"left after parent", TreeMoves::moveLeft, {"A2"}, "A[A1 A3] A2 B C"},
        {"left keeps order", TreeMoves::moveLeft, {"A2", "A3"}, "A[A1] A2 A3 B C"},
        {"up before previous sibling", TreeMoves::moveUp, {"A3"}, "A[A1 A3 A2] B C"},
        {"up keeps order", TreeMoves::moveUp, {"A2", "A3"}, "A[A2 A3 A1] B C"},
        {"down after next sibling", TreeMoves::moveDown, {"A1"}, "A[A2 A1 A3] B C"},
        {"down reverses several", TreeMoves::moveDown, {"A1", "A3"}, "A[A2 A3 A1] B C"},
        {"a selected child travels with its parent", TreeMoves::moveDown, {"A", "A2"}, "B A[A1 A2 A3] C"},
        // Without a target every item becomes the first top-level item.
        {"right without previous sibling", TreeMoves::moveRight, {"A1"}, "A1 A[A2 A3] B C"},
        {"up on a first child", TreeMoves::moveUp, {"A1"}, "A1 A[A2 A3] B C"},
        {"up on first children, one by one", TreeMoves::moveUp, {"A1", "A2"}, "A2 A1 A[A3] B C"},
        {"down on a last item", TreeMoves::moveDown, {"A3"}, "A3 A[A1 A2] B C"},
        {"left on a top-level item", TreeMoves::moveLeft, {"B"}, "B A[A1 A2 A3] C"},
    };
    for (const auto& row : cases) {
        ItemTree tree(TreeId::DayGoalTree);
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
    EXPECT_FALSE(TreeMoves::moveRight(tree));
    EXPECT_FALSE(TreeMoves::moveDown(tree));
    EXPECT_EQ(outline(tree), "A B");

    select(tree, {"B"});
    TreeMoves::moveRight(tree);
    EXPECT_EQ(outline(tree), "A[B]");
    EXPECT_TRUE(item(tree, "A")->hasFlag(NodeFlag::Expanded));
}

TEST(TreeMoves, IntoAnotherTreeTheItemsTravelWithRecordsAndLeave) {
    ItemTree day(TreeId::DayGoalTree);
    ItemTree week(TreeId::WeekGoalTree);
    build(day, "A[A1] B C");
    build(week, "W");
    item(day, "A1")->record<GoalRecord>().note = "call";
    item(day, "A")->setFlag(NodeFlag::Expanded, true);
    item(day, "A")->setFlag(NodeFlag::CutOrCopyMark, true);

    const std::vector<TreeNode*> nodes{item(day, "A"), item(day, "C")};
    const auto moved = TreeMoves::moveNodesTo(day, nodes, week, item(week, "W"), NodePlace::After);
    EXPECT_EQ(outline(day), "B");
    EXPECT_EQ(outline(week), "W C A[A1]");
    EXPECT_EQ(testing::names(moved), (std::vector<std::string>{"A", "C"}));
    EXPECT_EQ(item(week, "A1")->record<GoalRecord>().note, "call");
    EXPECT_TRUE(item(week, "A")->hasFlag(NodeFlag::Expanded));
    EXPECT_FALSE(item(week, "A")->hasFlag(NodeFlag::CutOrCopyMark));

    ItemTree links(TreeId::LinksTree);
    EXPECT_THROW(TreeMoves::moveNodesTo(week, moved, links, nullptr, NodePlace::After), std::logic_error);
    EXPECT_EQ(outline(week), "W C A[A1]");
}

}  // namespace
}  // namespace torvalet
